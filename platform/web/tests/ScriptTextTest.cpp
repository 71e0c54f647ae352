#include "platform/web/ScriptText.h"

#include <gtest/gtest.h>

namespace {

TEST(ScriptText, StringLiteralEscapesWhatWouldEndOrBreakTheLiteral)
{
    struct Case {
        const char* name;
        std::string text;
        std::string literal;
    };
    const Case cases[] = {
        {"plain", "Eiffel Tower", R"("Eiffel Tower")"},
        {"quote and backslash", R"(a"b\c)", R"("a\"b\\c")"},
        {"line ends and tab", "a\r\nb\tc", R"("a\r\nb\tc")"},
        {"other control characters", std::string("a\x01" "b\x7f", 4), R"("a\u0001b\u007F")"},
        {"end of script element", "x</script>y", R"("x<\/script>y")"},
        {"slash elsewhere stays", "a/b", R"("a/b")"},
        {"accents stay UTF-8", "Champs-\xC3\x89lys\xC3\xA9" "es", "\"Champs-\xC3\x89lys\xC3\xA9" "es\""},
        {"line separators", "a\xE2\x80\xA8" "b\xE2\x80\xA9", R"("a\u2028b\u2029")"},
        {"invalid byte", "a\xFF" "b", R"("a\uFFFDb")"},
        {"truncated sequence", "a\xC3", R"("a\uFFFD")"},
        {"overlong slash", "\xC0\xAF", R"("\uFFFD\uFFFD")"},
        {"encoded surrogate", "\xED\xA0\x80", R"("\uFFFD\uFFFD\uFFFD")"},
        {"empty", "", R"("")"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(web::ScriptStringLiteral(c.text), c.literal) << c.name;
}

TEST(ScriptText, BodyStyleScriptQuotesItsTexts)
{
    EXPECT_EQ(web::BodyStyleScript("overflow", "hidden"), R"(document.body.style["overflow"] = "hidden";)");
    EXPECT_EQ(web::BodyStyleScript("borderStyle", "a\"b"), R"(document.body.style["borderStyle"] = "a\"b";)");
}

}  // namespace
