// Reading and rewriting CONTROL tags in markup texts.
#include "render/HTMLControls.h"

#include <gtest/gtest.h>

TEST(ControlTags, ParseReadsQuotedAttributesInAnyCase)
{
    struct Case {
        const char* tag;
        TControlTagAttributes expected;
    };
    const Case cases[] = {
        {R"( type="edit" id="e1" value="a &amp; b" width="80" height="30" prop="x&lt;y" maxlen="12")",
         {"EDIT", "e1", "a & b", "80", "30", "x<y", "12"}},
        // A name inside another attribute's name or value is no attribute.
        {R"( TYPE="CHECK" WIDTH="15" ID="ck")", {"CHECK", "ck", "", "15", "", "", ""}},
        {R"( VALUE="WIDTH=&quot;9&quot; ID=x" TYPE="EDIT" WIDTH="40" ID="real")",
         {"EDIT", "real", "WIDTH=\"9\" ID=x", "40", "", "", ""}},
        // Unquoted values are not recognised; missing attributes are empty.
        {R"( TYPE=EDIT ID="u" WIDTH=50)", {"", "u", "", "", "", "", ""}},
        {"", {}},
        {R"( TYPE="RADIO" ID="unclosed)", {"RADIO", "", "", "", "", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tag);
        TControlTagAttributes a = ParseControlTag(c.tag);
        EXPECT_EQ(a.Type, c.expected.Type);
        EXPECT_EQ(a.ID, c.expected.ID);
        EXPECT_EQ(a.Value, c.expected.Value);
        EXPECT_EQ(a.Width, c.expected.Width);
        EXPECT_EQ(a.Height, c.expected.Height);
        EXPECT_EQ(a.Prop, c.expected.Prop);
        EXPECT_EQ(a.MaxLen, c.expected.MaxLen);
    }
}

TEST(ControlTags, WriteThenReadReturnsTheValue)
{
    const std::string base = R"(Name: <control type="edit" id="name" value="old" width="90" height="30" )"
                             R"(prop="p &amp; q" maxlen="20"> and <CONTROL TYPE="CHECK" ID="ok" VALUE="FALSE" WIDTH="16">!)";
    for (std::string value : {"plain", "", "quotes \" and <tags> & amps", "Ünïcödé € ©", "TRUE"}) {
        SCOPED_TRACE(value);
        std::string text = base;
        ASSERT_TRUE(WriteControlValue(text, "name", value));
        std::string read;
        ASSERT_TRUE(ReadControlValue(text, "name", read));
        EXPECT_EQ(read, value);
        EXPECT_EQ(ReadControlProp(text, "name"), "p & q");
        EXPECT_EQ(ReadControlMaxLen(text, "name"), 20);
        ASSERT_TRUE(ReadControlValue(text, "ok", read));
        EXPECT_EQ(read, "FALSE") << "the other control is untouched";
        EXPECT_TRUE(text.starts_with("Name: <CONTROL ID=\"name\" VALUE=\""));
        EXPECT_TRUE(text.ends_with(R"(> and <CONTROL TYPE="CHECK" ID="ok" VALUE="FALSE" WIDTH="16">!)"));
    }
}

TEST(ControlTags, WriteRebuildsTheTagKeepingItsSize)
{
    std::string text = R"(<CONTROL TYPE="edit" ID="a" VALUE="1" WIDTH="50" HEIGHT="40">)";
    ASSERT_TRUE(WriteControlValue(text, "a", "2"));
    EXPECT_EQ(text, R"(<CONTROL ID="a" VALUE="2" WIDTH="50" TYPE="EDIT" HEIGHT="40">)");

    std::string unknown = text;
    EXPECT_FALSE(WriteControlValue(unknown, "b", "x"));
    EXPECT_EQ(unknown, text);
    std::string value = "kept";
    EXPECT_FALSE(ReadControlValue(text, "b", value));
    EXPECT_EQ(value, "kept");
    EXPECT_EQ(ReadControlProp(text, "b"), "");
    EXPECT_EQ(ReadControlMaxLen(text, "a"), 0);
}

TEST(ControlTags, NextEditControlSkipsButtonsChecksAndRadios)
{
    const std::string text = R"(<CONTROL TYPE="CHECK" ID="c" WIDTH="16"><CONTROL TYPE="EDIT" ID="e1" WIDTH="40">)"
                             R"(<control type="button" id="b" width="40"><CONTROL TYPE="COMBO" ID="e2" WIDTH="40">)"
                             R"(<CONTROL TYPE="RADIO" ID="r" WIDTH="16">)";
    EXPECT_EQ(NextEditControlID(text, ""), "e1");
    EXPECT_EQ(NextEditControlID(text, "e1"), "e2");
    EXPECT_EQ(NextEditControlID(text, "b"), "e2");
    EXPECT_EQ(NextEditControlID(text, "e2"), "");
    EXPECT_EQ(NextEditControlID("no controls", ""), "");
}

TEST(ControlTags, ResetRadioControlsSwitchesEveryRadioOff)
{
    const std::string text = R"(<CONTROL TYPE="RADIO" ID="r1" VALUE="TRUE" WIDTH="16"> one )"
                             R"(<CONTROL TYPE="RADIO" ID="r2" VALUE="FALSE" WIDTH="16"> two )"
                             R"(<CONTROL TYPE="CHECK" ID="c" VALUE="TRUE" WIDTH="16">)";
    const std::string reset = ResetRadioControls(text);
    std::string value;
    for (const char* id : {"r1", "r2"}) {
        ASSERT_TRUE(ReadControlValue(reset, id, value));
        EXPECT_EQ(value, "FALSE") << id;
    }
    ASSERT_TRUE(ReadControlValue(reset, "c", value));
    EXPECT_EQ(value, "TRUE");

    const std::string noRadios = R"(text <CONTROL TYPE="EDIT" ID="e" WIDTH="9" HEIGHT="30"> more)";
    EXPECT_EQ(ResetRadioControls(noRadios), noRadios);
}

TEST(ControlTags, ContainsAndPasswordMask)
{
    EXPECT_TRUE(ContainsControlTag("a <control type=\"edit\">"));
    EXPECT_FALSE(ContainsControlTag("a <b>control</b>"));
    EXPECT_EQ(PasswordMask("secret"), "******");
    EXPECT_EQ(PasswordMask("pässwörd"), "********") << "one star per character, not per byte";
    EXPECT_EQ(PasswordMask(""), "");
}
