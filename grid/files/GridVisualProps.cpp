// The grid's visual properties in a key=value file and its print settings in
// an INI section: which setting each key stands for.
#include "grid/QuillGrid.h"
#include "grid/paint/GridLooks.h"

#include "grid/base/GridSettings.h"
#include "grid/base/SearchFooter.h"
#include "grid/files/GridSettingsStore.h"
#include "grid/files/VisualSettings.h"
#include "grid/model/AppearanceSettings.h"
#include "grid/model/BehaviourSettings.h"
#include "grid/model/ControlLook.h"
#include "grid/model/FloatingFooter.h"
#include "grid/model/SortSettings.h"

#include <vector>

namespace {

using grid::TBoolValue;
using grid::TColorValue;
using grid::TFontValue;
using grid::TIntegerValue;
using grid::TNameValue;
using grid::TVisualSetting;

// A setting bound to a getter and a setter of an object.
template <class Value, class Object>
Value Bound(Object& O, auto Get, auto Set)
{
    Value v;
    v.Get = [&O, Get] { return (O.*Get)(); };
    v.Set = [&O, Set](auto x) { (O.*Set)(x); };
    return v;
}

// A colour the grid keeps among its look colours, repainting when it changes.
TColorValue LookColor(TQuillStringGrid& G, TColor grid::TGridLookColors::*Field)
{
    TColorValue v;
    v.Get = [&G, Field] { return G.LookColors().*Field; };
    v.Set = [&G, Field](TColor c) {
        G.LookColors().*Field = c;
        G.Invalidate();
    };
    return v;
}

// An enumeration by the names of its values in ordinal order.
template <class Object>
TNameValue Named(Object& O, auto Get, auto Set, std::vector<std::string_view> Names)
{
    TNameValue v;
    v.Get = [&O, Get] { return static_cast<int>((O.*Get)()); };
    v.Set = [&O, Set](int x) { (O.*Set)(static_cast<decltype((O.*Get)())>(x)); };
    v.Names = std::move(Names);
    return v;
}

TIntegerValue Ranged(TIntegerValue Value, int Least, int Most)
{
    Value.Least = Least;
    Value.Most = Most;
    return Value;
}

// Every visual setting in the order of the file.
std::vector<TVisualSetting> VisualSettingsOf(TQuillStringGrid& G)
{
    using Grid = TQuillStringGrid;
    TBalloonSettings& balloon = G.Balloon();
    TBands& bands = G.Bands();
    TControlLook& look = G.ControlLook();
    TGrouping& grouping = G.Grouping();
    TBackGround& background = G.BackGround();
    TIntegerValue transparency;
    transparency.Get = [&balloon] { return int(balloon.Transparency()); };
    transparency.Set = [&balloon](int x) { balloon.SetTransparency(static_cast<std::uint8_t>(x)); };
    return {
        {"Color", Bound<TColorValue>(static_cast<TControl&>(G), &TControl::Color, &TControl::SetColor)},
        {"HintColor", Bound<TColorValue>(G, &Grid::HintColor, &Grid::SetHintColor)},
        {"SelectionColor", Bound<TColorValue>(G, &Grid::SelectionColor, &Grid::SetSelectionColor)},
        {"SelectionColorTo", LookColor(G, &grid::TGridLookColors::SelectionColorTo)},
        {"SelectionTextColor", Bound<TColorValue>(G, &Grid::SelectionTextColor, &Grid::SetSelectionTextColor)},
        {"URLColor", Bound<TColorValue>(G, &Grid::URLColor, &Grid::SetURLColor)},
        {"URLShow", Bound<TBoolValue>(G, &Grid::URLShow, &Grid::SetURLShow)},
        {"URLShowInText", Bound<TBoolValue>(G, &Grid::URLShowInText, &Grid::SetURLShowInText)},
        {"ActiveRowColor", Bound<TColorValue>(G, &Grid::ActiveRowColor, &Grid::SetActiveRowColor)},
        {"ActiveRowShow", Bound<TBoolValue>(G, &Grid::ActiveRowShow, &Grid::SetActiveRowShow)},
        {"ActiveCellShow", Bound<TBoolValue>(G, &Grid::ActiveCellShow, &Grid::SetActiveCellShow)},
        {"Font", TFontValue{&G.Font()}},
        {"ActiveCellColor", LookColor(G, &grid::TGridLookColors::ActiveCellColor)},
        {"ActiveCellColorTo", LookColor(G, &grid::TGridLookColors::ActiveCellColorTo)},
        {"ActiveCellFont", TFontValue{&G.ActiveCellFont()}},
        {"FixedFont", TFontValue{&G.FixedFont()}},
        {"Balloon.BackgroundColor",
         Bound<TColorValue>(balloon, &TBalloonSettings::BackgroundColor, &TBalloonSettings::SetBackgroundColor)},
        {"Balloon.TextColor", Bound<TColorValue>(balloon, &TBalloonSettings::TextColor, &TBalloonSettings::SetTextColor)},
        {"Balloon.Transparency", Ranged(transparency, 0, 255)},
        {"Bands.PrimaryColor", Bound<TColorValue>(bands, &TBands::PrimaryColor, &TBands::SetPrimaryColor)},
        {"Bands.SecondaryColor", Bound<TColorValue>(bands, &TBands::SecondaryColor, &TBands::SetSecondaryColor)},
        {"Bands.Active", Bound<TBoolValue>(bands, &TBands::Active, &TBands::SetActive)},
        {"SortSettings.IndexColor",
         Bound<TColorValue>(G.SortSettings(), &TSortSettings::IndexColor, &TSortSettings::SetIndexColor)},
        {"FloatingFooter.Color",
         Bound<TColorValue>(G.FloatingFooter(), &TFloatingFooter::Color, &TFloatingFooter::SetColor)},
        {"ControlLook.CheckSize",
         Ranged(Bound<TIntegerValue>(look, &TControlLook::CheckSize, &TControlLook::SetCheckSize), 0, 1000)},
        {"ControlLook.Color", Bound<TColorValue>(look, &TControlLook::Color, &TControlLook::SetColor)},
        {"ControlLook.CommentColor", Bound<TColorValue>(look, &TControlLook::CommentColor, &TControlLook::SetCommentColor)},
        {"ControlLook.ControlStyle",
         Named(look, &TControlLook::ControlStyle, &TControlLook::SetControlStyle,
               {"csClassic", "csFlat", "csWinXP", "csTarvic", "csQOR", "csGlyph", "csTheme"})},
        {"ControlLook.FixedGradientFrom",
         Bound<TColorValue>(look, &TControlLook::FixedGradientFrom, &TControlLook::SetFixedGradientFrom)},
        {"ControlLook.FixedGradientTo",
         Bound<TColorValue>(look, &TControlLook::FixedGradientTo, &TControlLook::SetFixedGradientTo)},
        {"ControlLook.RadioSize",
         Ranged(Bound<TIntegerValue>(look, &TControlLook::RadioSize, &TControlLook::SetRadioSize), 0, 1000)},
        {"ControlLook.FlatButton", Bound<TBoolValue>(look, &TControlLook::FlatButton, &TControlLook::SetFlatButton)},
        {"ControlLook.ProgressBorderColor",
         Bound<TColorValue>(look, &TControlLook::ProgressBorderColor, &TControlLook::SetProgressBorderColor)},
        {"ControlLook.ProgressXP", Bound<TBoolValue>(look, &TControlLook::ProgressXP, &TControlLook::SetProgressXP)},
        {"Look",
         Named(G, &Grid::Look, &Grid::SetLook,
               {"glStandard", "glSoft", "glClassic", "glQOR", "glXP", "glListView", "glVista", "glWin7", "glOffice2007"}),
         true},
        {"SearchFooter.Color", Bound<TColorValue>(G.SearchFooter(), &TSearchFooter::Color, &TSearchFooter::SetColor)},
        {"SearchFooter.ColorTo",
         Bound<TColorValue>(G.SearchFooter(), &TSearchFooter::ColorTo, &TSearchFooter::SetColorTo)},
        {"GridLineColor", Bound<TColorValue>(G, &Grid::GridLineColor, &Grid::SetGridLineColor)},
        {"GridFixedLineColor", Bound<TColorValue>(G, &Grid::GridFixedLineColor, &Grid::SetGridFixedLineColor)},
        {"Grouping.HeaderColor", Bound<TColorValue>(grouping, &TGrouping::HeaderColor, &TGrouping::SetHeaderColor)},
        {"Grouping.HeaderColorTo", Bound<TColorValue>(grouping, &TGrouping::HeaderColorTo, &TGrouping::SetHeaderColorTo)},
        {"Grouping.HeaderTextColor",
         Bound<TColorValue>(grouping, &TGrouping::HeaderTextColor, &TGrouping::SetHeaderTextColor)},
        {"Grouping.HeaderUnderline",
         Bound<TBoolValue>(grouping, &TGrouping::HeaderUnderline, &TGrouping::SetHeaderUnderline)},
        {"Grouping.HeaderLineColor",
         Bound<TColorValue>(grouping, &TGrouping::HeaderLineColor, &TGrouping::SetHeaderLineColor)},
        {"Grouping.HeaderLineWidth",
         Ranged(Bound<TIntegerValue>(grouping, &TGrouping::HeaderLineWidth, &TGrouping::SetHeaderLineWidth), 0, 1000)},
        {"Grouping.SummaryColor", Bound<TColorValue>(grouping, &TGrouping::SummaryColor, &TGrouping::SetSummaryColor)},
        {"Grouping.SummaryColorTo",
         Bound<TColorValue>(grouping, &TGrouping::SummaryColorTo, &TGrouping::SetSummaryColorTo)},
        {"Grouping.SummaryTextColor",
         Bound<TColorValue>(grouping, &TGrouping::SummaryTextColor, &TGrouping::SetSummaryTextColor)},
        {"Grouping.SummaryLine", Bound<TBoolValue>(grouping, &TGrouping::SummaryLine, &TGrouping::SetSummaryLine)},
        {"Grouping.SummaryLineColor",
         Bound<TColorValue>(grouping, &TGrouping::SummaryLineColor, &TGrouping::SetSummaryLineColor)},
        {"Grouping.SummaryLineWidth",
         Ranged(Bound<TIntegerValue>(grouping, &TGrouping::SummaryLineWidth, &TGrouping::SetSummaryLineWidth), 0, 1000)},
        {"BackGround.Top", Bound<TIntegerValue>(background, &TBackGround::Top, &TBackGround::SetTop)},
        {"BackGround.Left", Bound<TIntegerValue>(background, &TBackGround::Left, &TBackGround::SetLeft)},
        {"BackGround.Display",
         Named(background, &TBackGround::Display, &TBackGround::SetDisplay,
               {"bdTile", "bdFixed", "bdGradientHorz", "bdGradientVert"})},
        {"BackGround.Cells", Named(background, &TBackGround::Cells, &TBackGround::SetCells, {"bcNormal", "bcFixed", "bcAll"})},
        {"BackGround.Color", Bound<TColorValue>(background, &TBackGround::Color, &TBackGround::SetColor)},
        {"BackGround.ColorTo", Bound<TColorValue>(background, &TBackGround::ColorTo, &TBackGround::SetColorTo)},
    };
}

} // namespace

void TQuillStringGrid::SaveVisualProps(const std::string& FileName)
{
    grid::SaveVisualSettings(VisualSettingsOf(*this), FileName);
}

void TQuillStringGrid::LoadVisualProps(const std::string& FileName)
{
    grid::LoadVisualSettings(VisualSettingsOf(*this), FileName);
}

void TQuillStringGrid::SavePrintSettings(const std::string& Key, const std::string& Section)
{
    grid::SavePrintSettings(PrintSettings(), Key, Section);
}

void TQuillStringGrid::LoadPrintSettings(const std::string& Key, const std::string& Section)
{
    grid::LoadPrintSettings(PrintSettings(), Key, Section);
}
