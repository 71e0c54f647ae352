// The table of resources compiled into the program and the stream that reads one.
#include "platform/classes/Resources.h"

#include "platform/rtl/Exceptions.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace classes {
namespace {

struct Resource {
    std::string Name;
    std::string Type;
    const std::uint8_t* Data;
    std::size_t Size;
};

std::vector<Resource>& table()
{
    static std::vector<Resource> resources;
    return resources;
}

std::string upper(std::string_view s)
{
    std::string u(s);
    std::transform(u.begin(), u.end(), u.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return u;
}

const Resource* find(std::string_view name, std::string_view type)
{
    std::string n = upper(name), t = upper(type);
    const Resource* any = nullptr;
    for (const Resource& r : table()) {
        if (r.Name != n) continue;
        if (r.Type == t) return &r;
        if (r.Type == RT_RCDATA && !any) any = &r;
    }
    return any;
}

} // namespace

void RegisterResource(std::string_view Name, std::string_view Type, const std::uint8_t* Data, std::size_t Size)
{
    table().push_back({upper(Name), upper(Type), Data, Size});
}

bool ResourceExists(std::string_view Name, std::string_view Type) { return find(Name, Type) != nullptr; }

} // namespace classes

TResourceStream::TResourceStream(std::uintptr_t, std::string_view ResName, std::string_view ResType)
{
    const classes::Resource* resource = classes::find(ResName, ResType);
    if (!resource) throw EResNotFound("Resource " + std::string(ResName) + " not found");
    TMemoryStream::Write(resource->Data, static_cast<std::int64_t>(resource->Size));
    SetPosition(0);
}

std::int64_t TResourceStream::Write(const void*, std::int64_t)
{
    throw EStreamError("Can't write to a read-only resource stream");
}
