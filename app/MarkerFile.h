// Marker files: one marker per line, ten fields each ended by ";".
//
// Titles are written with ";", CR, LF (and a "%" that would read as one of
// those codes) as %3B, %0D, %0A and %25, so any title survives a save and a
// load while files without those codes read exactly as before. An icon that
// is already a full address ("://") or empty is kept as it is; any other
// icon field is a file name inside the icon folder.
#pragma once

#include <array>
#include <functional>
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
    // The position fields as they stand in the file, for the markers list.
    std::string LatitudeText;
    std::string LongitudeText;
};

// The icon address for the page: "file://" in front unless it holds "://",
// and every "\" turned into "/".
std::string PrepareIconString(std::string_view inpstr);

std::string EncodeMarkerTitle(std::string_view Title);
std::string DecodeMarkerTitle(std::string_view Field);

// Cuts ten fields off the front of Line: each ends at the next ";"; when no
// ";" is left the field is empty. Line keeps what was not consumed.
std::array<std::string, 10> CutMarkerFields(std::string& Line);

// Converts one line; raises EConvertError naming the field that is not a
// number or a boolean.
TMarkerLine ParseMarkerLine(std::string_view Line, std::string_view IconFolder);

// A marker as one line of the file, without its line break.
std::string MarkerLineText(const TMarker& Marker);

// The lines of a marker file: a byte-order mark chooses the encoding, lines
// end at CR LF, LF or CR. Raises EFOpenError for a file that can't be read.
std::vector<std::string> ReadMarkerFileLines(const std::string& FileName);

// Adds one marker per line to Markers, calling OnLine after each one with its
// index. Stops at the first line that fails, with EConvertError naming the
// line; markers of the lines before stay.
void AddMarkerLines(const std::vector<std::string>& Lines, std::string_view IconFolder, TMarkers& Markers,
                    const std::function<void(int Index, const TMarkerLine& Line)>& OnLine);

// Writes every marker, CR LF after each line, replacing FileName; raises
// EFCreateError when it can't be created.
void WriteMarkerFile(const std::string& FileName, const TMarkers& Markers);

}  // namespace app
