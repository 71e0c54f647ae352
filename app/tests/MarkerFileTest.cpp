// Marker files: reading (encodings, line ends, bad fields), writing, the round trip, icons and titles.
#include "app/MarkerFile.h"

#include "testsupport/TempFolder.h"
#include "map/UGeolith.h"
#include "map/UGeolithMarkers.h"
#include "platform/rtl/Exceptions.h"
#include "platform/web/RecordingEngine.h"
#include "platform/web/WebBrowser.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <csignal>
#include <sys/resource.h>

using testsupport::ReadFile;
using testsupport::TempFolder;
using testsupport::WriteFile;

namespace {

class MarkerFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved = TWebBrowser::SetEngineFactory(
            [](int w, int h) { return std::make_unique<web::RecordingEngine>(w, h); });
        geolith = std::make_unique<TGeolith>(nullptr);
    }
    void TearDown() override
    {
        geolith.reset();
        TWebBrowser::SetEngineFactory(saved);
    }

    TMarkers& Markers() { return *geolith->Markers(); }

    // Loads FileName's lines into the collection.
    void Load(const std::string& fileName, const std::string& folder = "/icons/")
    {
        const auto lines = app::ParseMarkerLines(app::ReadMarkerFileLines(fileName), folder);
        app::AddMarkers(lines, 0, lines.size(), Markers());
    }

    TempFolder dir{"markers"};
    TWebBrowser::EngineFactory saved;
    std::unique_ptr<TGeolith> geolith;
};

TEST(PrepareIconStringTest, AddsTheSchemeOnlyWhenMissingAndTurnsBackslashes)
{
    EXPECT_EQ(app::PrepareIconString("c:\\vistra\\rc.png"), "file://c:/vistra/rc.png");
    EXPECT_EQ(app::PrepareIconString("/home/u/rc.png"), "file:///home/u/rc.png");
    EXPECT_EQ(app::PrepareIconString("http://host\\a.png"), "http://host/a.png");
}

TEST(CutMarkerFieldsTest, TenFieldsThenTheRestStays)
{
    std::string line = "a;1;2;i;-1;-1;-1;0;-1;3;extra;";
    auto f = app::CutMarkerFields(line);
    EXPECT_EQ(f[0], "a");
    EXPECT_EQ(f[9], "3");
    EXPECT_EQ(line, "extra;");

    std::string shortLine = "a;1;2;i;-1;-1;-1;0;-1;3";
    f = app::CutMarkerFields(shortLine);
    EXPECT_EQ(f[8], "-1");
    EXPECT_EQ(f[9], "");
    EXPECT_EQ(shortLine, "3");
}

TEST_F(MarkerFileTest, ReadsEveryLineEndAndEncodingIntoMarkers)
{
    struct Case {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"crlf", "A;38.92;-94.85;rc.png;-1;-1;-1;0;-1;3;\r\nB;1.5;2.5;;0;-1;0;-1;0;0;\r\n"},
        {"lf-no-final-break", "A;38.92;-94.85;rc.png;-1;-1;-1;0;-1;3;\nB;1.5;2.5;;0;-1;0;-1;0;0;"},
        {"utf8-bom", "\xEF\xBB\xBF" "A;38.92;-94.85;rc.png;-1;-1;-1;0;-1;3;\r\nB;1.5;2.5;;0;-1;0;-1;0;0;\r\n"},
        {"utf16-bom", std::string("\xFF\xFE", 2)},
    };
    // The UTF-16 case holds the same text, two bytes a character.
    for (char c : std::string("A;38.92;-94.85;rc.png;-1;-1;-1;0;-1;3;\r\nB;1.5;2.5;;0;-1;0;-1;0;0;\r\n"))
        cases[3].bytes += std::string{c, '\0'};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Markers().Clear();
        WriteFile(dir / "m.csv", c.bytes);
        Load(dir / "m.csv");
        ASSERT_EQ(Markers().Count(), 2);
        const TMarker& a = *Markers().Items(0);
        EXPECT_EQ(a.Title(), "A");
        EXPECT_DOUBLE_EQ(a.Latitude(), 38.92);
        EXPECT_DOUBLE_EQ(a.Longitude(), -94.85);
        EXPECT_EQ(a.Icon(), "file:///icons/rc.png");
        EXPECT_TRUE(a.Draggable());
        EXPECT_FALSE(a.Flat());
        EXPECT_TRUE(a.InitialDropAnimation());
        EXPECT_EQ(a.Zindex(), 3);
        const TMarker& b = *Markers().Items(1);
        EXPECT_EQ(b.Icon(), "");
        EXPECT_FALSE(b.Draggable());
        EXPECT_FALSE(b.Clickable());
        EXPECT_TRUE(b.Flat());
    }
}

