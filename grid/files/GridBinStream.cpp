// The grid's binary cell stream and binary files: a header record, then a
// record per cell of a rectangle with its property record.
#include "grid/QuillGrid.h"

#include "grid/files/BinRecordValues.h"
#include "grid/files/BinRecords.h"
#include "grid/files/CellResources.h"
#include "grid/files/FileBytes.h"
#include "platform/classes/FileSave.h"
#include "platform/classes/StringList.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/Colors.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>

using grid::files::TBinRecord;
using grid::files::TBinRecordWriter;
using grid::files::TBinValue;
using grid::files::TBinValueKind;
using grid::files::TRecordValues;
using grid::files::ReadRecordOf;

namespace {

// Sizes beyond these are no grid a stream can mean; they would only exhaust memory.
constexpr std::int64_t kMostStreamRows = 10'000'000;
constexpr std::int64_t kMostStreamCols = 100'000;
constexpr int kMostSize = 65535;
// Records gathered before they go to the stream.
constexpr std::size_t kFlushBytes = 1 << 20;

constexpr std::array<std::string_view, 3> kAlignments = {"taLeftJustify", "taRightJustify", "taCenter"};
constexpr std::array<std::string_view, 8> kBrushStyles = {"bsSolid", "bsClear", "bsHorizontal", "bsVertical",
                                                          "bsFDiagonal", "bsBDiagonal", "bsCross", "bsDiagCross"};
constexpr std::array<std::string_view, 4> kFontStyles = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
constexpr std::array<std::string_view, 2> kGradients = {"GradientVertical", "GradientHorizontal"};
constexpr std::array<std::string_view, 3> kVAlignments = {"vtaTop", "vtaCenter", "vtaBottom"};
constexpr std::array<std::string_view, 42> kEditors = {
    "edNormal", "edSpinEdit", "edComboEdit", "edComboList", "edEditBtn", "edCheckBox", "edDateEdit",
    "edDateEditUpDown", "edTimeEdit", "edButton", "edDataCheckBox", "edNumeric", "edPositiveNumeric",
    "edFloat", "edCapital", "edMixedCase", "edPassword", "edUnitEditBtn", "edLowerCase", "edUpperCase",
    "edFloatSpinEdit", "edTimeSpinEdit", "edDateSpinEdit", "edNumericEditBtn", "edFloatEditBtn",
    "edCustom", "edRichEdit", "edNone", "edDateTimeEdit", "edValidChars", "edTrackbarDropDown",
    "edMemoDropDown", "edCalculatorDropDown", "edTimePickerDropDown", "edDetailDropDown",
    "edGridDropDown", "edColorPickerDropDown", "edImagePickerDropDown", "edQuillGridDropDown",
    "edPositiveFloat", "edNumericUnitEditBtn", "edFloatUnitEditBtn"};
constexpr std::array<std::string_view, 33> kCellTypes = {
    "ctBitmap", "ctIcon", "ctNone", "ctImageList", "ctCheckBox", "ctDataCheckBox", "ctRotated", "ctDataImage",
    "ctNode", "ctRadio", "ctEmpty", "ctImages", "ctPicture", "ctFilePicture", "ctValue", "ctProgress", "ctComment",
    "ctButton", "ctBitButton", "ctVirtCheckBox", "ctRowCheckBox", "ctProgressPie", "ctSummary",
    "ctRangeIndicator", "ctXPProgress", "ctInterface", "ctScrollbar", "ctRadioButton", "ctBalloon", "ctShape",
    "ctRating", "ctTriStateCheckBox", "ctExpand"};
constexpr std::array<std::string_view, 6> kGraphicVAligns = {"vaTop", "vaBottom", "vaCenter", "vaUnderText", "vaAboveText", "vaFull"};
constexpr std::array<std::string_view, 6> kGraphicHAligns = {"haLeft", "haRight", "haCenter", "haBeforeText", "haAfterText", "haFull"};
constexpr std::array<std::string_view, 3> kCheckStates = {"cbUnchecked", "cbChecked", "cbGrayed"};
constexpr std::string_view kProps = "CellProperties.";
constexpr std::string_view kGraphic = "CellGraphic.";


// A graphic goes into the stream unless it is empty or holds an object the grid does not own.
bool Carried(const TCellGraphic* Graphic)
{
    return Graphic && Graphic->CellType() != ctEmpty &&
           (!grid::files::HasResourceRecord(Graphic->CellType()) || Graphic->CellCreated());
}

std::string JoinSizes(int First, int Last, auto Size)
{
    std::string text;
    for (int i = First; i <= Last; ++i)
        text += (i == First ? "" : ",") + IntToStr(Size(i));
    return text;
}

void WriteColor(TBinRecordWriter& Writer, std::string_view Name, TColor Color)
{
    if (const auto ident = ColorToIdent(Color))
        Writer.Ident(Name, *ident);
    else
        Writer.Int(Name, Color);
}

void WriteCellProperties(TBinRecordWriter& W, const TCellProperties& P, bool HasGraphic)
{
    const auto name = [](std::string_view Inner) { return std::string(kProps) + std::string(Inner); };
    W.Begin("TGridCellPropIO");
    W.Bool(name("IsBaseCell"), P.IsBaseCell());
    W.Int(name("CellSpanX"), P.CellSpanX());
    W.Int(name("CellSpanY"), P.CellSpanY());
    W.Ident(name("Alignment"), kAlignments.at(P.Alignment()));
    WriteColor(W, name("BorderColor"), P.BorderColor());
    W.Int(name("BorderWidth"), P.BorderWidth());
    WriteColor(W, name("BrushColor"), P.BrushColor());
    WriteColor(W, name("BrushColorTo"), P.BrushColorTo());
    W.Ident(name("BrushStyle"), kBrushStyles.at(P.BrushStyle()));
    W.Int(name("CellObject"), static_cast<std::int32_t>(P.CellObject()));
    WriteColor(W, name("FontColor"), P.FontColor());
    W.Text(name("FontName"), P.FontName());
    W.Int(name("FontSize"), P.FontSize());
    std::vector<std::string_view> styles;
    for (std::size_t i = 0; i < kFontStyles.size(); ++i)
        if (P.FontStyle().Contains(static_cast<TFontStyle>(i))) styles.push_back(kFontStyles[i]);
    W.Set(name("FontStyle"), styles);
    W.Ident(name("Editor"), kEditors.at(P.Editor()));
    W.Ident(name("GradientDirection"), kGradients.at(P.GradientDirection()));
    W.Bool(name("ReadOnly"), P.ReadOnly());
    W.Ident(name("VAlignment"), kVAlignments.at(P.VAlignment()));
    W.Bool(name("WordWrap"), P.WordWrap());
    W.Int(name("NodeLevel"), P.NodeLevel());
    W.Bool("HasGraphic", HasGraphic);
    W.End();
}

void WriteCellGraphic(TBinRecordWriter& W, const TCellGraphic& G)
{
    const auto name = [](std::string_view Inner) { return std::string(kGraphic) + std::string(Inner); };
    W.Begin("TGridGraphicIO");
    W.Ident(name("CellType"), kCellTypes.at(G.CellType()));
    W.Ident(name("CellVAlign"), kGraphicVAligns.at(G.CellVAlign()));
    W.Ident(name("CellHAlign"), kGraphicHAligns.at(G.CellHAlign()));
    W.Int(name("CellIndex"), G.CellIndex());
    W.Bool(name("CellTransparent"), G.CellTransparent());
    W.Bool(name("CellCreated"), G.CellCreated());
    W.Bool(name("CellBoolean"), G.CellBoolean());
    W.Ident(name("CellCheckBoxState"), kCheckStates.at(G.CellCheckBoxState()));
    W.Int(name("CellAngle"), G.CellAngle());
    W.Float(name("CellValue"), G.CellValue());
    W.Int(name("CellErrFrom"), G.CellErrFrom());
    W.Int(name("CellErrLen"), G.CellErrLen());
    W.Text(name("CellText"), G.CellText());
    W.End();
}

// The graphic's type, checked before anything of the cell changes.
TCellType GraphicType(const TRecordValues& V)
{
    V.RequireKnown({"CellGraphic.CellType", "CellGraphic.CellVAlign", "CellGraphic.CellHAlign", "CellGraphic.CellIndex",
                    "CellGraphic.CellTransparent", "CellGraphic.CellCreated", "CellGraphic.CellBoolean",
                    "CellGraphic.CellCheckBoxState", "CellGraphic.CellAngle", "CellGraphic.CellValue",
                    "CellGraphic.CellErrFrom", "CellGraphic.CellErrLen", "CellGraphic.CellText"});
    return static_cast<TCellType>(V.Enum("CellGraphic.CellType", kCellTypes, ctBitmap));
}

// Fills a fresh graphic; absent values read as the empty graphic's.
void ReadCellGraphic(const TRecordValues& V, TCellGraphic& G)
{
    const auto name = [](std::string_view Inner) { return std::string(kGraphic) + std::string(Inner); };
    const auto bounded = [&](std::string_view Inner) {
        return static_cast<int>(std::clamp<std::int64_t>(V.Int(name(Inner)), INT32_MIN, INT32_MAX));
    };
    G.SetCellType(GraphicType(V));
    G.SetCellVAlign(static_cast<TCellVAlign>(V.Enum(name("CellVAlign"), kGraphicVAligns, vaTop)));
    G.SetCellHAlign(static_cast<TCellHAlign>(V.Enum(name("CellHAlign"), kGraphicHAligns, haLeft)));
    G.SetCellIndex(bounded("CellIndex"));
    G.SetCellTransparent(V.Bool(name("CellTransparent")));
    G.SetCellCreated(V.Bool(name("CellCreated")));
    G.SetCellBoolean(V.Bool(name("CellBoolean")));
    G.SetCellCheckBoxState(static_cast<TCheckBoxState>(V.Enum(name("CellCheckBoxState"), kCheckStates, cbUnchecked)));
    G.SetCellAngle(bounded("CellAngle"));
    G.SetCellValue(V.Float(name("CellValue")));
    G.SetCellErrFrom(bounded("CellErrFrom"));
    G.SetCellErrLen(bounded("CellErrLen"));
    G.SetCellText(V.Text(name("CellText")));
}

// Reads a property record over the target's properties; returns HasGraphic.
bool ReadCellProperties(const TRecordValues& V, TCellProperties& P)
{
    const auto name = [](std::string_view Inner) { return std::string(kProps) + std::string(Inner); };
    V.RequireKnown({"CellProperties.IsBaseCell", "CellProperties.CellSpanX", "CellProperties.CellSpanY",
                    "CellProperties.Alignment", "CellProperties.BorderColor", "CellProperties.BorderWidth",
                    "CellProperties.BrushColor", "CellProperties.BrushColorTo", "CellProperties.BrushStyle",
                    "CellProperties.CellObject", "CellProperties.FontColor", "CellProperties.FontName",
                    "CellProperties.FontSize", "CellProperties.FontStyle", "CellProperties.Editor",
                    "CellProperties.GradientDirection", "CellProperties.ReadOnly", "CellProperties.VAlignment",
                    "CellProperties.WordWrap", "CellProperties.NodeLevel", "CellProperties.Control", "HasGraphic"});
    const auto span = [&](std::string_view Inner, int Current) {
        const std::int64_t value = V.Int(name(Inner), Current);
        if (value < -1 || value > kMostSize) V.Fail("cell span out of range"); // -1: not merged
        return static_cast<int>(value);
    };
    if (V.Find(name("IsBaseCell"))) P.SetIsBaseCell(V.Bool(name("IsBaseCell")));
    P.SetCellSpanX(span("CellSpanX", P.CellSpanX()));
    P.SetCellSpanY(span("CellSpanY", P.CellSpanY()));
    P.SetAlignment(static_cast<TAlignment>(V.Enum(name("Alignment"), kAlignments, P.Alignment())));
    P.SetBorderColor(V.Color(name("BorderColor"), P.BorderColor()));
    P.SetBorderWidth(static_cast<int>(std::clamp<std::int64_t>(V.Int(name("BorderWidth"), P.BorderWidth()), 0, kMostSize)));
    P.SetBrushColor(V.Color(name("BrushColor"), P.BrushColor()));
    P.SetBrushColorTo(V.Color(name("BrushColorTo"), P.BrushColorTo()));
    P.SetBrushStyle(static_cast<TBrushStyle>(V.Enum(name("BrushStyle"), kBrushStyles, P.BrushStyle())));
    P.SetCellObject(static_cast<std::uintptr_t>(V.Int(name("CellObject"), static_cast<std::int64_t>(P.CellObject()))));
    P.SetFontColor(V.Color(name("FontColor"), P.FontColor()));
    if (V.Find(name("FontName"))) P.SetFontName(V.Text(name("FontName")));
    P.SetFontSize(static_cast<int>(std::clamp<std::int64_t>(V.Int(name("FontSize"), P.FontSize()), -kMostSize, kMostSize)));
    if (const TBinValue* set = V.Find(name("FontStyle"))) {
        if (set->Kind != TBinValueKind::Set) V.Fail("wrong value kind of FontStyle");
        TFontStyles styles;
        for (const std::string& member : set->Items) {
            const auto found = std::find(kFontStyles.begin(), kFontStyles.end(), member);
            if (found == kFontStyles.end()) V.Fail("unknown font style \"" + member + "\"");
            styles.Include(static_cast<TFontStyle>(found - kFontStyles.begin()));
        }
        P.SetFontStyle(styles);
    }
    P.SetEditor(static_cast<TEditorType>(V.Enum(name("Editor"), kEditors, P.Editor())));
    P.SetGradientDirection(static_cast<TCellGradientDirection>(V.Enum(name("GradientDirection"), kGradients, P.GradientDirection())));
    if (V.Find(name("ReadOnly"))) P.SetReadOnly(V.Bool(name("ReadOnly")));
    P.SetVAlignment(static_cast<TVAlignment>(V.Enum(name("VAlignment"), kVAlignments, P.VAlignment())));
    if (V.Find(name("WordWrap"))) P.SetWordWrap(V.Bool(name("WordWrap")));
    P.SetNodeLevel(static_cast<int>(std::clamp<std::int64_t>(V.Int(name("NodeLevel"), P.NodeLevel()), 0, kMostSize)));
    return V.Bool("HasGraphic");
}

// Every cell of a stream has a record of at least this many bytes.
constexpr std::int64_t kLeastCellRecord = 32;

// The header's properties, and a size no grid of a stream can have: more
// cells than the stream's bytes can hold records for would only make the
// grid grow for nothing.
void CheckHeader(const TRecordValues& H, std::size_t StreamSize)
{
    H.RequireKnown({"ColCount", "RowCount", "ColWidths", "RowHeights", "FullGrid", "ID"});
    const std::int64_t cols = H.Int("ColCount"), rows = H.Int("RowCount");
    if (cols <= 0 || rows <= 0 || cols > kMostStreamCols || rows > kMostStreamRows ||
        cols * rows > static_cast<std::int64_t>(StreamSize) / kLeastCellRecord)
        H.Fail("grid size out of range");
}

// The comma-joined sizes of a header, applied from First on within Count.
void ApplySizes(const TRecordValues& V, std::string_view Name, int First, int Count, auto SetSize)
{
    const std::string text = V.Text(Name);
    std::string_view rest = text;
    for (int index = First; !rest.empty() && index < Count; ++index) {
        const std::size_t comma = rest.find(',');
        const std::string item(rest.substr(0, comma));
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
        int size = 0;
        if (!TryStrToInt(item, size) || size < 0 || size > kMostSize) V.Fail("bad size \"" + item + "\" in " + std::string(Name));
        SetSize(index, size);
    }
}

} // namespace

