// Marker files: one marker per line, ten fields each ended by ";".
//
// Titles and icons are written with ";", CR, LF (and a "%" that would read
// as one of those codes) as %3B, %0D, %0A and %25, so any text survives a
// save and a load while files without those codes read exactly as before. An
// icon that is already a full address ("://") or empty is kept as it is; any
// other icon field is a file name inside the icon folder, and an icon inside
// that folder is written by its name again, so the file does not depend on
// where the program's folder is.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class TMarker;
class TMarkers;

namespace app {

// One line of a marker file, converted.
struct TMarkerLine {
    std::string Title;
    double Latitude = 0;
    double Longitude = 0;
    std::string Icon;
    bool Draggable = false;
    bool Visible = false;
    bool Clickable = false;
    bool Flat = false;
    bool InitialDropAnimation = false;
    int Zindex = 0;
};

// The icon address for the page: "file://" in front unless it holds "://",
// and every "\" turned into "/".
std::string PrepareIconString(std::string_view inpstr);

std::string EncodeMarkerField(std::string_view Text);
std::string DecodeMarkerField(std::string_view Field);

// Cuts ten fields off the front of Line: each ends at the next ";"; when no
// ";" is left the field is empty. Line keeps what was not consumed.
std::array<std::string, 10> CutMarkerFields(std::string& Line);

// Converts one line; raises EConvertError naming the field that is not a
// finite number or a boolean.
TMarkerLine ParseMarkerLine(std::string_view Line, std::string_view IconFolder);

// The icon field for a marker's icon: the name alone when the icon lies in
// IconFolder, the icon as it is otherwise.
std::string IconFieldText(std::string_view Icon, std::string_view IconFolder);

// A marker as one line of the file, without its line break.
std::string MarkerLineText(const TMarker& Marker, std::string_view IconFolder);

// The lines of a marker file: a byte-order mark chooses the encoding, lines
// end at CR LF, LF or CR. Raises EFOpenError for a file that can't be read.
std::vector<std::string> ReadMarkerFileLines(const std::string& FileName);

// Converts every line, or raises EConvertError naming the first line that
// fails and its field: a file is taken whole or not at all.
std::vector<TMarkerLine> ParseMarkerLines(const std::vector<std::string>& Lines, std::string_view IconFolder);

// Adds the markers of Lines[From, To) to Markers.
void AddMarkers(const std::vector<TMarkerLine>& Lines, size_t From, size_t To, TMarkers& Markers);

// Writes every marker, CR LF after each line, replacing FileName only once the
// whole text is written; raises EFCreateError when it can't be written, with
// FileName unchanged.
void WriteMarkerFile(const std::string& FileName, const TMarkers& Markers, std::string_view IconFolder);

}  // namespace app
