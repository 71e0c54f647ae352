// How the grid sorts on a header click and shows its sort state, and the sort state's
// text form that lets an application store and restore the user's sort order.
#include "grid/model/SortSettings.h"

#include "grid/base/AuxLists.h"
#include "grid/model/SettingsPictures.h"
#include "platform/rtl/Exceptions.h"

#include <charconv>
#include <optional>

namespace {

// A whole decimal integer with an optional minus sign; nothing else may surround it.
std::optional<int> ParseDecimalColumn(std::string_view Text)
{
    int value = 0;
    const char* end = Text.data() + Text.size();
    auto [stop, error] = std::from_chars(Text.data(), end, value);
    if (Text.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

} // namespace

void TSortSettings::SetShow(bool Value)
{
    if (FShow == Value)
        return;
    FShow = Value;
    if (FGrid)
        FGrid->RepaintWholeGrid();
}

void TSortSettings::SetRow(int Value)
{
    if (FGrid && Value >= FGrid->GridFixedRows())
        throw Exception("Sort row should be smaller than number of fixed rows");
    FRow = Value;
}

void TSortSettings::SetUpGlyph(const TBitmap* Value)
{
    grid::CopyPicture(FUpGlyph, Value);
}

void TSortSettings::SetDownGlyph(const TBitmap* Value)
{
    grid::CopyPicture(FDownGlyph, Value);
}

void TSortSettings::SetIndexUpGlyph(const TBitmap* Value)
{
    grid::CopyPicture(FIndexUpGlyph, Value);
}

void TSortSettings::SetIndexDownGlyph(const TBitmap* Value)
{
    grid::CopyPicture(FIndexDownGlyph, Value);
}

void TSortSettings::RepaintHeaderRow()
{
    // A grid without fixed rows has no header to show the sort state in.
    if (FGrid && FGrid->GridFixedRows() > 0)
        FGrid->RepaintGridRow(FGrid->GridFixedRows() - 1);
}

void TSortSettings::SetHeaderColor(TColor& Field, TColor Value)
{
    if (Field == Value)
        return;
    Field = Value;
    RepaintHeaderRow();
}

std::string TSortSettings::SaveToString() const
{
    if (FIndexShow)
        return "i;" + (FGrid ? FGrid->GridSortIndexes().SaveToString() : std::string());
    return (FDirection == sdDescending ? "d" : "u") + std::to_string(FColumn);
}

void TSortSettings::LoadFromString(std::string_view Value)
{
    if (Value.empty())
        return;
    SetShow(true);
    if (Value.size() < 2)
        throw Exception("Invalid sort settings specifier");

    if (Value.find("i;") != std::string_view::npos) {
        FIndexShow = true;
        std::string_view indexes = Value.substr(2);
        if (!indexes.empty() && FGrid) {
            FGrid->GridSortIndexes().LoadFromString(indexes);
            FGrid->SortGridByIndexes();
        }
        return;
    }

    FIndexShow = false;
    FDirection = Value.find('u') != std::string_view::npos ? sdAscending : sdDescending;
    std::optional<int> column = ParseDecimalColumn(Value.substr(1));
    if (!column)
        return;
    FColumn = *column;
    if (FGrid)
        FGrid->SortGridByColumn();
}

void TSortSettings::Remove()
{
    FColumn = -1;
    if (FGrid)
        FGrid->GridSortIndexes().Clear();
    RepaintHeaderRow();
}

void TSortSettings::ToggleDirection() noexcept
{
    FDirection = FDirection == sdAscending ? sdDescending : sdAscending;
}

void TSortSettings::Assign(const TPersistent* SourceObject)
{
    const auto* source = dynamic_cast<const TSortSettings*>(SourceObject);
    if (!source)
        return;
    const TSortSettings& Source = *source;
    VISTRA_SORT_COPIED_OPTIONS(VISTRA_COPY_OPTION)
    VISTRA_SORT_HEADER_COLORS(VISTRA_COPY_OPTION)
    FShow = Source.FShow;
    FRow = Source.FRow;
    FUpGlyph.Assign(&Source.FUpGlyph);
    FDownGlyph.Assign(&Source.FDownGlyph);
    FIndexUpGlyph.Assign(&Source.FIndexUpGlyph);
    FIndexDownGlyph.Assign(&Source.FIndexDownGlyph);
}
