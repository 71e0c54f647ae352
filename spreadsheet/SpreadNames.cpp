// Cell names, automatic spreadsheet headers and help while a formula is typed:
// the function hint, clicking a cell to insert its name, and the edited cell's
// computed state.
#include <algorithm>

#include "grid/interact/HTMLHintWindow.h"
#include "grid/interact/QuillInplaceEdit.h"
#include "grid/model/CellGraphic.h"
#include "platform/rtl/Format.h"
#include "spreadsheet/QuillSprd.h"

// Names.

std::string TQuillSpreadGrid::GetCellName(int c, int r)
{
    const TCellGraphic* graphic = GetCellGraphic(c, r);
    if (!graphic || graphic->CellAngle() <= 0) return {};
    TStringList& names = FGridFormula->CellNameList();
    const int index = graphic->CellAngle() - 1;
    return index < names.Count() ? names.Strings(index) : std::string();
}

void TQuillSpreadGrid::SetCellName(int c, int r, const std::string& Value)
{
    // Names pack the cell into 16 bits each way.
    if (c < 0 || r < 0 || c > 0xFFFE || r > 0xFFFE)
        throw EQuillGridError("Cell " + std::to_string(c) + "," + std::to_string(r) + " cannot be named");
    TStringList& names = FGridFormula->CellNameList();
    TCellGraphic* graphic = GetCellGraphic(c, r);
    if (graphic && graphic->CellAngle() > 0 && graphic->CellAngle() <= names.Count()) {
        names.SetStrings(graphic->CellAngle() - 1, Value);
        return;
    }
    if (!graphic) graphic = EnsureGraphic(c, r, ctNone);
    const int index = names.AddObject(Value, TGridFormula::PackedCellObject(c, r));
    graphic->SetCellAngle(index + 1);
}

TGridCoord TQuillSpreadGrid::FindCellName(const std::string& Value) const
{
    TStringList& names = FGridFormula->CellNameList();
    const int index = names.IndexOf(Value);
    if (index < 0) return {-1, -1};
    const auto packed = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(names.Objects(index)));
    return {static_cast<int>(packed & 0xFFFF), static_cast<int>(packed >> 16)};
}

// Headers.

void TQuillSpreadGrid::AutoSpreadHeaders()
{
    if (!FAutoHeaders) return;
    const bool wasChanging = FInStructureChange;
    FInStructureChange = true;
    if (FixedCols() > 0) {
        for (int r = 0; r < FixedRows(); ++r) SetCellEx(0, r, {});
        for (int r = FixedRows(); r < RowCount(); ++r) SetCellEx(0, r, std::to_string(r - FixedRows() + 1));
    }
    if (FixedRows() > 0) {
        for (int c = FixedCols(); c < ColCount(); ++c) {
            std::string colPart, rowPart;
            CellToNameParts(c, FixedRows(), colPart, rowPart);
            SetCellEx(c, 0, FCellNameMode == nmRC ? std::to_string(c - FixedCols() + 1) : colPart);
        }
    }
    FInStructureChange = wasChanging;
}

void TQuillSpreadGrid::SetAutoHeaders(bool Value)
{
    FAutoHeaders = Value;
    if (ComponentState().Contains(csLoading)) return;
    if (Value) {
        AutoSpreadHeaders();
        return;
    }
    if (FixedRows() > 0) ClearRect(0, 0, ColCount() - 1, 0);
    if (FixedCols() > 0) ClearRect(0, 0, 0, RowCount() - 1);
}

void TQuillSpreadGrid::SetCellNameMode(TCellNameMode Value)
{
    FCellNameMode = Value;
    FGridFormula->SetUseRCNames(Value == nmRC);
    if (FAutoHeaders) {
        AutoSpreadHeaders();
        Invalidate();
    }
}

void TQuillSpreadGrid::SetColCount(int Value)
{
    TQuillStringGrid::SetColCount(Value);
    if (FAutoHeaders) AutoSpreadHeaders();
}

void TQuillSpreadGrid::SetRowCount(int Value)
{
    TQuillStringGrid::SetRowCount(Value);
    if (FAutoHeaders) AutoSpreadHeaders();
}

void TQuillSpreadGrid::SetFixedCols(int Value)
{
    TQuillStringGrid::SetFixedCols(Value);
    if (FAutoHeaders && Value == 0) ClearRect(0, 0, 0, RowCount() - 1);
    if (!ComponentState().Contains(csLoading)) AutoSpreadHeaders();
}

