// The clipboard's formats and the replaceable shell open.
#include "UiFixture.h"

#include "platform/ui/Clipboard.h"
#include "platform/ui/Shell.h"

TEST_F(UiTest, ClipboardKeepsFormatsSetInOneOpeningAndReplacesOnTheNext)
{
    unsigned rtf = RegisterClipboardFormat("Rich Text Format");
    unsigned html = RegisterClipboardFormat("HTML Format");
    unsigned cells = RegisterClipboardFormat("TQuillStringGrid Cells");
    EXPECT_EQ(rtf, RegisterClipboardFormat("rich text format"));
    EXPECT_NE(rtf, html);

    Clipboard()->Open();
    Clipboard()->SetAsText("plain");
    Clipboard()->SetAsBytes(rtf, "{\\rtf1 x}");
    Clipboard()->SetAsBytes(cells, std::string("\0\1\2", 3));
    EXPECT_FALSE(Clipboard()->HasFormat(rtf)) << "nothing reaches the clipboard before Close";
    Clipboard()->Close();
    EXPECT_EQ(Clipboard()->AsText(), "plain");
    EXPECT_EQ(Clipboard()->GetAsBytes(rtf), "{\\rtf1 x}");
    EXPECT_EQ(Clipboard()->GetAsBytes(cells), std::string("\0\1\2", 3));
    EXPECT_FALSE(Clipboard()->HasFormat(html));

    // Other programs read RTF under its usual name.
    bool rtfByName = false;
    for (auto& [name, bytes] : ui::Backend().Clipboard().Contents().Items) rtfByName |= name == "text/rtf";
    EXPECT_TRUE(rtfByName);

    Clipboard()->SetAsText("second");
    EXPECT_EQ(Clipboard()->AsText(), "second");
    EXPECT_FALSE(Clipboard()->HasFormat(rtf)) << "a new value replaces the old formats";
}

TEST_F(UiTest, ShellOpenGoesToTheReplacedHandler)
{
    std::vector<std::string> opened;
    ui::SetShellOpenHandler([&](const std::string& t) {
        opened.push_back(t);
        return true;
    });
    EXPECT_GT(ShellExecute(0, "open", "http://example.invalid/page", "", "", SW_SHOWNORMAL), 32);
    EXPECT_LE(ShellExecute(0, "print", "/tmp/x.txt", "", "", SW_SHOWNORMAL), 32);
    EXPECT_EQ(opened, std::vector<std::string>{"http://example.invalid/page"});
    ui::SetShellOpenHandler(nullptr);
    EXPECT_THROW(ShellOpen("/tmp/x.txt"), EInvalidOperation) << "headless has no desktop to open with";
}
