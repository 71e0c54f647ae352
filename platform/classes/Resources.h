// Named resources compiled into the program, read as streams.
#pragma once

#include "platform/classes/Streams.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// Resource types. Names and types compare without regard to case; a resource
// registered with RT_RCDATA is found under any type.
constexpr std::string_view RT_BITMAP = "BITMAP";
constexpr std::string_view RT_ICON = "ICON";
constexpr std::string_view RT_CURSOR = "CURSOR";
constexpr std::string_view RT_RCDATA = "RCDATA";

// The program's module handle, as the resource routines take it.
constexpr std::uintptr_t HInstance = 0;

// A read-only stream over a resource. A missing resource raises EResNotFound.
class TResourceStream : public TMemoryStream {
    VISTRA_CLASS(TResourceStream, TMemoryStream)

    TResourceStream(std::uintptr_t Instance, std::string_view ResName, std::string_view ResType);
    std::int64_t Write(const void* Buffer, std::int64_t Count) override;
};

namespace classes {

// Adds a resource; the bytes must stay valid for the life of the program
// (the generated resource files hold them as static arrays).
void RegisterResource(std::string_view Name, std::string_view Type, const std::uint8_t* Data, std::size_t Size);
bool ResourceExists(std::string_view Name, std::string_view Type);

} // namespace classes