void TQuillStringGrid::SaveRectToBinStream(const TRect& Rect, TStream& Stream)
{
    if (Rect.Left < 0 || Rect.Top < 0 || Rect.Right < Rect.Left || Rect.Bottom < Rect.Top || Rect.Right >= ColCount() ||
        Rect.Bottom >= RowCount())
        throw EQuillGridError("Cell rectangle out of range");
    std::string bytes;
    TBinRecordWriter writer(bytes);
    const int cols = Rect.Right - Rect.Left + 1, rows = Rect.Bottom - Rect.Top + 1;
    const bool fullGrid = SaveFixedCells() ? RowCount() == rows && ColCount() == cols
                                           : RowCount() - FixedRows() == rows && ColCount() - FixedCols() == cols;
    writer.Begin("TGridPropIO");
    writer.Int("ColCount", cols);
    writer.Int("RowCount", rows);
    writer.Text("ColWidths", JoinSizes(Rect.Left, Rect.Right, [this](int c) { return ColWidths(c); }));
    writer.Text("RowHeights", JoinSizes(Rect.Top, Rect.Bottom, [this](int r) { return RowHeights(r); }));
    writer.Bool("FullGrid", fullGrid);
    // A window handle means nothing to another process; readers ignore it.
    writer.Int("ID", 0);
    writer.End();
    int progress = -1;
    ExportNotification(esExportStart, Rect.Top);
    for (int row = Rect.Top; row <= Rect.Bottom; ++row) {
        ExportNotification(esExportNextRow, row);
        for (int col = Rect.Left; col <= Rect.Right; ++col) {
            const bool hasProp = HasCellProperties(col, row);
            writer.Begin("TGridCellIO");
            // Coordinates past 65535 take the 32-bit form, so large grids keep their places.
            writer.Int("Col", col);
            writer.Int("Row", row);
            writer.Text("Cell", GetCellEx(col, row));
            writer.Bool("HasProp", hasProp);
            writer.End();
            if (!hasProp) continue;
            const TCellGraphic* graphic = GetCellGraphic(col, row);
            if (!Carried(graphic)) graphic = nullptr;
            WriteCellProperties(writer, *GetCellProperties(col, row), graphic != nullptr);
            if (!graphic) continue;
            WriteCellGraphic(writer, *graphic);
            grid::files::WriteCellResource(writer, *graphic);
        }
        // Written as it goes, so a large grid never waits in memory whole.
        if (bytes.size() >= kFlushBytes) {
            Stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
            bytes.clear();
        }
        ReportFileProgress(progress, double(row - Rect.Top) / std::max(1, Rect.Bottom - Rect.Top));
    }
    ExportNotification(esExportDone, -1);
    Stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
}

