// Filtering the string grid's rows: the row test, filter passes stacked as
// levels of hidden rows, type-ahead narrowing and the filter drop-down's
// entries and selections.
#include "grid/QuillGrid.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "grid/base/AuxLists.h"
#include "grid/base/FilterMatch.h"
#include "grid/base/QuillUtilCellText.h"
#include "grid/model/FilterSettings.h"
#include "grid/model/RowStore.h"
#include "platform/classes/StringList.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/Strings.h"

// The conditions of Filter as one pass reads them: each condition parsed once.
struct TQuillStringGrid::TFilterPass {
    struct TCondition {
        const TFilterData* Data;
        // Null for an empty condition, which every row passes.
        std::unique_ptr<TFilterCondition> Matcher;
        // For whole-row conditions: the upper-cased text searched for.
        std::string RowText;
    };
    std::vector<TCondition> Conditions;
    // Whether the grid shows its stored texts, as asked once for the pass.
    bool StoredTexts;

    TFilterPass(const TFilter& Filter, bool AStoredTexts) : StoredTexts(AStoredTexts)
    {
        for (int i = 0; i < Filter.Count(); ++i) {
            const TFilterData* data = Filter.GetItem(i);
            TCondition condition{data, nullptr, {}};
            if (data->Data() == fcRow) condition.RowText = AnsiUpperCase(data->Condition());
            else if (!data->Condition().empty())
                condition.Matcher = std::make_unique<TFilterCondition>(data->Condition(), data->CaseSensitive());
            Conditions.push_back(std::move(condition));
        }
    }
};

namespace {

// Only a text holding this can be a wide text.
constexpr std::string_view WideTextMarker = "|\\";

// Cuts Prefix from the start and Suffix from the end, as a filter condition
// compares the text without them.
std::string_view CutAffixes(std::string_view Text, std::string_view Prefix, std::string_view Suffix)
{
    if (!Prefix.empty() && Text.starts_with(Prefix)) Text.remove_prefix(Prefix.size());
    if (!Suffix.empty())
        if (const std::size_t at = Text.find(Suffix); at != std::string_view::npos && at + Suffix.size() == Text.size())
            Text.remove_suffix(Suffix.size());
    return Text;
}

bool Join(TFilterOperation Operation, bool Result, bool Match)
{
    switch (Operation) {
    case foSHORT:
    case foNONE: return Match;
    case foAND: return Result && Match;
    case foXOR: return Result != Match;
    case foOR: return Result || Match;
    }
    return Match;
}

} // namespace

bool TQuillStringGrid::PlainStoredText(int ACol, int ARow, std::string_view& Text) const
{
    if (ACol < 0) return false;
    const grid::TRowRecord* row = FRowStore->FindRow(RealRowIndex(ARow));
    const auto c = static_cast<std::size_t>(ACol);
    if (TObject* const* object = row ? row->Objects.Find(c) : nullptr; object && *object) return false;
    const std::string* stored = row ? row->Texts.Find(c) : nullptr;
    Text = stored ? std::string_view(*stored) : std::string_view();
    return true;
}

std::string_view TQuillStringGrid::FilterCellText(int ACol, int ARow, TFilterCells Data, bool StoredTexts,
                                                  std::string& Storage)
{
    switch (Data) {
    case fcNormal: return Cells(ACol, ARow);
    case fcStripHTML: return Storage = StrippedCells(ACol, ARow);
    case fcRow:
        Storage.clear();
        for (int c = 0; c < TotalColCount(); ++c) Storage += (c ? "\n" : "") + GetCellEx(c, ARow);
        return Storage;
    case fcVirtual:
    case fcCalculated: break;
    }
    // A merge shows another cell's text, and merges live in the cells'
    // properties.
    std::string_view text;
    if (StoredTexts && PlainStoredText(ACol, ARow, text)) return text;
    return Storage = GetCellEx(ACol, ARow);
}

bool TQuillStringGrid::RowPassesFilter(int ARow, const TFilterPass& Pass)
{
    bool result = true;
    std::string storage, wide;
    for (const TFilterPass::TCondition& condition : Pass.Conditions) {
        const TFilterData& data = *condition.Data;
        std::string_view text =
            TrimmedView(FilterCellText(data.Column(), ARow, data.Data(), Pass.StoredTexts, storage));
        if (text.find(WideTextMarker) != std::string_view::npos && ClassifyCellText(text, false) == grid::ctkWide) {
            wide = rtl::Utf16ToUtf8(DecodeWideCellText(text));
            text = wide;
        }
        bool match = true;
        if (data.Data() == fcRow) match = AnsiUpperCase(text).find(condition.RowText) != std::string::npos;
        else if (condition.Matcher) match = condition.Matcher->Matches(CutAffixes(text, data.Prefix(), data.Suffix()));
        result = Join(data.Operation(), result, match);
        if (data.Operation() == foSHORT && !match) break;
    }
    if (OnCustomFilter) OnCustomFilter(this, ARow, result);
    return result;
}