void TQuillSpreadGrid::SetFixedRows(int Value)
{
    TQuillStringGrid::SetFixedRows(Value);
    if (FAutoHeaders && Value == 0) ClearRect(0, 0, ColCount() - 1, 0);
    if (!ComponentState().Contains(csLoading)) AutoSpreadHeaders();
}

void TQuillSpreadGrid::Group(int Colindex)
{
    TQuillStringGrid::Group(Colindex);
    AutoSpreadHeaders();
}

void TQuillSpreadGrid::UnGroup()
{
    TQuillStringGrid::UnGroup();
    AutoSpreadHeaders();
}

void TQuillSpreadGrid::GetCellAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign)
{
    if (FAutoHeaders && (ACol == 0 || ARow == 0)) HAlign = taCenter;
    TQuillStringGrid::GetCellAlignment(ACol, ARow, HAlign, VAlign);
}

// The function hint.

namespace {

bool IsNameChar(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// The hint of a function of two values: the signature with the current one in bold.
std::string TwoValueHint(const char* Name, int Param, const char* Returns)
{
    const std::string first = Param == 0 ? "<b>Value 1</b>" : "Value 1";
    const std::string second = Param == 1 ? "<b>Value 2: Double</b>" : "Value 2: Double";
    return std::string(Name) + "(" + first + "; " + second + "):Double<HR><i>" + Returns + "</i>";
}

} // namespace

std::string TQuillSpreadGrid::GetFunctionHint(const std::string& Name, int ParamIndex)
{
    std::string hint;
    if (FMathLib) {
        TLibBinderItems& libs = FMathLib->Libs();
        for (int k = 0; k < libs.Count(); ++k)
            if (TMathLib* lib = libs.GetItem(k)->MathLib(); lib && lib->HandlesFunction(Name))
                hint = lib->GetEditHint(Name, ParamIndex);
    }
    if (!hint.empty()) return hint;
    static const char* const chooseTail = "<HR><i>If Selector &lt;&gt; 0, returns Value 2 otherwise Value 1</i>";
    if (Name == "CHOOSE") {
        switch (ParamIndex) {
        case 0: return std::string("Choose(<b>Selector</b>;Value 1; Value 2: Double):Double") + chooseTail;
        case 1: return std::string("Choose(Selector;<b>Value 1</b>; Value 2: Double):Double") + chooseTail;
        case 2: return std::string("Choose(Selector;Value 1; <b>Value 2: Double</b>):Double") + chooseTail;
        default: return {};
        }
    }
    if (ParamIndex < 0 || ParamIndex > 1) return {};
    if (Name == "EQ") return TwoValueHint("Eq", ParamIndex, "Returns 1 if Value 1 = Value 2 or 0 otherwise");
    if (Name == "LT") return TwoValueHint("Lt", ParamIndex, "Returns 1 if Value 1 &gt; Value 2 or 0 otherwise");
    if (Name == "GT") return TwoValueHint("Gt", ParamIndex, "Returns 1 if Value 1 &gt; Value 2 or 0 otherwise");
    return {};
}

void TQuillSpreadGrid::HideEditHint()
{
    FShownHint.clear();
    if (FHintWindow) FHintWindow->ReleaseHandle();
}

void TQuillSpreadGrid::ShowEditHint(const std::string& Text, TPoint CaretPos, int SelStart)
{
    if (!FEditHint) return;
    if (SelStart == -1 || (Text.empty() && !FShownHint.empty())) return HideEditHint();
    std::string s = Text.substr(0, static_cast<size_t>(std::clamp<int>(SelStart, 0, static_cast<int>(Text.size()))));
    if (s.find('(') == std::string::npos || !IsFormulaText(s)) return HideEditHint();
    int count = 0;
    std::string name;
    bool collecting = false;
    const char decimal = FormatSettings().DecimalSeparator;
    while (!s.empty()) {
        const char ch = s.back();
        s.pop_back();
        if ((ch == ',' || ch == ';') && ch != decimal) {
            ++count;
        } else if (ch == ')' && name.empty()) {
            break;
        } else if (ch == '(' && name.empty()) {
            collecting = true;
        } else if (collecting) {
            if (IsNameChar(ch)) name.insert(name.begin(), ch);
            else collecting = false;
        }
    }
    std::string upper = name;
    for (char& ch : upper)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    const std::string hint = name.empty() ? std::string() : GetFunctionHint(upper, count);
    if (hint.empty()) return HideEditHint();
    FShownHint = hint;
    if (!HandleAllocated()) return;
    if (!FHintWindow) FHintWindow.reset(new THTMLHintWindow(nullptr));
    TRect r = FHintWindow->CalcHintRect(600, hint);
    const TPoint p = NormalEdit() ? NormalEdit()->ClientToScreen(CaretPos) : ClientToScreen(CaretPos);
    const int height = r.Bottom - r.Top;
    r.Left += p.X;
    r.Right += p.X;
    r.Top = p.Y + r.Top - height - 8;
    r.Bottom = r.Top + height;
    FHintWindow->SetColor(HintColor());
    FHintWindow->ActivateHint(r, hint);
}

// Clicking cells while a formula is typed.

bool TQuillSpreadGrid::SetCellSelectMode(bool Value)
{
    FCellSelectorMode = Value && FFormulaCellClick;
    return FCellSelectorMode;
}

void TQuillSpreadGrid::EditCellClick(int ACol, int ARow)
{
    if (ACol < FixedCols() || ARow < FixedRows()) return;
    TQuillInplaceEdit* editor = NormalEdit();
    if (!editor) return;
    const std::string text = editor->Text() + CellToName(ACol, ARow);
    editor->SetText(text);
    editor->SetSelStart(static_cast<int>(text.size()));
    ApplyEditText(Col(), RealRow(), text);
}

bool TQuillSpreadGrid::InsertClickedCellName(int ACol, int ARow)
{
    TQuillInplaceEdit* editor = NormalEdit();
    if (ACol < FixedCols() || ARow < FixedRows() || !editor || !editor->Visible()) return false;
    const int start = editor->SelStart();
    const std::string name = CellToName(ACol, ARow);
    editor->SetSelText(name);
    editor->SetSelStart(start);
    editor->SetSelLength(static_cast<int>(name.size()));
    return true;
}

void TQuillSpreadGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) {
        const TGridCoord cell = MouseCoord(X, Y);
        TQuillInplaceEdit* editor = NormalEdit();
        const bool editing = editor && editor->Visible();
        if (editing && Shift.Contains(ssCtrl) && InsertClickedCellName(cell.X, cell.Y)) return;
        if (editing && FCellSelectorMode && cell.X >= FixedCols() && cell.Y >= FixedRows() &&
            !(cell.X == Col() && cell.Y == Row())) {
            EditCellClick(cell.X, cell.Y);
            return;
        }
    }
    TQuillStringGrid::MouseDown(Button, Shift, X, Y);
}

