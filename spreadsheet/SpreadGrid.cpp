// The spreadsheet grid itself: properties, where results and errors live, how a
// cell's text becomes what is shown and saved, value access and cell naming.
#include <algorithm>
#include <cmath>

#include "grid/base/QuillUtilCellText.h"
#include "grid/base/QuillUtilParse.h"
#include "grid/model/CellGraphic.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/Hints.h"
#include "spreadsheet/QuillSprd.h"

using rtl::Utf16ToUtf8;

TQuillSpreadGrid::TQuillSpreadGrid(TComponent* AOwner)
    : TQuillStringGrid(AOwner), FGridFormula(std::make_unique<TGridFormula>(this))
{
    TGridOptions options = Options();
    options.Include(goRowSizing).Include(goColSizing).Include(goEditing);
    SetOptions(options);
    FGridFormula->OnError = [this](TGridFormula*, int ACol, int ARow, int ErrType, int ErrPos, int,
                                   const std::string& ErrStr) {
        HandleFormulaError(ACol, ARow, ErrType, ErrPos, ErrStr);
    };
    // A formula reads the results other formulas computed, never their text.
    FGridFormula->OnGetStoredValue = [](TQuillStringGrid* Grid, int ACol, int ARow, Variant& Value) {
        auto* spread = dynamic_cast<TQuillSpreadGrid*>(Grid);
        return spread && spread->StoredValueOf(ACol, ARow, Value);
    };
    SetAutoHeaders(true);
}

TQuillSpreadGrid::~TQuillSpreadGrid()
{
    // Entries other grids keep of our formulas point at a grid that goes.
    for (TQuillSpreadGrid* grid : BoundGrids())
        if (grid != this) grid->FCellRefList.DeleteGrid(this);
}

int TQuillSpreadGrid::GetVersionNr() { return (2 << 24) | (2 << 16) | (5 << 8) | 0; }

std::string TQuillSpreadGrid::GetVersionString()
{
    const int v = GetVersionNr();
    return std::to_string((v >> 24) & 0xFF) + "." + std::to_string((v >> 16) & 0xFF) + "." +
           std::to_string((v >> 8) & 0xFF) + "." + std::to_string(v & 0xFF) + " July, 2011";
}

void TQuillSpreadGrid::SetShowFormula(bool Value)
{
    if (Value == FShowFormula) return;
    FShowFormula = Value;
    Invalidate();
}

void TQuillSpreadGrid::SetCellFormat(const std::string& Value)
{
    if (Value == FCellFormat) return;
    FCellFormat = Value;
    Invalidate();
}

void TQuillSpreadGrid::SetErrorDisplay(TErrorDisplay Value)
{
    FErrorDisplay = Value;
    Invalidate();
}

void TQuillSpreadGrid::SetLibs(TLibBinder* Value)
{
    FMathLib = Value;
    if (Value) Value->FreeNotification(this);
}

void TQuillSpreadGrid::SetBinder(TGridBinder* Value)
{
    FBinder = Value;
    if (Value) Value->FreeNotification(this);
}

void TQuillSpreadGrid::Notification(TComponent* AComponent, TOperation Operation)
{
    TQuillStringGrid::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FBinder) FBinder = nullptr;
    if (AComponent == FMathLib) FMathLib = nullptr;
}

void TQuillSpreadGrid::Loaded()
{
    TQuillStringGrid::Loaded();
    if (FAutoHeaders) AutoSpreadHeaders();
}

void TQuillSpreadGrid::UpdateFooterValues(int) {}

bool TQuillSpreadGrid::IsFormulaText(std::string_view S)
{
    if (!S.empty() && S[0] == '=') return true;
    return S.size() > 3 && S[0] == '|' && S[1] == '\\' && S[3] == '=';
}

bool TQuillSpreadGrid::HasFormula(int ACol, int ARow) const
{
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return false;
    return IsFormulaText(GetGridCell(ACol, ARow));
}

// Cell state.

TCellGraphic* TQuillSpreadGrid::EnsureGraphic(int ACol, int ARow, TCellType Kind)
{
    if (TCellGraphic* graphic = GetCellGraphic(ACol, ARow)) return graphic;
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    graphic->SetCellType(Kind);
    return graphic;
}

void TQuillSpreadGrid::ClearCellState(int ACol, int ARow)
{
    if (TCellGraphic* graphic = GetCellGraphic(ACol, ARow)) {
        graphic->SetCellBoolean(false);
        graphic->SetCellErrFrom(0);
        graphic->SetCellErrLen(0);
    }
}

void TQuillSpreadGrid::StoreCellValue(int ACol, int ARow, const Variant& Value)
{
    if (FSetCV) return;
    FSetCV = true;
    TCellGraphic* graphic = EnsureGraphic(ACol, ARow, ctValue);
    FSetCV = false;
    graphic->SetCellType(ctValue);
    graphic->SetCellVar(Value);
    graphic->SetCellBoolean(true);
}

