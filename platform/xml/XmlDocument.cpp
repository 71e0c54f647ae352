// The XML document object model over pugixml.
#include "platform/xml/XmlDocument.h"

#include "platform/classes/FileSave.h"
#include "platform/classes/Streams.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cctype>

namespace xml {
namespace {

pugi::xml_node Wrap(pugi::xml_node_struct* node) { return pugi::xml_node(node); }

bool IsTextNode(const pugi::xml_node& node)
{
    return node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata;
}

// Line and column (from 1) of a byte offset into the text.
std::pair<int, int> LineAndColumn(std::string_view text, std::ptrdiff_t offset)
{
    const std::size_t end = std::min(text.size(), static_cast<std::size_t>(std::max<std::ptrdiff_t>(offset, 0)));
    const std::string_view before = text.substr(0, end);
    const int line = 1 + static_cast<int>(std::count(before.begin(), before.end(), '\n'));
    const std::size_t lineStart = before.rfind('\n');
    const int column = 1 + static_cast<int>(lineStart == std::string_view::npos ? end : end - lineStart - 1);
    return {line, column};
}

// Walks the tree without recursion and returns the first element deeper
// than MaxDepth, or a null node.
pugi::xml_node FindTooDeep(const pugi::xml_node& root)
{
    int depth = 0;
    pugi::xml_node node = root.first_child();
    while (node) {
        if (node.type() == pugi::node_element && depth + 1 > MaxDepth) return node;
        if (node.first_child()) {
            node = node.first_child();
            ++depth;
            continue;
        }
        while (node && !node.next_sibling()) {
            node = node.parent();
            --depth;
            if (node == root) return {};
        }
        if (node) node = node.next_sibling();
    }
    return {};
}

class StringWriter : public pugi::xml_writer {
public:
    std::string Output;
    void write(const void* data, std::size_t size) override { Output.append(static_cast<const char*>(data), size); }
};

}  // namespace

NodeType Node::Type() const noexcept
{
    if (FAttribute) return NodeType::Attribute;
    switch (Wrap(FNode).type()) {
    case pugi::node_document: return NodeType::Document;
    case pugi::node_element: return NodeType::Element;
    case pugi::node_pcdata: return NodeType::Text;
    case pugi::node_cdata: return NodeType::CData;
    default: return NodeType::Null;
    }
}

bool Node::IsTextElement() const
{
    const pugi::xml_node node = Wrap(FNode);
    if (FAttribute || node.type() != pugi::node_element) return false;
    for (const pugi::xml_node& child : node.children())
        if (!IsTextNode(child)) return false;
    return true;
}

std::string Node::Name() const
{
    if (FAttribute) return pugi::xml_attribute(FAttribute).name();
    const pugi::xml_node node = Wrap(FNode);
    return node.type() == pugi::node_element ? node.name() : "";
}

std::string Node::Text() const
{
    if (FAttribute) return pugi::xml_attribute(FAttribute).value();
    const pugi::xml_node start = Wrap(FNode);
    if (IsTextNode(start)) return start.value();
    std::string text;
    // Iterative walk: a deep tree must not cost stack.
    pugi::xml_node node = start.first_child();
    while (node) {
        if (IsTextNode(node)) text += node.value();
        if (node.first_child()) {
            node = node.first_child();
            continue;
        }
        while (node && node != start && !node.next_sibling()) node = node.parent();
        if (!node || node == start) break;
        node = node.next_sibling();
    }
    return text;
}

// Attribute nodes have no attributes or children of their own.
bool Node::HasAttributes() const { return !FAttribute && Wrap(FNode).first_attribute(); }

std::vector<Node> Node::Attributes() const
{
    std::vector<Node> attributes;
    if (FAttribute) return attributes;
    for (const pugi::xml_attribute& a : Wrap(FNode).attributes()) attributes.push_back(Node(FNode, a.internal_object()));
    return attributes;
}

bool Node::HasAttribute(std::string_view name) const
{
    return !FAttribute && Wrap(FNode).attribute(std::string(name).c_str());
}

std::string Node::AttributeValue(std::string_view name) const
{
    return FAttribute ? "" : Wrap(FNode).attribute(std::string(name).c_str()).value();
}

Node Node::Parent() const { return FAttribute ? Node(FNode) : Node(Wrap(FNode).parent().internal_object()); }

Node Node::FirstChild() const { return FAttribute ? Node() : Node(Wrap(FNode).first_child().internal_object()); }

Node Node::NextSibling() const
{
    if (FAttribute) return Node();
    return Node(Wrap(FNode).next_sibling().internal_object());
}

std::size_t Node::ChildCount() const
{
    if (FAttribute) return 0;
    const auto children = Wrap(FNode).children();
    return static_cast<std::size_t>(std::distance(children.begin(), children.end()));
}

std::vector<Node> Node::Children() const
{
    std::vector<Node> children;
    if (FAttribute) return children;
    for (const pugi::xml_node& child : Wrap(FNode).children()) children.push_back(Node(child.internal_object()));
    return children;
}

Node Node::ChildElement(std::string_view name) const
{
    if (FAttribute) return Node();
    return Node(Wrap(FNode).child(std::string(name).c_str()).internal_object());
}

void Node::RequireElement(const char* operation) const
{
    if (FAttribute || Wrap(FNode).type() != pugi::node_element)
        throw EInvalidOperation(std::string("XML ") + operation + " needs an element node");
}

Node Node::AppendElement(std::string_view name)
{
    if (FAttribute || Wrap(FNode).type() != pugi::node_document) RequireElement("AppendElement");
    if (name.empty()) throw EInvalidOperation("XML element name is empty");
    pugi::xml_node child = Wrap(FNode).append_child(pugi::node_element);
    child.set_name(std::string(name).c_str());
    return Node(child.internal_object());
}

Node Node::AppendText(std::string_view text)
{
    RequireElement("AppendText");
    pugi::xml_node child = Wrap(FNode).append_child(pugi::node_pcdata);
    child.set_value(std::string(text).c_str());
    return Node(child.internal_object());
}

void Node::SetAttribute(std::string_view name, std::string_view value)
{
    RequireElement("SetAttribute");
    if (name.empty()) throw EInvalidOperation("XML attribute name is empty");
    pugi::xml_node node = Wrap(FNode);
    const std::string key(name);
    pugi::xml_attribute attribute = node.attribute(key.c_str());
    if (!attribute) attribute = node.append_attribute(key.c_str());
    attribute.set_value(std::string(value).c_str());
}

void Node::SetText(std::string_view text)
{
    RequireElement("SetText");
    Wrap(FNode).remove_children();
    if (!text.empty()) AppendText(text);
}

Document::Document() : FDocument(std::make_unique<pugi::xml_document>()) {}
Document::~Document() = default;
Document::Document(Document&&) noexcept = default;
Document& Document::operator=(Document&&) noexcept = default;

void Document::LoadFromString(std::string_view text)
{
    const auto fail = [&](const std::string& what, int code, std::ptrdiff_t offset) {
        FDocument->reset();
        const auto [line, column] = LineAndColumn(text, offset);
        throw EXmlParseError("XML parse error: " + what + " at line " + std::to_string(line) + ", column " +
                                 std::to_string(column),
                             code, line, column);
    };
    // As a fragment the parser keeps what lies beside the root element, so
    // that a document with several roots or stray text can be refused.
    const pugi::xml_parse_result result =
        FDocument->load_buffer(text.data(), text.size(), pugi::parse_default | pugi::parse_fragment);
    if (!result) fail(result.description(), static_cast<int>(result.status), result.offset);

    pugi::xml_node root;
    for (const pugi::xml_node& child : FDocument->children()) {
        if (child.type() != pugi::node_element && !IsTextNode(child)) continue;
        if (root || IsTextNode(child)) {
            // A text node starts with the blanks before it; point at the text itself.
            auto at = static_cast<std::size_t>(std::max<std::ptrdiff_t>(child.offset_debug(), 0));
            while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
            fail("content outside the root element", NotOneRootErrorCode, static_cast<std::ptrdiff_t>(at));
        }
        root = child;
    }
    if (!root) fail("no root element", NotOneRootErrorCode, static_cast<std::ptrdiff_t>(text.size()));
    if (const pugi::xml_node deep = FindTooDeep(*FDocument))
        fail("elements nested deeper than " + std::to_string(MaxDepth) + " levels", TooDeepErrorCode,
             deep.offset_debug());
}

void Document::LoadFromFile(const std::string& fileName)
{
    TMemoryStream data;
    data.LoadFromFile(fileName);
    const auto& bytes = data.Bytes();
    LoadFromString(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

Node Document::Root() const { return Node(FDocument->internal_object()); }

Node Document::DocumentElement() const { return Node(FDocument->document_element().internal_object()); }

void Document::Clear() { FDocument->reset(); }

std::string Document::SaveToString(XmlLayout layout) const
{
    StringWriter writer;
    if (layout == XmlLayout::Indented)
        FDocument->save(writer, "  ", pugi::format_default, pugi::encoding_utf8);
    else
        FDocument->save(writer, "", pugi::format_raw, pugi::encoding_utf8);
    return writer.Output;
}

void Document::SaveToFile(const std::string& fileName, XmlLayout layout) const
{
    classes::SaveFileBytes(fileName, SaveToString(layout));
}

}  // namespace xml
