// Fuzzes pasting the grid's own cells clipboard format: the block's size read
// first to grow the grid, then its cells placed at the current cell.
#include "grid/QuillGrid.h"
#include "grid/base/NavigationSettings.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/ui/Clipboard.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool installed = (backend::InstallHeadlessBackend(), true);
    (void)installed;
    Clipboard()->SetAsBytes(RegisterClipboardFormat(grid::GridCellsClipboardFormatName),
                            std::string(reinterpret_cast<const char*>(data), size));
    TQuillStringGrid grid(nullptr);
    grid.Navigation().SetAllowFmtClipboard(true);
    grid.SetSelection({2, 2, 2, 2});
    try {
        grid.PasteSelectionFromClipboard();
    } catch (const Exception&) {
    }
    return 0;
}