void TQuillSpreadGrid::StoreCellError(int ACol, int ARow, int ErrFrom, int ErrLen)
{
    if (FSetCV) return;
    FSetCV = true;
    TCellGraphic* graphic = EnsureGraphic(ACol, ARow, ctEmpty);
    graphic->SetCellErrFrom(ErrFrom);
    graphic->SetCellErrLen(ErrLen);
    FSetCV = false;
}

int TQuillSpreadGrid::GetCellState(int ACol, int ARow)
{
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return 0;
    if (graphic->CellErrLen() != 0) return 2;
    return graphic->CellBoolean() ? 1 : 0;
}

Variant TQuillSpreadGrid::GetStoredValue(int ACol, int ARow)
{
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    return graphic ? graphic->CellVar() : Variant(0.0);
}

bool TQuillSpreadGrid::HasError(int ACol, int ARow)
{
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    return graphic && graphic->CellErrFrom() != 0;
}

bool TQuillSpreadGrid::StoredValueOf(int ACol, int ARow, Variant& Value)
{
    const std::string& text = GetGridCell(ACol, ARow);
    if (!IsFormulaText(text)) return false;
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (graphic && graphic->CellErrLen() != 0) {
        // A formula in error passes its error on to the formulas that read it.
        Value = Variant::FromError(feInvalidCellReference);
        return true;
    }
    if (graphic && graphic->CellBoolean()) {
        Value = graphic->CellVar();
        return true;
    }
    // A formula not computed yet reads as its own text.
    Value = Variant(text);
    return true;
}

// Composing the text of a cell.

void TQuillSpreadGrid::DoGetDisplText(int ACol, int ARow, std::string& Value)
{
    if (IsFormulaText(Value)) GetDisplayCellText(ACol, ARow, Value);
    TQuillStringGrid::DoGetDisplText(ACol, ARow, Value);
}

void TQuillSpreadGrid::GetSaveCellText(int ACol, int ARow, std::string& Value)
{
    Value = GetGridCell(ACol, ARow);
    if (IsFormulaText(Value)) ComposeCellText(ACol, ARow, Value, FSaveFormula);
}

std::string TQuillSpreadGrid::FormatResult(int ACol, int ARow, const Variant& V, bool Events)
{
    if (V.VarType() == varString) return V.AsString();
    std::string fmt = FCellFormat;
    bool dateType = false;
    const double number = V.AsDouble();
    if (Events) {
        if (OnCellFormat) OnCellFormat(this, ACol, ARow, fmt, dateType);
        // Only the format of the answer counts: the result is a number either way.
        bool isFloat = true;
        if (OnGetFloatFormat) OnGetFloatFormat(this, ACol, ARow, isFloat, fmt);
    }
    if (dateType) return FormatDateTime(fmt, number);
    return Format(fmt, {number});
}

void TQuillSpreadGrid::ComposeCellText(int ACol, int ARow, std::string& S, bool Raw)
{
    S = GetGridCell(ACol, ARow);
    if (Raw) return;
    std::string t = S;
    if (t.size() > 3 && t[0] == '|' && t[1] == '\\') t = Utf16ToUtf8(DecodeWideCellText(t));
    if (!IsFormulaText(t)) return;
    switch (GetCellState(ACol, ARow)) {
    case 0: {
        t.erase(0, 1);
        if (t.empty()) {
            HandleError(ACol, ARow, feNoFormula, 1, 1);
            StoreCellError(ACol, ARow, 1, 1);
            S = FErrorDisplay == edErrorText ? FErrorText : S;
            return;
        }
        TGridFormula& f = *FGridFormula;
        f.SetExpression(t);
        f.SetCol(ACol);
        f.SetRow(ARow);
        f.SetLibs(FMathLib);
        f.SetBinder(FBinder);
        Variant v;
        if (!f.Calc(v)) {
            // The error is stored by the error handler; what shows is its display.
            if (FErrorDisplay == edErrorText) S = FErrorText;
            return;
        }
        StoreCellValue(ACol, ARow, v);
        S = FormatResult(ACol, ARow, v, true);
        return;
    }
    case 1: {
        const Variant v = GetStoredValue(ACol, ARow);
        S = FormatResult(ACol, ARow, v, true);
        return;
    }
    default:
        S = FErrorDisplay == edErrorText ? FErrorText : "=" + t.substr(1);
        return;
    }
}

// Errors.

void TQuillSpreadGrid::HandleFormulaError(int ACol, int ARow, int ErrType, int ErrPos, const std::string& ErrStr)
{
    int errLen = 1;
    if (ErrType == feInvalidGridReference || ErrType == feInvalidQualifier)
        errLen = std::max<int>(1, static_cast<int>(ErrStr.size()));
    StoreCellError(ACol, ARow, std::max(1, ErrPos), errLen);
    HandleError(ACol, ARow, ErrType, ErrPos, 0);
}

void TQuillSpreadGrid::HandleError(int ACol, int ARow, int ErrType, int ErrPos, int ErrParam)
{
    if (OnFormulaError) OnFormulaError(this, ACol, ARow, ErrorToString(ErrType));
    if (OnFormulaErrorInfo) OnFormulaErrorInfo(this, ACol, ARow, ErrType, ErrPos, ErrParam, ErrorToString(ErrType));
}

