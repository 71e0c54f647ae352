// The grid's cells through the desktop clipboard: one process copies and
// keeps serving the clipboard, another pastes into its own grid, as between
// two programs.
#include "grid/QuillGrid.h"
#include "grid/base/NavigationSettings.h"
#include "platform/backend/Backends.h"
#include "platform/graphics/Colors.h"
#include "platform/ui/Application.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Forms.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

// A grid on a form of the display's backend, copying and pasting every form of the clipboard.
struct TDesktopGrid {
    std::unique_ptr<TForm> Form;
    TQuillStringGrid* Grid = nullptr;

    TDesktopGrid()
    {
        ui::SetBackend(backend::CreateGtkBackend());
        Form = std::make_unique<TForm>(nullptr);
        Grid = new TQuillStringGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetFixedCols(0);
        Grid->SetFixedRows(0);
        Grid->SetColCount(3);
        Grid->SetRowCount(3);
        TGridOptions options = Grid->Options();
        options.Include(goEditing);
        Grid->SetOptions(options);
        Grid->Navigation().SetAllowFmtClipboard(true);
        Grid->Navigation().SetAllowRTFClipboard(true);
    }
};

// The copying process: copies, says so on Ready, and serves the clipboard
// until the other end of Ready closes or twenty seconds have passed.
[[noreturn]] void CopyAndServe(int Ready)
{
    TDesktopGrid desktop;
    desktop.Grid->SetCells(0, 0, "{\\rtf1 caf\\'e9}");
    desktop.Grid->SetCells(1, 0, "two\r\nlines");
    desktop.Grid->SetColors(1, 0, clRed);
    desktop.Grid->SetSelection({0, 0, 1, 0});
    desktop.Grid->CopySelectionToClipboard();
    if (write(Ready, "ready\n", 6) != 6) std::_Exit(1);
    pollfd closed{Ready, POLLHUP, 0};
    for (int tick = 0; tick < 2000; ++tick) {
        Application->ProcessMessages();
        if (poll(&closed, 1, 10) > 0) break;
    }
    std::_Exit(0);
}

} // namespace

TEST(GridClipboardXTest, CellsCopiedInOneProgramPasteIntoAnother)
{
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no display";
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    const pid_t copier = fork();
    ASSERT_GE(copier, 0);
    if (copier == 0) {
        close(pipeEnds[0]);
        CopyAndServe(pipeEnds[1]);
    }
    close(pipeEnds[1]);
    pollfd ready{pipeEnds[0], POLLIN, 0};
    char said[6] = {};
    ASSERT_GT(poll(&ready, 1, 20000), 0) << "the copying program never got ready";
    ASSERT_EQ(read(pipeEnds[0], said, sizeof said), 6);

    TDesktopGrid desktop;
    const unsigned rtf = RegisterClipboardFormat("Rich Text Format");
    EXPECT_EQ(Clipboard()->GetAsBytes(rtf), std::optional<std::string>("{\\rtf1 caf\\'e9}"))
        << "other programs read the rich text as the 8-bit text it is";
    desktop.Grid->SetSelection({1, 1, 1, 1});
    desktop.Grid->PasteSelectionFromClipboard();
    EXPECT_EQ(desktop.Grid->Cells(1, 1), "{\\rtf1 caf\\'e9}");
    EXPECT_EQ(desktop.Grid->Cells(2, 1), "two\r\nlines");
    EXPECT_EQ(desktop.Grid->Colors(2, 1), clRed) << "the cells came with their properties";

    desktop.Grid->Navigation().SetAllowFmtClipboard(false);
    desktop.Grid->Navigation().SetAllowRTFClipboard(false);
    desktop.Grid->SetSelection({0, 2, 0, 2});
    desktop.Grid->PasteSelectionFromClipboard();
    // The desktop's text form ends lines with LF alone.
    EXPECT_EQ(desktop.Grid->Cells(1, 2), "two\nlines") << "the text form keeps the cell together";
    EXPECT_EQ(desktop.Grid->Cells(0, 2), "{\\rtf1 caf\\'e9}");

    close(pipeEnds[0]);
    int status = 0;
    EXPECT_EQ(waitpid(copier, &status, 0), copier);
}
