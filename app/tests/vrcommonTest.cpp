#include "app/vrcommon.h"

#include <gtest/gtest.h>

namespace {

struct TReport {
    std::string Text, Caption;
    int ExitCode = -1;
    int Count = 0;
};

class LibraryErrorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetLibraryError();
        SetFatalErrorHandler([this](std::string_view text, std::string_view caption, std::uint16_t code) {
            Report.Text = text;
            Report.Caption = caption;
            Report.ExitCode = code;
            ++Report.Count;
        });
    }
    void TearDown() override
    {
        SetFatalErrorHandler(nullptr);
        ResetLibraryError();
    }
    TReport Report;
};

} // namespace

TEST(ErrorCodeText, NamesTheCode)
{
    const std::pair<int, const char*> cases[] = {
        {32, "Error # 32 (File sharing violation)"},
        {1250, "Error # 1250 (Network Error)"},
        {7, "Error # 7 (Undefined error)"},
        {0, ""},
        {227, "Error # 227 (Insufficient disk space )"},
        {162, "Error # 162 (File sharing violation)"},
        {1300, "Error # 1300 (File format not supported)"},
        {1301, "Error # 1301 (Undefined error)"},
    };
    for (const auto& [code, text] : cases)
        EXPECT_EQ(ErrorCodeText(static_cast<std::uint16_t>(code)), text) << code;
}

TEST_F(LibraryErrorTest, ReportsOnceWithCaptionCodeAndMessage)
{
    SetLibraryError(2, "Error reading base.csv");
    EXPECT_EQ(Report.Caption, "Program halted.");
    EXPECT_EQ(Report.Text, "Error # 2 (File not found)\r\nError reading base.csv");
    EXPECT_EQ(Report.ExitCode, 2);
    EXPECT_EQ(LibraryErrorState().LastCode, 2);

    SetLibraryError(5, "second");
    EXPECT_EQ(Report.Count, 1) << "the report runs only once";
}

TEST_F(LibraryErrorTest, CodeZeroIsNotReportedAndLongTextsAreCutWhole)
{
    SetLibraryError(0, "nothing");
    EXPECT_EQ(Report.Count, 0);

    std::string message;
    for (int i = 0; i < 200; ++i)
        message += "\xC3\xA9"; // é, two bytes each
    SetLibraryError(9, message);
    EXPECT_LE(Report.Text.size(), 255u);
    EXPECT_NE(static_cast<unsigned char>(Report.Text.back()), 0xC3) << "a character was split";
}

TEST(TrimLeftAnsi, DropsBlanksAndControlCharacters)
{
    EXPECT_EQ(TrimLeftAnsi("   38.920346"), "38.920346");
    EXPECT_EQ(TrimLeftAnsi("\t\r\n x "), "x ");
    EXPECT_EQ(TrimLeftAnsi("   "), "");
}
