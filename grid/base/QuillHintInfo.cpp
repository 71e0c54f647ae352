// The office-style hint content: copying and the emptiness test.
#include "grid/base/QuillHintInfo.h"

#include "platform/classes/StringList.h"
#include "render/GDIPicture.h"

TQuillHintInfo::TQuillHintInfo() : FPicture(std::make_unique<TGDIPPicture>()), FNotes(std::make_unique<TStringList>())
{
}

TQuillHintInfo::~TQuillHintInfo() = default;

void TQuillHintInfo::Assign(const TPersistent* Source)
{
    auto* other = dynamic_cast<const TQuillHintInfo*>(Source);
    if (!other || other == this) return;
    FTitle = other->FTitle;
    FNotes->Assign(other->FNotes.get());
    FShowHelp = other->FShowHelp;
    FPicture->Assign(other->FPicture.get());
    FWideTitle = other->FWideTitle;
    FWideNotes = other->FWideNotes;
}

bool TQuillHintInfo::IsEmpty() const
{
    return FTitle.empty() && FNotes->Text().empty();
}

void TQuillHintInfo::SetPicture(const TGDIPPicture& Value)
{
    FPicture->Assign(&Value);
}

void TQuillHintInfo::SetNotes(const TStringList& Value)
{
    FNotes->Assign(&Value);
}
