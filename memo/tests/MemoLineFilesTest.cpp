// Loading and saving the memo's lines: line ends, byte-order marks, tabs, trimming, marks and soft wraps.
#include "memo/MemoLines.h"
#include "memo/tests/LinesTestMemo.h"
#include "platform/classes/Streams.h"
#include "platform/rtl/Exceptions.h"
#include "testsupport/TempFolder.h"

#include <gtest/gtest.h>

using namespace memo;

namespace {

const std::string kUtf8Bom = "\xEF\xBB\xBF";

std::string SavedToStream(TQuillMemoStrings& lines)
{
    TStringStream out;
    lines.SaveToStream(out);
    return out.DataString();
}

void LoadFromBytes(TQuillMemoStrings& lines, const std::string& bytes)
{
    TStringStream in(bytes);
    lines.LoadFromStream(in);
}

// One file in a fresh folder.
struct TempFile {
    testsupport::TempFolder Folder{"memo-lines"};
    std::string Path() const { return Folder / "lines.txt"; }
    std::string Read() const { return testsupport::ReadFile(Path()); }
    void Write(const std::string& bytes) const { testsupport::WriteFile(Path(), bytes); }
};

} // namespace

TEST(MemoLineFiles, StreamRoundTripKeepsEncodingAndMarkAndEndsLinesWithCrLf)
{
    struct Case {
        const char* name;
        std::string loaded;
        std::string saved;
    };
    const std::string utf16 = std::string("\xFF\xFE", 2) + std::string("a\0\r\0\n\0\xE9\0\r\0\n\0", 12);
    const Case cases[] = {
        {"CR LF, no mark", "one\r\ntwo\r\n", "one\r\ntwo\r\n"},
        {"CR LF, UTF-8 mark", kUtf8Bom + "one\r\n\xC3\xA9\r\n", kUtf8Bom + "one\r\n\xC3\xA9\r\n"},
        {"UTF-16 with mark", utf16, utf16},
        {"LF", "one\ntwo\n", "one\r\ntwo\r\n"},
        {"CR", "one\rtwo\r", "one\r\ntwo\r\n"},
        {"mixed, no final break", "a\r\nb\nc\rd", "a\r\nb\r\nc\r\nd\r\n"},
        {"trailing blanks kept", "a  \r\n", "a  \r\n"},
    };
    for (const Case& c : cases) {
        LinesTestMemo memo;
        LoadFromBytes(memo.Lines, c.loaded);
        EXPECT_EQ(SavedToStream(memo.Lines), c.saved) << c.name;
    }
}

TEST(MemoLineFiles, LoadingExpandsTabsAndResetsTheMemo)
{
    LinesTestMemo memo;
    memo.Lines.SetStrings(0, "old");
    memo.curX = 2;
    const int changes = memo.linesChanged;
    LoadFromBytes(memo.Lines, "a\tb\r\n\xC3\xA9\xC3\xA9\r\n");
    EXPECT_EQ(memo.Texts(), (std::vector<std::string>{"a    b", "\xC3\xA9\xC3\xA9"}));
    EXPECT_EQ(memo.maxLength, 6);
    EXPECT_EQ(memo.undoClears, 1);
    EXPECT_EQ(memo.curX, 0);
    EXPECT_EQ(memo.curY, 0);
    EXPECT_TRUE(memo.refreshing);
    EXPECT_EQ(memo.linesChanged, changes + 1);
    EXPECT_EQ(memo.wrapUpdates, 1);
    EXPECT_EQ(memo.autoFolds, 1);
    EXPECT_NE(memo.Lines.GetLineProp(1), nullptr);
    memo.Lines.Add("later");
    EXPECT_EQ(memo.linesChanged, changes + 2);
}

TEST(MemoLineFiles, UnreadableFileLeavesTheMemoAsItWas)
{
    LinesTestMemo memo;
    memo.Lines.SetStrings(0, "kept");
    EXPECT_THROW(memo.Lines.LoadFromFile("/nonexistent/memo-lines.txt"), EFOpenError);
    EXPECT_EQ(memo.Texts(), (std::vector<std::string>{"kept"}));
    EXPECT_EQ(memo.undoClears, 0);
    EXPECT_TRUE(memo.refreshing);
}

