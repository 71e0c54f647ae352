// The tokenizer's runs for a table of HTML and code snippets under the HTML styler.
#include <gtest/gtest.h>

#include "memo/MemoText.h"
#include "memo/MemoTokenizer.h"
#include "memo/QuillMemo.h"
#include "memo/QuillmWS.h"

namespace {

// One run as text: its kind letter and its characters. C comment, S span,
// Y symbol, N number, K keyword (with its style index), U URL, P plain.
std::string Describe(const TStyle& q)
{
    if (q.isURL) return "U";
    if (q.isComment) return "C";
    if (q.isnumber) return "N";
    if (q.iskeyWord) return "K" + std::to_string(q.index);
    if (q.isdelimiter) return "Y";
    if (q.isBracket) return "S";
    return "P";
}

struct Recorder : memo::TRunSink {
    std::string out;
    void Run(std::u32string_view text, const TStyle& q) override
    {
        out += (out.empty() ? "" : " ") + Describe(q) + "[" + memo::ToUtf8(text) + "]";
    }
};

std::string Tokens(const TQuillHTMLMemoStyler& styler, std::string_view line, TStyle& state, bool caseSensitive = false)
{
    memo::TTokenRules rules(&styler, caseSensitive, true);
    memo::TLineTokenizer tokenizer(rules);
    Recorder r;
    tokenizer.Tokenize(memo::ToU32(line), state, &r);
    return r.out;
}

// The keyword lists as a memo leaves them when it takes the styler with CaseSensitive off.
void LowerKeywords(TQuillHTMLMemoStyler& styler)
{
    for (int i = 0; i < styler.AllStyles().Count(); ++i) {
        TStringList& words = styler.AllStyles().Items(i)->KeyWords();
        for (int k = 0; k < words.Count(); ++k) words.SetStrings(k, AnsiLowerCase(words.Strings(k)));
    }
}

} // namespace

TEST(MemoTokenizer, HtmlStylerHasItsTables)
{
    TQuillHTMLMemoStyler styler(nullptr);
    ASSERT_EQ(styler.AllStyles().Count(), 6);
    EXPECT_EQ(styler.AllStyles().Items(0)->KeyWords().Count(), 107);
    EXPECT_EQ(styler.AllStyles().Items(1)->KeyWords().Count(), 10);
    EXPECT_EQ(styler.AllStyles().Items(2)->KeyWords().Count(), 2);
    EXPECT_EQ(styler.AllStyles().Items(5)->Symbols().size(), 20u);
    EXPECT_EQ(styler.Version(), "1.0");
    EXPECT_TRUE(styler.AllStyles().IsWordBoundary(U'"'));
    EXPECT_FALSE(styler.AllStyles().IsWordBoundary(U'q'));
}

TEST(MemoTokenizer, TableOfSnippets)
{
    TQuillHTMLMemoStyler styler(nullptr);
    LowerKeywords(styler);
    const struct {
        const char* line;
        const char* tokens;
    } rows[] = {
        {"<body>", "Y[<] K0[body] Y[>]"},
        {"<A HREF=\"x.htm\">", "Y[<] K2[A] Y[ ] K2[HREF] Y[=] S[\"x.htm\"] Y[>]"},
        {"<td>", "Y[<] K1[td] Y[>]"},
        {"1.2.3", "N[1] Y[.] N[2.3]"},
        {"12abc", "N[12] P[abc]"},
        {"xBODY BODY", "P[xBODY] Y[ ] K0[BODY]"},
        {"&lt;", "K0[&lt] Y[;]"},
        {"x <!-- c --> y", "P[x] Y[ ] C[<!-- c -->] Y[ ] P[y]"},
        {"word // rest", "P[word] Y[ ] C[// rest]"},
        {"see http://x.org//y", "P[see] Y[ ] U[http://x.org//y]"},
        {"<blockquote>", "Y[<] P[blockquote] Y[>]"},
        {"caf\xC3\xA9 <b>", "P[caf\xC3\xA9] Y[ <] K0[b] Y[>]"},
    };
    for (const auto& row : rows) {
        TStyle state = memo::ClearedStyle();
        EXPECT_EQ(Tokens(styler, row.line, state), row.tokens) << row.line;
    }
}

TEST(MemoTokenizer, StatesCarryOverLines)
{
    TQuillHTMLMemoStyler styler(nullptr);
    LowerKeywords(styler);
    TStyle state = memo::ClearedStyle();
    EXPECT_EQ(Tokens(styler, "x <!-- open", state), "P[x] Y[ ] C[<!-- open]");
    EXPECT_TRUE(state.isComment);
    EXPECT_EQ(Tokens(styler, "end --> text", state), "C[end -->] Y[ ] P[text]");
    EXPECT_FALSE(state.isComment);

    state = memo::ClearedStyle();
    Tokens(styler, "say \"unclosed", state);
    EXPECT_TRUE(state.isBracket);
    EXPECT_EQ(Tokens(styler, "more\" after", state), "S[more\"] Y[ ] P[after]");

    state = memo::ClearedStyle();
    Tokens(styler, "a // line comment", state);
    EXPECT_FALSE(state.isComment) << "a line comment ends with its line";
    EXPECT_FALSE(state.iskeyWord || state.isURL || state.isnumber || state.isdelimiter);
}

TEST(MemoTokenizer, CaseSensitiveKeywordsMatchOnlyAsStored)
{
    TQuillHTMLMemoStyler styler(nullptr);
    TStyle state = memo::ClearedStyle();
    EXPECT_EQ(Tokens(styler, "<BODY>", state, true), "Y[<] K0[BODY] Y[>]");
    EXPECT_EQ(Tokens(styler, "<body>", state, true), "Y[<] P[body] Y[>]");
}

TEST(MemoTokenizer, MegabyteLineIsOneLinearPass)
{
    TQuillHTMLMemoStyler styler(nullptr);
    std::string line;
    while (line.size() < (1u << 20)) line += "<td class=\"x\">text &lt; 12</td>";
    TStyle state = memo::ClearedStyle();
    memo::TTokenRules rules(&styler, false, true);
    memo::TLineTokenizer tokenizer(rules);
    Recorder r;
    tokenizer.Tokenize(memo::ToU32(line), state, &r);
    EXPECT_GT(r.out.size(), line.size());
}

TEST(MemoStylers, OwnersStylersAreListedAndFreedStylersForgotten)
{
    TComponent owner(nullptr);
    auto* styler = new TQuillHTMLMemoStyler(&owner);
    auto* memo = new TQuillMemo(&owner);
    EXPECT_EQ(memo->StylerList().StylerList().IndexOf(styler), 0);
    memo->SetSyntaxStyles(styler);
    EXPECT_EQ(styler->AllStyles().FOwner, memo);
    EXPECT_EQ(styler->AllStyles().Items(0)->KeyWords().Strings(0), "&lt") << "keywords are lower-cased and sorted";
    delete styler;
    EXPECT_EQ(memo->SyntaxStyles(), nullptr);
    EXPECT_FALSE(memo->UseStyler() && memo->ActiveStyler());
}

TEST(MemoStylers, RegionDefinitionsTrimAndAssignWithoutShowComments)
{
    TRegionDefinitions defs(nullptr);
    TRegionDefinition* a = defs.Add();
    a->SetIdentifier("  begin \t");
    a->SetShowComments(true);
    EXPECT_EQ(a->Identifier(), "begin");
    TRegionDefinition* b = defs.Add();
    b->Assign(a);
    EXPECT_EQ(b->Identifier(), "begin");
    EXPECT_FALSE(b->ShowComments());
}
