// The grid's column layout kept as one text or as "Col"/"Pos" keys in an INI file or the registry.
#include "grid/QuillGrid.h"

#include "grid/base/AuxLists.h"
#include "grid/model/BehaviourSettings.h"
#include "platform/classes/IniFiles.h"
#include "platform/classes/Registry.h"
#include "platform/rtl/Numbers.h"

#include <algorithm>

namespace {

// Sizes beyond this are no layout a grid saved.
constexpr int kMostLayoutColumns = 100'000;

std::vector<int> IntegerList(std::string_view Text)
{
    std::vector<int> values;
    std::size_t pos = 0;
    while (pos <= Text.size() && !Text.empty()) {
        std::size_t end = Text.find(',', pos);
        if (end == std::string_view::npos) end = Text.size();
        values.push_back(StrToInt(Text.substr(pos, end - pos)));
        pos = end + 1;
        if (values.size() > kMostLayoutColumns) throw EConvertError("Column layout has too many entries");
    }
    return values;
}

std::string JoinIntegers(const std::vector<int>& Values)
{
    std::string text;
    for (std::size_t i = 0; i < Values.size(); ++i)
        text += (i ? "," : "") + IntToStr(Values[i]);
    return text;
}

// For each index p, the position where p stands; -1 where it stands nowhere.
std::vector<int> Inverse(const std::vector<int>& Order, int Count)
{
    std::vector<int> inverse(static_cast<std::size_t>(Count), -1);
    for (std::size_t position = 0; position < Order.size(); ++position)
        if (Order[position] >= 0 && Order[position] < Count) inverse[Order[position]] = static_cast<int>(position);
    return inverse;
}

} // namespace

std::string TQuillStringGrid::ColumnStatesToString()
{
    const int count = AllColCount();
    std::vector<int> widths, order, shown;
    for (int c = 0; c < count; ++c) {
        widths.push_back(AllColWidths(c));
        shown.push_back(IsHiddenColumn(c) ? 0 : 1);
    }
    for (int i = 0; i < FColumnOrder->Count(); ++i) order.push_back(FColumnOrder->GetInteger(i));
    if (order.empty())
        for (int c = 0; c < count; ++c) order.push_back(c);
    return IntToStr(count) + "#" + JoinIntegers(widths) + "#" + JoinIntegers(order) + "#" + JoinIntegers(shown);
}

void TQuillStringGrid::ApplyColumnOrder(const std::vector<int>& Order)
{
    std::vector<int> order;
    for (int entry : Order)
        if (entry >= 0 && entry < AllColCount()) order.push_back(entry);
    FColumnOrder->Clear();
    for (int entry : Inverse(order, AllColCount())) FColumnOrder->Add(entry);
    if (!order.empty()) ResetColumnOrder();
    FColumnOrder->Clear();
    for (int entry : order) FColumnOrder->Add(entry);
}

void TQuillStringGrid::StringToColumnStates(const std::string& Value)
{
    if (Value.find('#') == std::string::npos) return;
    // Every part is read and checked before the grid changes.
    std::vector<std::string_view> parts;
    std::string_view rest = Value;
    for (int i = 0; i < 3; ++i) {
        const std::size_t hash = rest.find('#');
        parts.push_back(rest.substr(0, hash));
        rest = hash == std::string_view::npos ? std::string_view() : rest.substr(hash + 1);
    }
    parts.push_back(rest);
    const int count = StrToInt(parts[0]);
    if (count < 1 || count > kMostLayoutColumns) throw EConvertError("Column layout of " + IntToStr(count) + " columns");
    const std::vector<int> widths = IntegerList(parts[1]), order = IntegerList(parts[2]), shown = IntegerList(parts[3]);
    if (widths.size() < static_cast<std::size_t>(count) || shown.size() < static_cast<std::size_t>(count))
        throw EConvertError("Column layout names " + IntToStr(count) + " columns but gives fewer widths or states");

    FColumnOrder->Clear();
    UnHideColumnsAll();
    SetColCount(count);
    ApplyColumnOrder(order);
    const bool stretch = ColumnSize().Stretch();
    ColumnSize().SetStretch(false);
    for (int c = 0; c < count; ++c)
        if (widths[c] >= 0) SetAllColWidths(c, widths[c]);
    for (int c = count - 1; c >= 0; --c)
        if (shown[c] == 0) HideColumn(c);
    ColumnSize().SetStretch(stretch);
}

std::unique_ptr<TCustomIniFile> TQuillStringGrid::OpenColumnStore()
{
    if (ColumnSize().Key().empty() || ColumnSize().Section().empty()) return nullptr;
    if (ColumnSize().Location() == clIniFile) return std::make_unique<TMemIniFile>(ColumnSize().Key());
    return std::make_unique<TRegistryIniFile>(ColumnSize().Key());
}

void TQuillStringGrid::SaveColSizes()
{
    const auto store = OpenColumnStore();
    if (!store) return;
    for (int c = 0; c < ColCount(); ++c) store->WriteInteger(ColumnSize().Section(), "Col" + IntToStr(c), ColWidths(c));
    store->UpdateFile();
}

void TQuillStringGrid::LoadColSizes()
{
    const auto store = OpenColumnStore();
    if (!store) return;
    for (int c = 0; c < ColCount(); ++c) {
        const int width = store->ReadInteger(ColumnSize().Section(), "Col" + IntToStr(c), ColWidths(c));
        if (width != ColWidths(c) && width >= 0) SetColWidths(c, width);
    }
}

void TQuillStringGrid::SaveColPositions()
{
    const auto store = OpenColumnStore();
    if (!store || FColumnOrder->Count() == 0) return;
    for (int i = 0; i < FColumnOrder->Count(); ++i)
        store->WriteInteger(ColumnSize().Section(), "Pos" + IntToStr(i), FColumnOrder->GetInteger(i));
    store->UpdateFile();
}

void TQuillStringGrid::LoadColPositions()
{
    const auto store = OpenColumnStore();
    if (!store || store->ReadInteger(ColumnSize().Section(), "Pos0", -1) == -1) return;
    std::vector<int> order;
    for (int i = 0; i < AllColCount(); ++i) {
        const int entry = store->ReadInteger(ColumnSize().Section(), "Pos" + IntToStr(i), -1);
        if (entry != -1) order.push_back(entry);
    }
    std::vector<int> hidden;
    for (int c = 0; c < AllColCount(); ++c)
        if (IsHiddenColumn(c)) hidden.push_back(c);
    ApplyColumnOrder(order);
    for (int c : hidden) HideColumn(c);
}
