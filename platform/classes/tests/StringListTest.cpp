#include "platform/classes/StringList.h"

#include "platform/classes/Streams.h"
#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

Lines LinesOf(const TStrings& s)
{
    Lines out;
    for (int i = 0; i < s.Count(); ++i)
        out.push_back(s.Strings(i));
    return out;
}

void Fill(TStrings& s, const Lines& lines)
{
    s.Clear();
    for (const auto& l : lines)
        s.Add(l);
}

std::string Saved(const TStrings& s)
{
    TStringStream out;
    s.SaveToStream(out);
    return out.DataString();
}

} // namespace

TEST(StringList, FileWithUtf8BomAndMixedLineEndsKeepsItsBom)
{
    const std::string path = testing::TempDir() + "mixed-ends.txt";
    {
        TFileStream f(path, fmCreate);
        f.WriteString("\xEF\xBB\xBF" "one\r\ntwo\rthree\nfour\r\n\r\nsix");
    }
    TStringList list;
    list.LoadFromFile(path);
    EXPECT_EQ(LinesOf(list), (Lines{"one", "two", "three", "four", "", "six"}));
    EXPECT_EQ(list.Encoding(), TEncoding::UTF8);
    EXPECT_TRUE(list.WriteBOM());

    list.SaveToFile(path);
    TMemoryStream back;
    back.LoadFromFile(path);
    EXPECT_EQ(std::string(back.Bytes().begin(), back.Bytes().end()),
              "\xEF\xBB\xBF" "one\r\ntwo\r\nthree\r\nfour\r\n\r\nsix\r\n");
}

TEST(StringList, EncodingIsDetectedAndWrittenBack)
{
    struct Case {
        const char* name;
        std::string bytes;
        Lines lines;
        TEncoding encoding;
        std::string saved;
    };
    const std::vector<Case> cases = {
        {"UTF-16 LE", std::string("\xFF\xFE" "a\0\xE9\0\r\0\n\0b\0", 12), {"a\xC3\xA9", "b"}, TEncoding::Unicode,
         std::string("\xFF\xFE" "a\0\xE9\0\r\0\n\0b\0\r\0\n\0", 16)},
        {"UTF-16 BE", std::string("\xFE\xFF\0a\0\n\0b", 8), {"a", "b"}, TEncoding::BigEndianUnicode,
         std::string("\xFE\xFF\0a\0\r\0\n\0b\0\r\0\n", 14)},
        {"UTF-8 without mark", "gr\xC3\xBC\xC3\x9F\n", {"gr\xC3\xBC\xC3\x9F"}, TEncoding::UTF8, "gr\xC3\xBC\xC3\x9F\r\n"},
        {"Latin-1", "caf\xE9\r\nna\xEFve", {"caf\xC3\xA9", "na\xC3\xAFve"}, TEncoding::ANSI, "caf\xE9\r\nna\xEFve\r\n"},
        // One stray byte costs its own character only; the rest stays UTF-8.
        {"UTF-8 with one Latin-1 byte", "gr\xC3\xBC\xC3\x9F\r\nna\xEFve \xE2\x82\xAC\xEF\xBF\xBD",
         {"gr\xC3\xBC\xC3\x9F", "na\xC3\xAFve \xE2\x82\xAC\xEF\xBF\xBD"}, TEncoding::UTF8,
         "gr\xC3\xBC\xC3\x9F\r\nna\xC3\xAFve \xE2\x82\xAC\xEF\xBF\xBD\r\n"},
        {"a torn UTF-8 sequence at the end", "ok \xC3\xBC \xE2\x82", {"ok \xC3\xBC \xC3\xA2\xC2\x82"}, TEncoding::UTF8,
         "ok \xC3\xBC \xC3\xA2\xC2\x82\r\n"},
        {"UTF-16 with a torn last unit", std::string("\xFF\xFE" "a\0b", 5), {"a\xEF\xBF\xBD"}, TEncoding::Unicode,
         std::string("\xFF\xFE" "a\0\xFD\xFF\r\0\n\0", 10)},
        {"empty", "", {}, TEncoding::UTF8, ""},
    };
    for (const auto& c : cases) {
        TStringStream in(c.bytes);
        TStringList list;
        list.LoadFromStream(in);
        EXPECT_EQ(LinesOf(list), c.lines) << c.name;
        EXPECT_EQ(list.Encoding(), c.encoding) << c.name;
        EXPECT_EQ(Saved(list), c.saved) << c.name;
    }
}

