// Wrapping search matches of the visible text in tags and removing them again.
#include "render/HTMLUtils.h"

#include <gtest/gtest.h>

TEST(HTMLMatchTagsTest, InsertAtVisiblePositions)
{
    const struct {
        const char* Name;
        const char* Text;
        const char* Match;
        bool CaseSensitive;
        const char* Tagged;
    } cases[] = {
        {"plain", "abcabc", "b", true, "a<hi>b</hi>ca<hi>b</hi>c"},
        {"whole text", "abc", "abc", true, "<hi>abc</hi>"},
        {"case ignored", "Abc aBC", "abc", false, "<hi>Abc</hi> <hi>aBC</hi>"},
        {"case kept", "Abc abc", "abc", true, "Abc <hi>abc</hi>"},
        {"opening before tags in front", "x<b>bold</b>", "bold", true, "x<hi><b>bold</b></hi>"},
        {"first position can be a tag", "<b>ab</b>c", "ab", true, "<hi><b>ab</hi></b>c"},
        {"match spans a tag", "a<i>bc</i>d", "abcd", true, "<hi>a<i>bc</i>d</hi>"},
        {"tags not searched", "<font color=\"x\">x</font>", "color", false, "<font color=\"x\">x</font>"},
        {"no match", "abc", "z", true, "abc"},
        {"empty match", "abc", "", true, "abc"},
        {"bracket matched as entity", "a&lt;b", "a<b", true, "<hi>a&lt;b</hi>"},
        {"multi-byte letters", "caf\xC3\xA9 CAF\xC3\x89", "caf\xC3\xA9", false,
         "<hi>caf\xC3\xA9</hi> <hi>CAF\xC3\x89</hi>"},
        {"unclosed tag hides the rest", "ab <x ab", "ab", true, "<hi>ab</hi> <x ab"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(InsertMatchTags(c.Text, c.Match, "hi", c.CaseSensitive), c.Tagged) << c.Name;
}

TEST(HTMLMatchTagsTest, RemoveGivesTheOriginalBack)
{
    // Highlighting and unhighlighting must not change a cell's text, its
    // markup and escaped brackets included.
    const char* const texts[] = {
        "a <b>bold</b> b", "a &lt;b&gt; b", "a > b <i>b</i>", "<e>b</e>b", "b", "b <unclosed b",
    };
    for (const char* t : texts)
        EXPECT_EQ(RemoveMatchTags(InsertMatchTags(t, "b", "hi", false), "hi"), t) << t;
}

TEST(HTMLMatchTagsTest, RemoveAnyCase)
{
    EXPECT_EQ(RemoveMatchTags("<HI>a</hi><Hi>b</hI>", "hi"), "ab");
    EXPECT_EQ(RemoveMatchTags("<e>a</e><hi>b</hi>", "E"), "a<hi>b</hi>");
    // A pair that forms once an inner one is removed goes too.
    EXPECT_EQ(RemoveMatchTags("<h<hi>i>x", "hi"), "x");
}