void TQuillSpreadGrid::EditorChanged()
{
    TQuillInplaceEdit* editor = NormalEdit();
    if (!editor) return;
    const std::string text = editor->Text();
    SetCellSelectMode(!text.empty() && text[0] == '=');
    const int caret = editor->SelStart();
    if (caret > 0) ShowEditHint(text, TPoint{0, 0}, caret);
    else HideEditHint();
}

TInplaceEdit* TQuillSpreadGrid::HandleCreateEditor()
{
    TInplaceEdit* editor = TQuillStringGrid::HandleCreateEditor();
    if (TQuillInplaceEdit* normal = NormalEdit()) {
        TNotifyEvent previous = normal->OnChange;
        normal->OnChange = [this, previous](TObject* Sender) {
            if (previous) previous(Sender);
            EditorChanged();
        };
        // The hint belongs to the edit: it goes when the editor loses the focus.
        TNotifyEvent previousExit = normal->OnExit;
        normal->OnExit = [this, previousExit](TObject* Sender) {
            if (previousExit) previousExit(Sender);
            ShowEditHint({}, TPoint{-1, -1}, -1);
        };
    }
    return editor;
}

void TQuillSpreadGrid::ApplyEditText(int ACol, int ARow, const std::string& Value)
{
    TQuillStringGrid::ApplyEditText(ACol, ARow, Value);
    if (TCellGraphic* graphic = GetCellGraphic(RealColIndex(ACol), ARow)) {
        graphic->SetCellBoolean(false);
        graphic->SetCellErrFrom(0);
        graphic->SetCellErrLen(0);
    }
}