std::string TQuillSpreadGrid::ErrorToString(int ErrType) { return FormulaErrorText(ErrType); }

// Values.

namespace {

double PlainCellNumber(const std::string& text)
{
    const int kind = ClassifyNumberText(text);
    if (!text.empty() && (kind == grid::ntkInteger || kind == grid::ntkDecimal)) {
        std::string normal = NormalizeNumberText(text);
        if (normal.empty()) normal = "0";
        double value = 0;
        if (TryStrToFloat(normal, value, InvariantFormatSettings())) return value;
    }
    throw EQuillGridError("Cell does not contain a float value");
}

Variant DecodedValue(const Variant& v)
{
    if (v.VarType() == varString) {
        const std::string s = v.AsString();
        if (s.size() > 3 && s[0] == '|' && s[1] == '\\') return Variant(Utf16ToUtf8(DecodeWideCellText(s)));
    }
    return v;
}

} // namespace

Variant TQuillSpreadGrid::CellValue(int c, int r)
{
    const std::string& text = GetGridCell(c, r);
    if (!IsFormulaText(text)) return Variant(PlainCellNumber(text));
    if (GetCellState(c, r) == 0) {
        std::string shown;
        GetDisplayCellText(c, r, shown);
    }
    const TCellGraphic* graphic = GetCellGraphic(c, r);
    return graphic ? DecodedValue(graphic->CellVar()) : Variant(0.0);
}

Variant TQuillSpreadGrid::CalculatedValue(int c, int r)
{
    const std::string& text = GetGridCell(c, r);
    if (!IsFormulaText(text)) return Variant(text.empty() ? 0.0 : PlainCellNumber(text));
    const TCellGraphic* graphic = GetCellGraphic(c, r);
    return graphic ? graphic->CellVar() : Variant(0.0);
}

// Cell naming.

namespace {

std::string ColumnLetters(int n)
{
    // Beyond ZZ the letters go on as a spreadsheet's do (AAA ...), never into punctuation.
    std::string letters;
    int k = n;
    do {
        letters.insert(letters.begin(), static_cast<char>('A' + k % 26));
        k = k / 26 - 1;
    } while (k >= 0);
    return letters;
}

int LeadingNumber(std::string_view s)
{
    long long v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') break;
        v = std::min<long long>(v * 10 + (c - '0'), 1 << 30);
    }
    return static_cast<int>(v);
}

} // namespace

void TQuillSpreadGrid::CellToNameParts(int Col, int Row, std::string& ColPart, std::string& RowPart) const
{
    if (FCellNameMode == nmRC) {
        ColPart = "C" + std::to_string(Col - FixedCols() + 1);
        RowPart = "R" + std::to_string(Row - FixedRows() + 1);
        return;
    }
    const int n = Col - FixedCols();
    ColPart = n >= 0 ? ColumnLetters(n) : std::string("#");
    RowPart = std::to_string(Row - FixedRows() + 1);
}

std::string TQuillSpreadGrid::CellToName(int Col, int Row) const
{
    std::string colPart, rowPart;
    CellToNameParts(Col, Row, colPart, rowPart);
    return FCellNameMode == nmRC ? rowPart + colPart : colPart + rowPart;
}

TGridCoord TQuillSpreadGrid::NameToCell(std::string_view s) const
{
    TGridCoord cell{-1, -1};
    if (FCellNameMode == nmRC) {
        std::string_view rest = s.empty() ? s : s.substr(1);
        const size_t c = rest.find_first_of("Cc");
        cell.Y = LeadingNumber(rest.substr(0, c)) + FixedRows() - 1;
        cell.X = (c == std::string_view::npos ? 0 : LeadingNumber(rest.substr(c + 1))) + FixedCols() - 1;
        return cell;
    }
    std::string digits, letters;
    for (char c : s) {
        if (c >= '0' && c <= '9') digits += c;
        else if (c != '$') letters += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    cell.Y = LeadingNumber(digits) + FixedRows() - 1;
    if (letters.size() == 1 && letters[0] >= 'A' && letters[0] <= 'Z') {
        cell.X = FixedCols() + letters[0] - 'A';
    } else if (letters.size() == 2 && letters[0] >= 'A' && letters[0] <= 'Z' && letters[1] >= 'A' &&
               letters[1] <= 'Z') {
        cell.X = FixedCols() + (letters[1] - 'A') + (letters[0] - 'A' + 1) * 26;
    }
    return cell;
}

TGridRect TQuillSpreadGrid::NameToRange(std::string_view s) const
{
    TGridRect r{-1, -1, -1, -1};
    const size_t colon = s.find(':');
    if (colon == std::string_view::npos) return r;
    const TGridCoord a = NameToCell(s.substr(0, colon));
    const TGridCoord b = NameToCell(s.substr(colon + 1, 255));
    return {a.X, a.Y, b.X, b.Y};
}

std::string TQuillSpreadGrid::RangeToName(TGridRect gr) const
{
    return CellToName(gr.Left, gr.Top) + ":" + CellToName(gr.Right, gr.Bottom);
}