void TQuillStringGrid::SaveToBinStream(TStream& Stream)
{
    SaveRectToBinStream({SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, Stream);
}

void TQuillStringGrid::SaveToBinFile(const std::string& FileName)
{
    classes::SaveFileThrough(FileName, [this](TStream& Out) { SaveToBinStream(Out); });
}

void grid::files::ReadCellStreamSize(std::string_view Bytes, int& Cols, int& Rows)
{
    rtl::TByteCursor cursor({reinterpret_cast<const std::uint8_t*>(Bytes.data()), Bytes.size()}, {"Cell stream", "", 0});
    std::size_t offset = 0;
    const TBinRecord header = ReadRecordOf(cursor, "TGridPropIO", offset);
    const TRecordValues h(header, cursor, offset);
    CheckHeader(h, Bytes.size());
    Cols = static_cast<int>(h.Int("ColCount"));
    Rows = static_cast<int>(h.Int("RowCount"));
}

void TQuillStringGrid::LoadAtPointFromBinStream(const TPoint& Point, TStream& Stream)
{
    LoadCellStream(Point, grid::files::ReadStreamBytes(Stream), false);
}

void TQuillStringGrid::LoadCellStream(const TPoint& Point, std::string_view Bytes, bool AsBlock)
{
    rtl::TByteCursor cursor({reinterpret_cast<const std::uint8_t*>(Bytes.data()), Bytes.size()}, {"Cell stream", "", 0});
    std::size_t offset = 0;
    const TBinRecord header = ReadRecordOf(cursor, "TGridPropIO", offset);
    const TRecordValues h(header, cursor, offset);
    CheckHeader(h, Bytes.size());
    const bool fullGrid = h.Bool("FullGrid") && !AsBlock;
    if (fullGrid) {
        const std::int64_t cols = h.Int("ColCount") + SaveStartCol(), rows = h.Int("RowCount") + SaveStartRow();
        if (cols > kMostStreamCols || rows > kMostStreamRows) h.Fail("grid size out of range");
        Clear();
        SetRowCount(static_cast<int>(rows));
        SetColCount(static_cast<int>(cols));
        ApplySizes(h, "ColWidths", SaveStartCol(), ColCount(), [this](int c, int w) { SetColWidths(c, w); });
        ApplySizes(h, "RowHeights", SaveStartRow(), RowCount(), [this](int r, int s) { SetRowHeights(r, s); });
    }
    bool haveOrigin = fullGrid;
    int originCol = 0, originRow = 0, lastRow = -1, progress = -1;
    while (cursor.Remaining() >= 2) {
        const TBinRecord cellRecord = ReadRecordOf(cursor, "TGridCellIO", offset);
        const TRecordValues cell(cellRecord, cursor, offset);
        cell.RequireKnown({"Col", "Row", "Cell", "HasProp"});
        const std::int64_t col = cell.Int("Col"), row = cell.Int("Row");
        if (col < 0 || row < 0 || col >= kMostStreamCols || row >= kMostStreamRows) cell.Fail("cell coordinates out of range");
        if (!haveOrigin) {
            originCol = static_cast<int>(col), originRow = static_cast<int>(row);
            haveOrigin = true;
        }
        const std::int64_t targetCol = std::int64_t(Point.X) + col - originCol, targetRow = std::int64_t(Point.Y) + row - originRow;
        // Cells beyond the grid are dropped: a whole-grid stream pasted at a cell reaches past its edge.
        const bool inside = targetCol >= 0 && targetRow >= 0 && targetCol < ColCount() && targetRow < RowCount();
        if (inside) {
            SetCellEx(static_cast<int>(targetCol), static_cast<int>(targetRow), cell.Text("Cell"));
            if (targetRow != lastRow) ReportFileProgress(progress, double(targetRow) / std::max(1, RowCount()));
            lastRow = static_cast<int>(targetRow);
        }
        if (!cell.Bool("HasProp")) continue;
        const TBinRecord propRecord = ReadRecordOf(cursor, "TGridCellPropIO", offset);
        const TRecordValues props(propRecord, cursor, offset);
        bool hasGraphic = false;
        if (inside) {
            TCellProperties& target = WritableProps(static_cast<int>(targetCol), static_cast<int>(targetRow));
            hasGraphic = ReadCellProperties(props, target);
            target.SetOwnerCol(static_cast<int>(targetCol));
            target.SetOwnerRow(static_cast<int>(targetRow));
        } else {
            TCellProperties scratch(this, 0, 0);
            hasGraphic = ReadCellProperties(props, scratch);
        }
        if (!hasGraphic) continue;
        const TBinRecord graphicRecord = ReadRecordOf(cursor, "TGridGraphicIO", offset);
        const TRecordValues graphic(graphicRecord, cursor, offset);
        TCellGraphic scratch;
        TCellGraphic& target =
            inside ? *CreateCellGraphic(static_cast<int>(targetCol), static_cast<int>(targetRow)) : scratch;
        ReadCellGraphic(graphic, target);
        // The graphic owns only the object its resource record gives it.
        target.SetCellCreated(false);
        if (grid::files::HasResourceRecord(target.CellType()))
            grid::files::ReadCellResource(cursor, target, static_cast<int>(targetCol), static_cast<int>(targetRow));
    }
}

void TQuillStringGrid::LoadFromBinStream(TStream& Stream)
{
    LoadAtPointFromBinStream({0, 0}, Stream);
    int nodes = 0;
    for (int row = FixedRows(); row < RowCount(); ++row)
        nodes += GetCellType(0, row) == ctNode;
    FNumNodes = nodes;
    if (nodes > 0) Invalidate(); // the node column shows the new tree
}

void TQuillStringGrid::LoadFromBinFile(const std::string& FileName)
{
    // Read once, straight from the file: the file's bytes are held one time only.
    TFileStream stream(FileName, fmOpenRead | fmShareDenyNone);
    LoadFromBinStream(stream);
}
