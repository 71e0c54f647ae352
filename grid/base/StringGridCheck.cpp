// The base cell checker: every text passes unchanged.
#include "grid/base/StringGridCheck.h"

std::string TQuillStringGridCheck::MarkError(int, int, const std::string& S)
{
    return S;
}

std::string TQuillStringGridCheck::Correct(int, int, const std::string& S)
{
    return S;
}
