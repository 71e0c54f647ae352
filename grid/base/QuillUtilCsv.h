// Quoting and quote scanning for the grid's CSV reader and writer.
#pragma once

#include <string>
#include <string_view>

// Every double quote doubled (the writer encloses the result in quotes itself).
std::string DoubleEmbeddedQuotes(std::string_view Text);
// Every pair of Ch in a row becomes one, scanning left to right (three become two).
std::string CollapseDoubledChars(char Ch, std::string_view Text);
// The 1-based position of the last character of the first run of Ch of odd length that
// another character follows, or the text's length when it ends with Ch (whatever the
// run's length); 0 when neither. The result is also stored in Position. With the double
// quote this finds the quote that closes a quoted CSV field.
size_t FindUnpairedChar(char Ch, std::string_view Text, size_t& Position);
// How often FindUnpairedChar succeeds when the text is cut after each hit: the number of
// closing quotes on a CSV line, which tells whether a quoted field goes on to the next.
size_t CountUnpairedChars(char Ch, std::string_view Text);