TEST_F(MarkerFileTest, ABadLineRefusesTheWholeFileNamingLineAndField)
{
    struct Case {
        const char* name;
        const char* secondLine;
        const char* fieldInMessage;
    } cases[] = {
        {"bad latitude", "B;north;2;;-1;-1;-1;0;-1;0;", "Latitude"},
        {"comma decimal", "B;1,5;2;;-1;-1;-1;0;-1;0;", "Latitude"},
        {"bad boolean", "B;1;2;;yes;-1;-1;0;-1;0;", "Draggable"},
        {"empty line", "", "Draggable"},
        {"no final semicolon", "B;1;2;;-1;-1;-1;0;-1;0", "zIndex"},
        {"not a number", "B;NaN;2;;-1;-1;-1;0;-1;0;", "Latitude"},
        {"infinite", "B;1;INF;;-1;-1;-1;0;-1;0;", "Longitude"},
        {"negative infinite", "B;-Infinity;2;;-1;-1;-1;0;-1;0;", "Latitude"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Markers().Clear();
        Markers().Add(5, 6, "Before");
        WriteFile(dir / "bad.csv", std::string("A;1;2;;-1;-1;-1;0;-1;0;\r\n") + c.secondLine + "\r\nC;1;2;;-1;-1;-1;0;-1;0;\r\n");
        try {
            Load(dir / "bad.csv");
            ADD_FAILURE() << "no error";
        } catch (const EConvertError& e) {
            EXPECT_NE(e.Message().find("line 2"), std::string::npos) << e.Message();
            EXPECT_NE(e.Message().find(c.fieldInMessage), std::string::npos) << e.Message();
        }
        // Nothing of the file was added.
        ASSERT_EQ(Markers().Count(), 1);
        EXPECT_EQ(Markers().Items(0)->Title(), "Before");
    }
}

TEST_F(MarkerFileTest, MissingFileRaisesOpenError)
{
    EXPECT_THROW(app::ReadMarkerFileLines(dir / "missing.csv"), EFOpenError);
}

TEST_F(MarkerFileTest, WritesTenFieldsPerMarkerWithCrLf)
{
    Markers().Add(38.92, -94.85, "A", "file://c:/vistra/rc.png", true, true, true, false, false, 3);
    Markers().Add(38.92, -94.85, "B", "file://c:/vistra/rc.png", true, true, true, false, false, 0);
    app::WriteMarkerFile(dir / "out.csv", Markers(), "/icons/");
    EXPECT_EQ(ReadFile(dir / "out.csv"),
              "A;38.92;-94.85;file://c:/vistra/rc.png;-1;-1;-1;0;0;3;\r\n"
              "B;38.92;-94.85;file://c:/vistra/rc.png;-1;-1;-1;0;0;0;\r\n");

    Markers().Clear();
    app::WriteMarkerFile(dir / "empty.csv", Markers(), "/icons/");
    EXPECT_EQ(ReadFile(dir / "empty.csv"), "");
    EXPECT_THROW(app::WriteMarkerFile(dir / "no-such-folder/x.csv", Markers(), "/icons/"), EFCreateError);
}

TEST_F(MarkerFileTest, AFailedSaveLeavesTheOldFileWhole)
{
    WriteFile(dir / "kept.csv", "Old;1;2;;-1;-1;-1;0;-1;0;\r\n");
    Markers().Add(3, 4, "New");
    // A folder where the new file's text would go can't be renamed over by a file.
    std::filesystem::create_directory(dir / "folder.csv");
    EXPECT_THROW(app::WriteMarkerFile(dir / "folder.csv", Markers(), "/icons/"), EFCreateError);
    // A write that fails half-way (the disk full, here a file-size limit)
    // leaves the old file whole, and no temporary file behind.
    {
        rlimit saved{};
        ::getrlimit(RLIMIT_FSIZE, &saved);
        const auto savedSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 8;
        ::setrlimit(RLIMIT_FSIZE, &small);
        EXPECT_THROW(app::WriteMarkerFile(dir / "kept.csv", Markers(), "/icons/"), EFCreateError);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, savedSignal);
    }
    EXPECT_EQ(ReadFile(dir / "kept.csv"), "Old;1;2;;-1;-1;-1;0;-1;0;\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 2);

    app::WriteMarkerFile(dir / "kept.csv", Markers(), "/icons/");
    EXPECT_EQ(ReadFile(dir / "kept.csv"), "New;3;4;;0;-1;-1;0;0;0;\r\n");
    // A link to the file stays a link, to the new text.
    std::filesystem::create_symlink(dir / "kept.csv", dir / "link.csv");
    Markers().Add(5, 6, "Newer");
    app::WriteMarkerFile(dir / "link.csv", Markers(), "/icons/");
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.csv"));
    EXPECT_NE(ReadFile(dir / "kept.csv").find("Newer"), std::string::npos);
}

TEST_F(MarkerFileTest, IconsGivenByNameAreSavedByName)
{
    WriteFile(dir / "in.csv", "A;1;2;rc.png;-1;-1;-1;0;-1;0;\r\nB;1;2;sub\\pin.png;-1;-1;-1;0;-1;0;\r\n"
                             "C;1;2;http://host/x.png;-1;-1;-1;0;-1;0;\r\n");
    Load(dir / "in.csv", "/home/u/Files/MarkerFiles/");
    EXPECT_EQ(Markers().Items(0)->Icon(), "file:///home/u/Files/MarkerFiles/rc.png");
    app::WriteMarkerFile(dir / "out.csv", Markers(), "/home/u/Files/MarkerFiles/");
    EXPECT_EQ(ReadFile(dir / "out.csv"), "A;1;2;rc.png;-1;-1;-1;0;-1;0;\r\nB;1;2;sub/pin.png;-1;-1;-1;0;-1;0;\r\n"
                                        "C;1;2;http://host/x.png;-1;-1;-1;0;-1;0;\r\n");
    // The folder in the setting's own spelling, with backslashes, names the same icons.
    EXPECT_EQ(app::IconFieldText("file://c:/vistra/rc.png", "c:\\vistra\\"), "rc.png");
    EXPECT_EQ(app::IconFieldText("file://c:/other/rc.png", "c:\\vistra\\"), "file://c:/other/rc.png");
    EXPECT_EQ(app::IconFieldText("file:///usr/pin.png", ""), "file:///usr/pin.png");
}

TEST_F(MarkerFileTest, AwkwardTitlesAndIconsSurviveASaveAndALoad)
{
    const std::vector<std::pair<std::string, std::string>> markers = {
        {"Smith; Sons", "file:///home/u/icons/rc.png"},
        {"two\r\nlines\nand\rmore", "http://example.com/pin.png"},
        {"50% off, 100%3B literally, %25 too", ""},
        {"quote \" and <b>tag</b>", "file://c:/vistra/rc.png"},
        {"", "file:///icons/rc.png"},
        {"icon with ;", "file:///home/u/a;b%3B.png"},
        {"icon by name with ;", "file:///some/other/folder/x;y.png"},
    };
    for (const auto& [title, icon] : markers)
        Markers().Add(-33.8675, 151.2070125, title, icon, false, true, false, true, true, -4);
    app::WriteMarkerFile(dir / "round.csv", Markers(), "/some/other/folder/");
    // Every marker stays on one line of ten fields.
    const std::string text = ReadFile(dir / "round.csv");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 7);
    EXPECT_EQ(std::count(text.begin(), text.end(), ';'), 70);
    EXPECT_NE(text.find("50% off"), std::string::npos) << "an ordinary % is left readable";

    Markers().Clear();
    Load(dir / "round.csv", "/some/other/folder/");
    ASSERT_EQ(Markers().Count(), 7);
    for (int i = 0; i < 7; ++i) {
        const TMarker& m = *Markers().Items(i);
        EXPECT_EQ(m.Title(), markers[i].first);
        EXPECT_EQ(m.Icon(), markers[i].second);
        EXPECT_DOUBLE_EQ(m.Latitude(), -33.8675);
        EXPECT_DOUBLE_EQ(m.Longitude(), 151.2070125);
        EXPECT_FALSE(m.Draggable());
        EXPECT_TRUE(m.Flat());
        EXPECT_EQ(m.Zindex(), -4);
    }
}

TEST(MarkerTitleTest, FilesWithoutEscapesReadAsBefore)
{
    for (const char* title : {"Main Street", "50% off", "%41", "100 %"})
        EXPECT_EQ(app::DecodeMarkerField(title), title);
    EXPECT_EQ(app::DecodeMarkerField("a%3bb%0d%0A"), "a;b\r\n");
}

}  // namespace