TEST(StringList, AnsiTextThatLatin1CannotHoldIsSavedAsUtf8)
{
    TStringStream in("caf\xE9");
    TStringList list;
    list.LoadFromStream(in);
    list.Add("\xE2\x82\xAC 5"); // the euro sign has no Latin-1 byte
    EXPECT_EQ(Saved(list), "\xEF\xBB\xBF" "caf\xC3\xA9\r\n\xE2\x82\xAC 5\r\n");

    TStringStream explicitUtf16;
    list.SaveToStream(explicitUtf16, TEncoding::Unicode);
    explicitUtf16.SetPosition(0);
    TStringList back;
    back.LoadFromStream(explicitUtf16);
    EXPECT_TRUE(back.Equals(list));
}

TEST(StringList, CommaTextReadsQuotesBlanksAndEmptyItems)
{
    const std::vector<std::pair<std::string, Lines>> cases = {
        {"a,b c", {"a", "b", "c"}},
        {"  a ,  b  ", {"a", "b"}},
        {R"("a b","c""d",e)", {"a b", "c\"d", "e"}},
        {R"("x,y"z,w)", {"x,y", "z", "w"}},
        {"a,", {"a", ""}},
        {",a", {"", "a"}},
        {"a,,b", {"a", "", "b"}},
        {R"("")", {""}},
        {R"("unclosed, still one)", {"unclosed, still one"}},
        {"", {}},
        {std::string("a\0b", 3), {"a", "b"}},
    };
    TStringList list;
    for (const auto& [text, lines] : cases) {
        list.SetCommaText(text);
        EXPECT_EQ(LinesOf(list), lines) << text;
    }
}

TEST(StringList, CommaTextAndDelimitedTextWriteQuotesOnlyWhereNeeded)
{
    TStringList list;
    Fill(list, {"plain", "two words", "say \"hi\"", "a,b", "", "tab\there"});
    EXPECT_EQ(list.CommaText(), "plain,\"two words\",\"say \"\"hi\"\"\",\"a,b\",,\"tab\there\"");
    Fill(list, {""});
    EXPECT_EQ(list.CommaText(), "\"\"");

    list.SetDelimiter(';');
    list.SetQuoteChar('\'');
    list.SetStrictDelimiter(true);
    Fill(list, {"two words", "a;b", "it's"});
    EXPECT_EQ(list.DelimitedText(), "two words;'a;b';'it''s'");
    list.SetDelimitedText(" x y ;'p;q'");
    EXPECT_EQ(LinesOf(list), (Lines{" x y ", "p;q"}));
    // CommaText keeps its own delimiter and quote whatever the list's are.
    list.SetCommaText("m n");
    EXPECT_EQ(LinesOf(list), (Lines{"m", "n"}));
    EXPECT_EQ(list.Delimiter(), ';');

    // Every text written reads back to the same lines.
    Fill(list, {"", " lead", "x\"y", "a;b,c", "'"});
    TStringList back;
    back.SetCommaText(list.CommaText());
    EXPECT_TRUE(back.Equals(list));
    back.SetDelimiter(';');
    back.SetQuoteChar('\'');
    back.SetStrictDelimiter(true);
    back.SetDelimitedText(list.DelimitedText());
    EXPECT_TRUE(back.Equals(list));
}

TEST(StringList, TextSplitsAtEveryLineEnd)
{
    TStringList list;
    list.SetText("a\r\n\r\nb\nc\r");
    EXPECT_EQ(LinesOf(list), (Lines{"a", "", "b", "c"}));
    EXPECT_EQ(list.Text(), "a\r\n\r\nb\r\nc\r\n");
    list.SetText("\n");
    EXPECT_EQ(LinesOf(list), (Lines{""}));
}