TEST(MemoLineFiles, HostileBytesLoadAsText)
{
    std::string bytes;
    for (int i = 0; i < 256; ++i)
        bytes += static_cast<char>(i);
    bytes += "\xEF\xBB";  // a cut-off mark in the middle
    LinesTestMemo memo;
    LoadFromBytes(memo.Lines, bytes);
    EXPECT_GE(memo.Lines.Count(), 3);
    ASSERT_EQ(memo.Lines.LineLengths().Count(), memo.Lines.Count());
    LoadFromBytes(memo.Lines, std::string("\xFF\xFE\x41", 3));  // odd-length UTF-16
    EXPECT_EQ(memo.Lines.LineLengths().Count(), memo.Lines.Count());
}

TEST(MemoLineFiles, FileSaveTrimsTrailingBlanksStreamSaveDoesNot)
{
    LinesTestMemo memo;
    memo.trimTrailingSpaces = false;
    memo.Lines.SetStrings(0, "a  ");
    memo.Lines.Add("b");
    EXPECT_EQ(SavedToStream(memo.Lines), "a  \r\nb\r\n");

    TempFile file;
    memo.Lines.SaveToFile(file.Path());
    EXPECT_EQ(file.Read(), "a\r\nb\r\n");
    EXPECT_EQ(memo.Lines.Strings(0), "a");
    EXPECT_EQ(memo.Lines.LineLengths().Items(0), 1);
}

TEST(MemoLineFiles, FileRoundTripKeepsTheByteOrderMark)
{
    TempFile file;
    file.Write(kUtf8Bom + "x\r\ny\r\n");
    LinesTestMemo memo;
    memo.Lines.LoadFromFile(file.Path());
    memo.Lines.SaveToFile(file.Path());
    EXPECT_EQ(file.Read(), kUtf8Bom + "x\r\ny\r\n");
}

TEST(MemoLineFiles, SavingTurnsModifiedMarksIntoSavedAndLoadingClearsThem)
{
    TempFile file;
    LinesTestMemo memo;
    memo.Lines.Add("b");
    memo.Lines.Add("c");
    SetLineModified(memo.Lines, 1, true);
    memo.Lines.SaveToFile(file.Path());
    EXPECT_EQ(LineModifiedInt(memo.Lines, 0), lmUnmodified);
    EXPECT_EQ(LineModifiedInt(memo.Lines, 1), lmSaved);

    SetLineModified(memo.Lines, 2, true);
    EXPECT_EQ(LineModifiedInt(memo.Lines, 2), lmModified);
    SavedToStream(memo.Lines);
    EXPECT_EQ(LineModifiedInt(memo.Lines, 2), lmSaved);

    memo.Lines.LoadFromFile(file.Path());
    for (int i = 0; i < memo.Lines.Count(); ++i)
        EXPECT_EQ(LineModifiedInt(memo.Lines, i), lmUnmodified);
}

TEST(MemoLineFiles, SavingJoinsSoftWrappedLinesAndWrapsThemAgain)
{
    LinesTestMemo memo;
    memo.Lines.SetStrings(0, "long line ");
    memo.Lines.Add("wrapped");
    memo.Lines.Add("next");
    SetLineWrapped(memo.Lines, 1, true);
    SetBreakPoint(memo.Lines, 2, true);
    memo.softWrap = true;

    EXPECT_EQ(SavedToStream(memo.Lines), "long line wrapped\r\nnext\r\n");
    TempFile file;
    memo.Lines.SaveToFile(file.Path());
    EXPECT_EQ(file.Read(), "long line wrapped\r\nnext\r\n");

    EXPECT_EQ(memo.Texts(), (std::vector<std::string>{"long line ", "wrapped", "next"}));
    EXPECT_TRUE(IsLineWrapped(memo.Lines, 1));
    EXPECT_TRUE(BreakPoint(memo.Lines, 2));
}

TEST(MemoLineFiles, ListWithoutMemoLoadsAndSavesPlainly)
{
    TQuillMemoStrings lines;
    LoadFromBytes(lines, "a\tb\r\nc");
    EXPECT_EQ(lines.Strings(0), "a\tb");
    EXPECT_EQ(lines.LineLengths().Count(), 2);
    EXPECT_EQ(SavedToStream(lines), "a\tb\r\nc\r\n");
}
