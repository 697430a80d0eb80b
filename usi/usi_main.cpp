#include "input_lines.h"
#include "usi_session.h"

#include <iostream>

// velmora-usi: the rules and the computer opponent behind the USI protocol on standard input.
int main()
{
    std::ios::sync_with_stdio(false);
    InputLines input(std::cin);
    UsiSession session(std::cout, [&] { return input.Poll(); });
    while (const auto line = input.Next())
        if (!session.Handle(*line))
            break;
    return 0;
}