bool TQuillStringGrid::DoCustomFilter(int ARow)
{
    if (FFilterPass) return RowPassesFilter(ARow, *FFilterPass);
    const TFilterPass pass(*FFilter, ShowsStoredTexts());
    return RowPassesFilter(ARow, pass);
}

void TQuillStringGrid::FilterRow(int ARow)
{
    if (!DoCustomFilter(ARow)) HideRow(RealRowIndex(ARow));
}

void TQuillStringGrid::ApplyFilter()
{
    FFilterFixedRows = FixedRows();
    const int first = FixedRows();
    const int last = RowCount() - FFixedFooters - 1;
    const int total = last - first + 1;
    const TFilterPass pass(*FFilter, ShowsStoredTexts());
    FFilterPass = &pass;
    std::vector<unsigned char> hide(static_cast<std::size_t>(RowCount()), 0);
    {
        rtl::ScopeExit endPass([this] { FFilterPass = nullptr; });
        int progress = 0;
        int done = 0;
        for (int r = first; r <= last; ++r) {
            // Node and summary rows exist only in an outline.
            if (FFilterNormalCellsOnly && FNumNodes > 0 && (IsNode(r) || IsSummary(r))) continue;
            if (!DoCustomFilter(r)) hide[static_cast<std::size_t>(r)] = 1;
            ++done;
            if (OnFilterProgress && total > 0) {
                progress = static_cast<int>(std::nearbyint(done * 100.0 / total));
                OnFilterProgress(this, static_cast<short>(progress));
            }
        }
        HideFilterPass(std::move(hide));
        if (OnFilterProgress && total > 0) OnFilterProgress(this, static_cast<short>(progress));
    }
}

void TQuillStringGrid::SetFilterActive(bool Value)
{
    if (Value != FFilterActive) {
        FFilterActive = Value;
        if (Value) {
            if (Row() < 0 || Row() >= RowCount() || Col() < 0 || Col() >= ColCount())
                FocusCell(FixedCols(), FixedRows(), true);
            ApplyFilter();
            FSelHidden = false;
        } else {
            EndFilterLevel();
        }
        SetTopRow(FixedRows());
    }
    CalcFooter(-1);
}

// Shows the rows of the last level again. The level count drops with it, so
// that switching the filter off and removing a level count alike.
void TQuillStringGrid::EndFilterLevel()
{
    UnHideRowList();
    SetFixedRows(std::min(FFilterFixedRows, std::max(RowCount() - 1, 0)));
    if (FSelHidden) UnHideSelection();
    if (FFilterLevel > 0) --FFilterLevel;
}

bool TQuillStringGrid::RemoveLastFilter()
{
    if (FFilterLevel <= 0) return false;
    EndFilterLevel();
    CalcFooter(-1);
    return FFilterLevel > 1;
}

void TQuillStringGrid::RemoveAllFilters()
{
    if (FFilterLevel <= 0) {
        FFilter->Clear();
        return;
    }
    while (FFilterLevel > 0) RemoveLastFilter();
}

void TQuillStringGrid::ApplyFilterCondition(const std::string& ACondition, int AColumn)
{
    FFilter->Clear();
    TFilterData& data = *FFilter->Add();
    // The typed text is taken literally: characters of the condition
    // language in it match themselves.
    if (AColumn == -1) {
        data.SetData(fcRow);
        data.SetCondition(ACondition);
    } else {
        data.SetData(fcNormal);
        data.SetCondition("*" + EscapeFilterText(ACondition) + "*");
    }
    data.SetCaseSensitive(false);
    data.SetColumn(AColumn);
    ApplyFilter();
}

void TQuillStringGrid::NarrowDown(const std::string& ACondition, int AColumn)
{
    SetFixedRowAlways(true);
    if (ACondition.size() == FLastFilter.size() + 1 && ACondition.starts_with(FLastFilter)) {
        ApplyFilterCondition(ACondition, AColumn);
    } else if (!ACondition.empty() && ACondition.size() + 1 == FLastFilter.size() &&
               FLastFilter.starts_with(ACondition)) {
        RemoveLastFilter();
    } else {
        RemoveAllFilters();
        if (!ACondition.empty()) ApplyFilterCondition(ACondition, AColumn);
    }
    FLastFilter = ACondition;
}

