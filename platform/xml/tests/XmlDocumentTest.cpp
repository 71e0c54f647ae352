#include "platform/xml/XmlDocument.h"

#include "platform/classes/Streams.h"
#include "testsupport/Peers.h"
#include "testsupport/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

using namespace xml;

namespace {

std::string Names(const std::vector<Node>& nodes)
{
    std::string names;
    for (const Node& n : nodes) names += (n.IsElement() ? n.Name() : "#" + n.Text()) + ",";
    return names;
}

}  // namespace

TEST(XmlDocument, WalksElementsAttributesAndText)
{
    Document doc;
    doc.LoadFromString(R"(<?xml version="1.0"?>
<!-- a reply -->
<reply kind="geo" n="2">
  <status>OK</status>
  <place id="7">A &amp; B<![CDATA[ <raw> ]]></place>
  <empty/>
  <mixed>x<b>y</b>z</mixed>
</reply>)");
    const Node root = doc.DocumentElement();
    ASSERT_TRUE(root);
    EXPECT_EQ(root.Name(), "reply");
    EXPECT_EQ(root.Parent(), doc.Root());
    EXPECT_EQ(doc.Root().Type(), NodeType::Document);

    const std::vector<Node> attributes = root.Attributes();
    ASSERT_EQ(attributes.size(), 2u);
    EXPECT_EQ(attributes[1].Type(), NodeType::Attribute);
    EXPECT_EQ(attributes[1].Name(), "n");
    EXPECT_EQ(attributes[1].Text(), "2");
    EXPECT_EQ(attributes[1].Parent(), root);
    EXPECT_FALSE(attributes[1].IsTextElement());
    EXPECT_TRUE(attributes[1].Children().empty());
    EXPECT_FALSE(attributes[1].NextSibling());
    EXPECT_EQ(root.AttributeValue("kind"), "geo");
    EXPECT_FALSE(root.HasAttribute("missing"));
    EXPECT_EQ(root.AttributeValue("missing"), "");

    // Whitespace between elements is not a node; the comment is not kept.
    EXPECT_EQ(Names(root.Children()), "status,place,empty,mixed,");
    EXPECT_EQ(root.ChildCount(), 4u);
    EXPECT_EQ(Names(doc.Root().Children()), "reply,");

    const Node place = root.ChildElement("place");
    EXPECT_EQ(place.Text(), "A & B <raw> ");
    EXPECT_EQ(place.FirstChild().Type(), NodeType::Text);
    EXPECT_EQ(place.FirstChild().NextSibling().Type(), NodeType::CData);
    EXPECT_EQ(root.ChildElement("mixed").Text(), "xyz");
    EXPECT_EQ(root.Text(), "OKA & B <raw> xyz");
    EXPECT_FALSE(root.ChildElement("nothing"));
    EXPECT_EQ(root.ChildElement("nothing").Text(), "");
    EXPECT_TRUE(root.ChildElement("nothing").Children().empty());
}

TEST(XmlDocument, TextElementMeansContentThatIsOnlyText)
{
    Document doc;
    doc.LoadFromString("<r><t>1</t><c><![CDATA[2]]></c><e/><m>x<b/></m><n><b>1</b></n><a x='1'>v</a></r>");
    const struct {
        const char* Element;
        bool IsText;
    } cases[] = {{"t", true}, {"c", true}, {"e", true}, {"m", false}, {"n", false}, {"a", true}};
    for (const auto& c : cases)
        EXPECT_EQ(doc.DocumentElement().ChildElement(c.Element).IsTextElement(), c.IsText) << c.Element;
    EXPECT_FALSE(doc.DocumentElement().ChildElement("t").FirstChild().IsTextElement());
}

TEST(XmlDocument, MalformedInputRaisesWithCodeAndPlace)
{
    const struct {
        const char* Name;
        std::string Text;
        int Line;
    } cases[] = {
        {"empty", "", 1},
        {"only a declaration", "<?xml version=\"1.0\"?>", 1},
        {"unclosed", "<a>\n<b>\n</a>", 3},
        {"mismatched", "<a></b>", 1},
        {"bad attribute", "<a x=1/>", 1},
        {"two roots", "<a/>\n<b/>", 2},
        {"text after the root", "<a/>\n\ntail", 3},
        {"text before the root", "head<a/>", 1},
        {"not xml", "HTTP error page", 1},
        {"truncated", "<a><b>te", 1},
        {"too deep", std::string(MaxDepth + 1, '\0'), 1},
    };
    for (const auto& c : cases) {
        std::string text = c.Text;
        if (std::string_view(c.Name) == "too deep") {
            text.clear();
            for (int i = 0; i <= MaxDepth; ++i) text += "<a>";
        }
        Document doc;
        doc.LoadFromString("<old/>");
        try {
            doc.LoadFromString(text);
            ADD_FAILURE() << c.Name << " was accepted";
        } catch (const EXmlParseError& e) {
            EXPECT_NE(e.Code(), 0) << c.Name;
            EXPECT_EQ(e.Line(), c.Line) << c.Name << ": " << e.Message();
            EXPECT_FALSE(doc.DocumentElement()) << c.Name;
        }
    }
}

