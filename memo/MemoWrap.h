// Cutting one logical line into the pieces soft word wrap shows.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace memo {

// The pieces of Line at Width characters: a piece ends after the last whole
// word (with its trailing space) that keeps it below Width; a word longer
// than the room is cut hard at exactly Width; a line of Width characters or
// fewer is one piece. Joining the pieces gives Line back. Width must be above 0.
std::vector<std::string> WrapLine(std::string_view Line, int Width);

} // namespace memo
