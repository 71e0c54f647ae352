// How the grid writes and reads its text files: delimiter, quoting and line-break conventions.
#pragma once

#include <functional>
#include <string>

class TObject;

// Export and import progress stages reported to the grid's notification hooks.
enum TExportState { esExportStart, esExportNextRow, esExportDone, esExportNewRow, esExportSelRow };
enum TImportState { isImportStart, isImportNextRow, isImportDone };

using TFileProgressEvent = std::function<void(TObject* Sender, int Progression)>;
using TCellTextEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;

// The last clipboard operation of a grid, told to the grid with every pasted block.
enum TClipOperation { coCut, coCopy };
// Before a pasted value is stored: Allow false keeps the cell as it is; Value may be changed.
using TClipboardBeforePasteCellEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, bool& Allow, std::string& Value)>;
using TClipboardAfterPasteCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, const std::string& Value)>;
// Before a clipboard shortcut's cut, copy or paste: Allow false skips it.
using TClipboardEvent = std::function<void(TObject* Sender, bool& Allow)>;

namespace grid {

struct TFileSettings {
    // The CSV field separator; '\0' writes "," and detects it when reading.
    char Delimiter = '\0';
    bool AlwaysQuotes = false;
    bool QuoteEmptyCells = false;
    // Line breaks as "~" and empty fields as "^".
    bool JavaCSV = false;
    // Texts in the DOS code page (437) on disk.
    bool OemConvert = false;
    // Off: the first CSV line is a header line and is not loaded.
    bool LoadFirstRow = true;
    bool MultiLineCells = false;
    // The encoding an XML file declares and is written in.
    std::string XMLEncoding = "ISO-8859-1";
    // Web and mail addresses in cells become links in HTML; URLFull shows the whole address.
    bool URLShow = true;
    bool URLFull = true;
};

} // namespace grid
