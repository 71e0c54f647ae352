// Overflows a signed integer on purpose: in a sanitizer build the report must
// end the program with an error, so CTest expects this program to fail.
#include <climits>
#include <cstdio>
#include <cstdlib>

int main(int argc, char**)
{
    // argc keeps the compiler from folding the overflow away.
    volatile int big = INT_MAX - 1 + argc;
    int sum = big + 1;
    std::printf("the overflow gave %d and the program went on\n", sum);
    return 0;
}
