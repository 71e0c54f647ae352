// Stored value names of the grid enumerations: streamed settings write an
// enumeration by name and read it back by name.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "grid/base/GridEnums.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Strings.h"

namespace grid {

// The names of Enum's values, indexed by ordinal. Defined for every
// enumeration of GridEnums.h.
template <class Enum>
std::span<const std::string_view> EnumNames();
template <>
std::span<const std::string_view> EnumNames<TEditorType>();
template <>
std::span<const std::string_view> EnumNames<TCellBorder>();
template <>
std::span<const std::string_view> EnumNames<TCellGradientDirection>();
template <>
std::span<const std::string_view> EnumNames<TSortStyle>();
template <>
std::span<const std::string_view> EnumNames<TVAlignment>();
template <>
std::span<const std::string_view> EnumNames<TArrowDirection>();
template <>
std::span<const std::string_view> EnumNames<TQuillGridButtonStyle>();
template <>
std::span<const std::string_view> EnumNames<TSearchDirection>();
template <>
std::span<const std::string_view> EnumNames<THomeEndAction>();
template <>
std::span<const std::string_view> EnumNames<TClipboardPasteAction>();
template <>
std::span<const std::string_view> EnumNames<TAdvanceDirection>();
template <>
std::span<const std::string_view> EnumNames<TInsertPosition>();
template <>
std::span<const std::string_view> EnumNames<TCursorAdvance>();
template <>
std::span<const std::string_view> EnumNames<TGridFixedCellEdit>();
template <>
std::span<const std::string_view> EnumNames<TGridFixedCellEditor>();
template <>
std::span<const std::string_view> EnumNames<TWheelAction>();
template <>
std::span<const std::string_view> EnumNames<TColumnCalcType>();
template <>
std::span<const std::string_view> EnumNames<TGridSelectionStyle>();
template <>
std::span<const std::string_view> EnumNames<TDropFormat>();

// The stored name of Value; EConvertError for a value outside the enumeration.
template <class Enum>
std::string_view EnumToName(Enum Value)
{
    const auto names = EnumNames<Enum>();
    const auto ordinal = static_cast<std::size_t>(Value);
    if (ordinal >= names.size())
        throw EConvertError("Enumeration value " + std::to_string(ordinal) + " has no name");
    return names[ordinal];
}

// The value stored as Name, compared without regard to case; EConvertError
// for a name the enumeration does not have.
template <class Enum>
Enum NameToEnum(std::string_view Name)
{
    const auto names = EnumNames<Enum>();
    for (std::size_t i = 0; i < names.size(); ++i)
        if (SameText(names[i], Name))
            return static_cast<Enum>(i);
    throw EConvertError("'" + std::string(Name) + "' is not a value name of this enumeration");
}

}  // namespace grid
