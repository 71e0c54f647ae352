// The grid's look beyond its cell controls: background, progress bars, tree nodes,
// modified-cell marks and the header's filter drop-down lists.
#include "grid/model/AppearanceSettings.h"

#include "grid/model/SettingsPictures.h"

using grid::CopyPicture;

void TBackGround::Changed()
{
    if (FGrid)
        FGrid->RepaintWholeGrid();
}

void TBackGround::SetBitmap(const TBitmap* Value)
{
    CopyPicture(FBitmap, Value);
    Changed();
}

void TGridProgressAppearance::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TGridProgressAppearance::Assign(const TPersistent* SourceObject)
{
    const auto* source = dynamic_cast<const TGridProgressAppearance*>(SourceObject);
    if (!source)
        return;
    const TGridProgressAppearance& Source = *source;
    VISTRA_PROGRESS_OPTIONS(VISTRA_COPY_OPTION)
    Changed();
}

void TCellNode::Changed()
{
    if (FGrid)
        FGrid->RepaintWholeGrid();
}

void TCellNode::SetExpandGlyph(const TBitmap* Value)
{
    CopyPicture(FExpandGlyph, Value);
}

void TCellNode::SetContractGlyph(const TBitmap* Value)
{
    CopyPicture(FContractGlyph, Value);
}

void TCellNode::Assign(const TPersistent* SourceObject)
{
    const auto* source = dynamic_cast<const TCellNode*>(SourceObject);
    if (!source)
        return;
    const TCellNode& Source = *source;
    VISTRA_CELL_NODE_REPAINT_OPTIONS(VISTRA_COPY_OPTION)
    VISTRA_CELL_NODE_STORED_OPTIONS(VISTRA_COPY_OPTION)
    FExpandGlyph.Assign(&Source.FExpandGlyph);
    FContractGlyph.Assign(&Source.FContractGlyph);
}

void TShowModified::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TShowModified::Assign(const TPersistent* SourceObject)
{
    if (const auto* source = dynamic_cast<const TShowModified*>(SourceObject)) {
        FColor = source->FColor;
        FEnabled = source->FEnabled;
    }
}

TFilterDropDown::TFilterDropDown()
{
    auto pictureChanged = [this](TObject*) {
        if (OnChange)
            OnChange(this);
    };
    FGlyph.OnChange = pictureChanged;
    FGlyphActive.OnChange = pictureChanged;
}

void TFilterDropDown::SetGlyph(const TBitmap* Value)
{
    CopyPicture(FGlyph, Value);
}

void TFilterDropDown::SetGlyphActive(const TBitmap* Value)
{
    CopyPicture(FGlyphActive, Value);
}

void TFilterDropDown::Assign(const TPersistent* SourceObject)
{
    const auto* source = dynamic_cast<const TFilterDropDown*>(SourceObject);
    if (!source)
        return;
    FColor = source->FColor;
    FColumnWidth = source->FColumnWidth;
    FFont.Assign(&source->FFont);
    FHeight = source->FHeight;
    FWidth = source->FWidth;
    FGlyph.Assign(&source->FGlyph);
    FGlyphActive.Assign(&source->FGlyphActive);
}
