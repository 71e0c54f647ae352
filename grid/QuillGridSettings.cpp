// The settings objects the grid owns: built with their defaults and wired to
// the grid, copied from another grid, and the owning form's resizes.
#include "grid/QuillGrid.h"
#include "grid/model/ControlLook.h"
#include "grid/base/GridSettings.h"
#include "grid/base/SearchFooter.h"
#include "grid/model/AppearanceSettings.h"
#include "grid/model/BehaviourSettings.h"
#include "grid/model/FloatingFooter.h"
#include "grid/model/PrintSettings.h"

#include "grid/base/MouseActions.h"
#include "grid/base/NavigationSettings.h"
#include "grid/base/QuillHintInfo.h"
#include "grid/model/FilterSettings.h"
#include "grid/model/SortSettings.h"
#include "platform/classes/StringList.h"
#include "platform/graphics/Bitmap.h"
#include "render/PictureContainer.h"

namespace {

constexpr const char* FixedFontName = "Tahoma";

} // namespace

void TQuillStringGrid::BuildOwnedSettings()
{
    const bool designing = ComponentState().Contains(csDesigning);
    const TComponent* owner = Owner();
    const bool ownerLoading = owner && (owner->ComponentState().Contains(csReading) ||
                                        owner->ComponentState().Contains(csLoading));
    const TNotifyEvent repaint = [this](TObject*) { Invalidate(); };

    FSearchFooter = std::make_unique<TSearchFooter>(this, designing && !ownerLoading);
    FFloatingFooter = std::make_unique<TFloatingFooter>();
    FFloatingFooter->OnChange = repaint;
    FFloatingFooter->OnLayoutChange = [this](TObject*) { ApplyFloatingFooterLayout(); };
    FPrintSettings = std::make_unique<TPrintSettings>();
    FDragDropSettings = std::make_unique<TDragDropSettings>(this);
    FControlLook = std::make_unique<TControlLook>(this);
    FBands = std::make_unique<TBands>();
    FBands->OnChange = repaint;
    FSizeWhileTyping = std::make_unique<TSizeWhileTyping>();
    FImageCache = std::make_unique<THTMLPictureCache>();
    FFixedFont = std::make_unique<TFont>();
    FFixedFont->SetName(FixedFontName);
    FFixedFont->SetStyle(TFontStyles{fsBold});
    FFixedFont->OnChange = repaint;
    FActiveCellFont = std::make_unique<TFont>();
    if (designing) FActiveCellFont->SetName(FixedFontName);
    FActiveCellFont->SetStyle(TFontStyles{fsBold});
    FActiveCellFont->OnChange = repaint;
    FLookupItems = std::make_unique<TStringList>();
    FRowIndicator = std::make_unique<TBitmap>();
    FBackGround = std::make_unique<TBackGround>(this);
    FProgressAppearance = std::make_unique<TGridProgressAppearance>();
    FProgressAppearance->OnChange = repaint;
    FSyncGrid = std::make_unique<TSyncGrid>(this);
    FBalloon = std::make_unique<TBalloonSettings>();
    // Balloon tips start and stop at once with Enable (not while designing).
    FBalloon->OnEnableChange = [this](TObject*) {
        if (FBalloon->Enable() && !ComponentState().Contains(csDesigning)) BalloonInit();
        else BalloonDone();
    };
    FShowModified = std::make_unique<TShowModified>();
    FShowModified->OnChange = [this](TObject*) { InvalidateCol(0); };
    FOfficeHint = std::make_unique<TQuillHintInfo>();
    FFilterDropDown = std::make_unique<TFilterDropDown>();
    FFilterDropDown->OnChange = repaint;
}

void TQuillStringGrid::ApplyFloatingFooterLayout()
{
    const TFloatingFooter& footer = *FFloatingFooter;
    SetFixedFooters(footer.Visible() && footer.FooterStyle() == fsFixedLastRow ? 1 : 0);
    Invalidate();
}

void TQuillStringGrid::SetFixedFont(const TFont* Value)
{
    FFixedFont->Assign(Value);
    Invalidate();
}

void TQuillStringGrid::SetActiveCellFont(const TFont* Value) { FActiveCellFont->Assign(Value); }

void TQuillStringGrid::SetRowIndicator(const TBitmap* Value)
{
    FRowIndicator->Assign(Value);
    InvalidateCol(0);
}

void TQuillStringGrid::SetLookupItems(const TStrings* Value)
{
    if (Value) FLookupItems->Assign(Value);
}

void TQuillStringGrid::AssignOwnedSettings(TQuillStringGrid& Source)
{
    FMouseActions->Assign(Source.FMouseActions.get());
    FNavigation->Assign(Source.FNavigation.get());
    FGrouping->Assign(Source.FGrouping.get());
    FSearchFooter->Assign(Source.FSearchFooter.get());
    FPrintSettings->Assign(Source.FPrintSettings.get());
    FFilter->Assign(Source.FFilter.get());
    FHTMLSettings->Assign(Source.FHTMLSettings.get());
    FBands->Assign(Source.FBands.get());
    CellNode().Assign(&Source.CellNode());
    FSortSettings->Assign(Source.FSortSettings.get());
    FDragScrollOptions->Assign(Source.FDragScrollOptions.get());
    FDragDropSettings->Assign(Source.FDragDropSettings.get());
    FProgressAppearance->Assign(Source.FProgressAppearance.get());
    FColumnSize->Assign(Source.FColumnSize.get());
    FSyncGrid->Assign(Source.FSyncGrid.get());
    FocusHelper().Assign(&Source.FocusHelper());
    FOfficeHint->Assign(Source.FOfficeHint.get());
}