TEST(StringList, SortedListsFollowDuplicatesAndRefusePositionalEdits)
{
    TStringList list;
    Fill(list, {"pear", "Apple", "fig"});
    list.SetSorted(true);
    EXPECT_EQ(LinesOf(list), (Lines{"Apple", "fig", "pear"}));
    EXPECT_EQ(list.Add("APPLE"), 0); // dupIgnore: the existing index
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.IndexOf("PEAR"), 2);
    int at = -1;
    EXPECT_FALSE(list.Find("grape", at));
    EXPECT_EQ(at, 2);

    list.SetDuplicates(dupError);
    EXPECT_THROW(list.Add("fig"), EStringListError);
    list.SetDuplicates(dupAccept);
    list.Add("fig");
    EXPECT_EQ(LinesOf(list), (Lines{"Apple", "fig", "fig", "pear"}));
    EXPECT_TRUE(list.Find("FIG", at));
    EXPECT_EQ(at, 1);

    EXPECT_THROW(list.Insert(0, "x"), EStringListError);
    EXPECT_THROW(list.SetStrings(0, "x"), EStringListError);
    EXPECT_THROW(list.Exchange(0, 1), EStringListError);

    list.SetCaseSensitive(true);
    EXPECT_EQ(list.IndexOf("apple"), -1);
    list.SetSorted(false);
    list.Add("apple");
    EXPECT_EQ(list.IndexOf("apple"), 4);
}

TEST(StringList, CustomSortAndIndexErrors)
{
    TStringList list;
    Fill(list, {"ccc", "a", "bb"});
    list.CustomSort([](TStringList* l, int i, int j) {
        return static_cast<int>(l->Strings(i).size()) - static_cast<int>(l->Strings(j).size());
    });
    EXPECT_EQ(LinesOf(list), (Lines{"a", "bb", "ccc"}));
    list.Move(0, 2);
    list.Exchange(0, 1);
    EXPECT_EQ(LinesOf(list), (Lines{"ccc", "bb", "a"}));
    try {
        list.Strings(3);
        FAIL();
    } catch (const EStringListError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (3)");
    }
    EXPECT_THROW(list.Delete(-1), EStringListError);
    EXPECT_THROW(list.Insert(4, "x"), EStringListError);
}

TEST(StringList, NamesAndValues)
{
    TStringList list;
    Fill(list, {"Width=10", "no separator", "Empty=", "k=a=b"});
    EXPECT_EQ(list.Values("WIDTH"), "10");
    EXPECT_EQ(list.Values("k"), "a=b");
    EXPECT_EQ(list.Names(1), "");
    EXPECT_EQ(list.ValueFromIndex(1), ""); // a line without a separator has no value
    EXPECT_EQ(list.IndexOfName("empty"), 2);

    list.SetValues("Width", "20");
    list.SetValues("Height", "5");
    list.SetValues("k", "");
    EXPECT_EQ(LinesOf(list), (Lines{"Width=20", "no separator", "Empty=", "Height=5"}));
    list.SetValueFromIndex(0, "30");
    EXPECT_EQ(list.Strings(0), "Width=30");

    list.SetNameValueSeparator(':');
    list.SetValues("Host", "x");
    EXPECT_EQ(list.Strings(4), "Host:x");
}

TEST(StringList, ChangeEventsAreBracketedByUpdates)
{
    TStringList list;
    std::vector<std::string> log;
    list.OnChanging = [&](TObject*) { log.push_back("changing"); };
    list.OnChange = [&](TObject*) { log.push_back("change"); };
    list.Add("a");
    list.BeginUpdate();
    list.BeginUpdate();
    list.Add("b");
    list.Delete(0);
    list.EndUpdate();
    list.EndUpdate();
    list.SetText("x\ny"); // one bracket for the whole text
    EXPECT_EQ(log, (Lines{"changing", "change", "changing", "change", "changing", "change"}));
}

TEST(StringList, ObjectsAreFreedOnlyWhenOwned)
{
    static int alive = 0;
    struct Counted : TObject {
        Counted() { ++alive; }
        ~Counted() override { --alive; }
    };
    {
        TStringList owning(true);
        owning.SetSorted(true);
        auto* first = new Counted;
        owning.AddObject("a", first);
        auto* dup = new Counted;
        owning.AddObject("A", dup); // ignored duplicate: the first object stays
        EXPECT_EQ(owning.Objects(0), first);
        delete dup;
        owning.AddObject("b", new Counted);
        owning.Delete(1);
        EXPECT_EQ(alive, 1);

        TStringList copy;
        copy.Assign(&owning);
        EXPECT_EQ(copy.Objects(0), first); // copies refer, they do not own
    }
    EXPECT_EQ(alive, 0);
}