// The drop-down.

void TQuillStringGrid::SetFilterDropDownAuto(bool Value)
{
    FFilterDropDownAuto = Value;
    Invalidate();
}

void TQuillStringGrid::SetFilterDropDownRow(int Value)
{
    if (Value >= FixedRows()) return;
    FFilterDropDownRow = Value;
    Invalidate();
}

bool TQuillStringGrid::DoGetColumnFilter(int ACol)
{
    FFilterList->Clear();
    FFilterEntries.clear();
    if (FFilterDropDownAuto) {
        std::vector<std::string> values;
        for (int r = FixedRows(); r < RowCount() - FFixedFooters; ++r) values.push_back(Trim(GetCellEx(ACol, r)));
        if (!FFilterIncremental)
            for (int r = 0; r < TotalRowCount(); ++r)
                if (IsHiddenRow(r)) values.push_back(Trim(AllCells(ACol, r)));
        std::sort(values.begin(), values.end());
        values.erase(std::unique(values.begin(), values.end()), values.end());
        FFilterList->Add(FFilterDropDownClear);
        FFilterEntries.emplace_back(FFilterDropDownClear, std::string());
        // Each value's entry is the value itself; its condition, kept beside
        // the list, matches that value only.
        for (const std::string& value : values) {
            if (value.empty()) continue;
            FFilterList->Add(value);
            FFilterEntries.emplace_back(value, EscapeFilterText(value));
        }
    }
    if (OnGetColumnFilter) OnGetColumnFilter(this, ACol, FFilterList.get());
    return FFilterList->Count() > 0;
}

std::string TQuillStringGrid::FilterEntryCondition(int ItemIndex, std::string& FriendlyName)
{
    const std::string entry = FFilterList->Strings(ItemIndex);
    FriendlyName = entry;
    std::string condition = entry;
    const auto item = static_cast<std::size_t>(ItemIndex);
    if (item < FFilterEntries.size() && FFilterEntries[item].first == entry) {
        condition = FFilterEntries[item].second;
    } else if (const std::size_t equals = entry.find('='); equals != std::string::npos) {
        // An entry the application added: friendly name "=" condition.
        FriendlyName = entry.substr(0, equals);
        condition = entry.substr(equals + 1);
    }
    return condition == FFilterDropDownClear ? std::string() : condition;
}

void TQuillStringGrid::FilterListSelect(TObject*, int ItemIndex)
{
    if (CanFocus()) SetFocus();
    const int col = FFilterCol;
    if (col < 0 || col >= AllColCount()) return;
    DoGetColumnFilter(col);
    if (ItemIndex < 0 || ItemIndex >= FFilterList->Count()) return;
    std::string name;
    std::string condition = FilterEntryCondition(ItemIndex, name);
    if (FAutoFilterUpdate) SetFilterActive(false);
    if (OnFilterSelect) OnFilterSelect(this, col, ItemIndex, name, condition);
    if (!condition.empty()) FFilter->GetColFilter(col)->SetCondition(condition);
    else FFilter->RemoveColumnFilter(col);
    if (FAutoFilterUpdate) {
        SetFixedRowAlways(true);
        SetFilterActive(true);
        if (RowCount() != FixedRows() && RowCount() != 1) SetRow(FixedRows());
        DoFilterDone();
    }
    FFilterCol = -1;
}

void TQuillStringGrid::FilterCheckListSelect(const std::vector<int>& CheckedItems)
{
    const int col = FFilterCol;
    if (col < 0 || col >= AllColCount()) return;
    DoGetColumnFilter(col);
    std::vector<std::string> conditions;
    for (int item : CheckedItems) {
        if (item < 0 || item >= FFilterList->Count()) continue;
        std::string name;
        conditions.push_back(FilterEntryCondition(item, name));
    }
    FilterOnConditions(col, conditions);
}

void TQuillStringGrid::FilterOnConditions(int ACol, const std::vector<std::string>& Conditions)
{
    if (FAutoFilterUpdate) SetFilterActive(false);
    FFilter->Clear();
    bool firstCondition = true;
    for (const std::string& condition : Conditions) {
        TFilterData& data = *FFilter->Add();
        data.SetColumn(ACol);
        data.SetCondition(condition);
        data.SetOperation(firstCondition ? foNONE : foOR);
        firstCondition = false;
    }
    SetFilterActive(true);
    Invalidate();
}

void TQuillStringGrid::DoFilterDone()
{
    if (OnFilterDone) OnFilterDone(this);
}
