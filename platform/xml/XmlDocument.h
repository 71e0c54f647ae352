// An XML document object model: parse text or files, walk and build the node tree, save it.
#pragma once

#include "platform/rtl/Exceptions.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace pugi {
struct xml_node_struct;
struct xml_attribute_struct;
class xml_document;
}  // namespace pugi

namespace xml {

// A document that is not well-formed XML, or nested deeper than MaxDepth.
// Code() is non-zero and names the kind of fault; Line() and Column() count
// from 1 and point at where the parser stopped.
class EXmlParseError : public Exception {
public:
    EXmlParseError(std::string message, int code, int line, int column)
        : Exception(std::move(message)), FCode(code), FLine(line), FColumn(column) {}
    int Code() const noexcept { return FCode; }
    int Line() const noexcept { return FLine; }
    int Column() const noexcept { return FColumn; }

private:
    int FCode;
    int FLine;
    int FColumn;
};

// Nesting that no real document reaches; deeper input is rejected on load so
// that code walking the tree recursively cannot exhaust the stack.
constexpr int MaxDepth = 512;
// EXmlParseError::Code() for faults found after parsing; the parser's own
// codes are below them.
constexpr int TooDeepErrorCode = 100;
constexpr int NotOneRootErrorCode = 101;  // no root element, several, or text beside it

enum class NodeType { Null, Document, Element, Attribute, Text, CData };

// A light handle to a node inside a Document; it stays valid while the node
// is in its document. A default-constructed or "not found" node is null:
// it converts to false, reads as empty and has no children. Attributes are
// nodes too: their Name() and Text() are the attribute's name and value, and
// their Parent() is their element.
class Node {
public:
    Node() = default;

    explicit operator bool() const noexcept { return FNode != nullptr; }
    bool operator==(const Node&) const = default;

    NodeType Type() const noexcept;
    bool IsElement() const noexcept { return Type() == NodeType::Element; }
    // An element whose content is text only: every child is text or CDATA,
    // and an empty element counts (its text is "").
    bool IsTextElement() const;

    // The element's or attribute's name; "" for other nodes.
    std::string Name() const;
    // All text and CDATA at or below this node, in document order, with the
    // standard entities resolved; an attribute's value.
    std::string Text() const;

    bool HasAttributes() const;
    std::vector<Node> Attributes() const;  // in document order
    bool HasAttribute(std::string_view name) const;
    std::string AttributeValue(std::string_view name) const;  // "" when absent

    Node Parent() const;
    Node FirstChild() const;
    Node NextSibling() const;
    std::size_t ChildCount() const;
    std::vector<Node> Children() const;  // every child node, in order
    // The first child element with that name (compared exactly); null when none.
    Node ChildElement(std::string_view name) const;

    // Building: valid on an element (or the document node for AppendElement);
    // on other nodes they raise EInvalidOperation.
    Node AppendElement(std::string_view name);
    Node AppendText(std::string_view text);
    void SetAttribute(std::string_view name, std::string_view value);
    // Replaces the element's content by one text node (none for "").
    void SetText(std::string_view text);

private:
    friend class Document;
    explicit Node(pugi::xml_node_struct* node, pugi::xml_attribute_struct* attribute = nullptr)
        : FNode(node), FAttribute(attribute) {}
    void RequireElement(const char* operation) const;

    pugi::xml_node_struct* FNode = nullptr;
    pugi::xml_attribute_struct* FAttribute = nullptr;  // set for attribute nodes; FNode is their element
};

enum class XmlLayout { Indented, Compact };

// Comments, processing instructions and the document type are not kept;
// entity references other than the standard five and character references
// are not expanded from any DTD, so loading never fetches or grows anything.
// Input in UTF-8, UTF-16, UTF-32 or ISO-8859-1 (named by its declaration) is
// read; all text comes out as UTF-8.
class Document {
public:
    Document();
    ~Document();
    Document(Document&&) noexcept;
    Document& operator=(Document&&) noexcept;

    // Replace the content; raise EXmlParseError for bad XML (the document is
    // then empty) and EFOpenError for a file that cannot be read.
    void LoadFromString(std::string_view text);
    void LoadFromFile(const std::string& fileName);

    // The document node: the parent of the document element.
    Node Root() const;
    // The top element; null in an empty document.
    Node DocumentElement() const;

    void Clear();

    // UTF-8 with an XML declaration. SaveToFile raises EFCreateError or EWriteError.
    std::string SaveToString(XmlLayout layout = XmlLayout::Indented) const;
    void SaveToFile(const std::string& fileName, XmlLayout layout = XmlLayout::Indented) const;

private:
    std::unique_ptr<pugi::xml_document> FDocument;
};

}  // namespace xml
