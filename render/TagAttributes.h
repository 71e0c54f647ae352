// Reading the quoted attribute values of one markup tag, as image and form-control tags carry them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vistra::render {

// The value of attribute Name in Tag: the text between the double quotes that
// follow the name and its "=". Names match whole words, without regard to case,
// and only outside quoted values, so a value never passes for another attribute.
// std::nullopt when the tag has no such attribute; an empty value when its value
// is not quoted.
std::optional<std::string> FindTagAttribute(std::string_view Tag, std::string_view Name);
// The value, or empty when the attribute is missing.
std::string TagAttribute(std::string_view Tag, std::string_view Name);

} // namespace vistra::render
