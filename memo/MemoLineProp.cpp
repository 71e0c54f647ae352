// The data the memo keeps on every line.
#include "memo/MemoLineProp.h"

void TLineProp::SetLastChildOfParents(int Value) noexcept
{
    if (Value >= 0)
        FLastChildOfParents = Value;
}
