// Class identity and the Assign fallback.
#include "platform/classes/Object.h"

#include "platform/rtl/Exceptions.h"

#include <strings.h>

bool TClassInfo::InheritsFrom(const TClassInfo* ancestor) const noexcept
{
    for (const TClassInfo* c = this; c != nullptr; c = c->Parent)
        if (c == ancestor)
            return true;
    return false;
}

bool TClassInfo::InheritsFrom(std::string_view ancestorName) const noexcept
{
    for (const TClassInfo* c = this; c != nullptr; c = c->Parent) {
        std::string_view name(c->Name);
        if (name.size() == ancestorName.size()
            && ::strncasecmp(name.data(), ancestorName.data(), name.size()) == 0)
            return true;
    }
    return false;
}

TClass TObject::StaticClass() noexcept
{
    static const TClassInfo info{"TObject", nullptr};
    return &info;
}

void TPersistent::Assign(const TPersistent* Source)
{
    if (Source == nullptr)
        throw EConvertError("Cannot assign a nil to a " + ClassName());
    Source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* Dest) const
{
    throw EConvertError("Cannot assign a " + ClassName() + " to a " + Dest->ClassName());
}