TEST(XmlDocument, DeepButAllowedNestingLoadsAndWalks)
{
    std::string text;
    for (int i = 0; i < MaxDepth; ++i) text += "<a>";
    text += "deep";
    for (int i = 0; i < MaxDepth; ++i) text += "</a>";
    Document doc;
    doc.LoadFromString(text);
    EXPECT_EQ(doc.DocumentElement().Text(), "deep");
}

TEST(XmlDocument, ReadsDeclaredLatin1AndUtf16AsUtf8)
{
    Document doc;
    doc.LoadFromString("<?xml version=\"1.0\" encoding=\"ISO-8859-1\" ?><a>caf\xE9</a>");
    EXPECT_EQ(doc.DocumentElement().Text(), "caf\xC3\xA9");

    const std::string utf16le("\xFF\xFE<\0a\0>\0\xFC\0<\0/\0a\0>\0", 18);
    doc.LoadFromString(utf16le);
    EXPECT_EQ(doc.DocumentElement().Text(), "\xC3\xBC");
}

TEST(XmlDocument, BuildsSavesAndReadsBack)
{
    Document doc;
    Node list = doc.Root().AppendElement("list");
    Node record = list.AppendElement("record");
    record.SetAttribute("id", "1");
    record.SetAttribute("id", "2");  // replaces, does not add
    record.SetAttribute("say", "'1' \"quoted\" & <tagged>");
    record.AppendElement("name").SetText("Smith & Sons <Ltd> \xC3\xBC");
    Node note = record.AppendElement("note");
    note.SetText("first");
    note.SetText("second");
    list.AppendElement("record").SetText("");

    Document back;
    back.LoadFromString(doc.SaveToString(XmlLayout::Compact));
    const Node r = back.DocumentElement().FirstChild();
    ASSERT_EQ(r.Attributes().size(), 2u);
    EXPECT_EQ(r.AttributeValue("id"), "2");
    EXPECT_EQ(r.AttributeValue("say"), "'1' \"quoted\" & <tagged>");
    EXPECT_EQ(r.ChildElement("name").Text(), "Smith & Sons <Ltd> \xC3\xBC");
    EXPECT_EQ(r.ChildElement("note").ChildCount(), 1u);
    EXPECT_EQ(r.ChildElement("note").Text(), "second");
    EXPECT_EQ(r.NextSibling().ChildCount(), 0u);

    const std::string indented = doc.SaveToString();
    EXPECT_TRUE(indented.starts_with("<?xml version=\"1.0\"")) << indented;
    EXPECT_NE(indented.find("\n  <record"), std::string::npos) << indented;
}

TEST(XmlDocument, BuildingNeedsAnElement)
{
    Document doc;
    Node a = doc.Root().AppendElement("a");
    Node text = a.AppendText("t");
    EXPECT_THROW(text.AppendElement("x"), EInvalidOperation);
    EXPECT_THROW(text.SetAttribute("x", "1"), EInvalidOperation);
    a.SetAttribute("k", "v");
    EXPECT_THROW(a.Attributes()[0].AppendText("x"), EInvalidOperation);
    EXPECT_THROW(doc.Root().SetText("x"), EInvalidOperation);
    EXPECT_THROW(Node().AppendText("x"), EInvalidOperation);
    EXPECT_THROW(a.AppendElement(""), EInvalidOperation);
    EXPECT_THROW(a.SetAttribute("", "v"), EInvalidOperation);
}

TEST(XmlDocument, FilesRoundTripThroughAnIndependentReader)
{
    REQUIRE_PEER("python3");
    const testsupport::TempFolder folder("xml");
    const std::filesystem::path path = folder / "peer.xml";
    Document doc;
    Node root = doc.Root().AppendElement("root");
    root.SetAttribute("lang", "de");
    root.AppendElement("city").SetText("M\xC3\xBCnchen & \"Umland\"");
    doc.SaveToFile(path.string());

    const std::string command = "/usr/bin/python3 -c \"import sys, xml.etree.ElementTree as E; r = E.parse(sys.argv[1]).getroot(); "
                                "sys.stdout.buffer.write((r.get('lang') + '|' + r.find('city').text).encode())\" " +
                                path.string();
    std::string output;
    EXPECT_EQ(testsupport::RunCommand(command, &output), 0) << output;
    EXPECT_EQ(output, "de|M\xC3\xBCnchen & \"Umland\"");

    Document back;
    back.LoadFromFile(path.string());
    EXPECT_EQ(back.DocumentElement().ChildElement("city").Text(), "M\xC3\xBCnchen & \"Umland\"");
    std::filesystem::remove(path);

    EXPECT_THROW(back.LoadFromFile(path.string()), EFOpenError);
    EXPECT_THROW(doc.SaveToFile((path / "no-such-dir" / "x.xml").string()), EFCreateError);
}
