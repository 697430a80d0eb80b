#include "bench.h"
#include "input_lines.h"
#include "usi_session.h"

#include <iostream>
#include <string>
#include <string_view>

// velmora-usi: the rules and the computer opponent behind the USI protocol on standard input;
// "velmora-usi bench" prints the decision signature instead.
int main(int argc, char** argv)
{
    if (argc > 1 && std::string_view(argv[1]) == "bench") {
        RunBench(std::cout, std::cerr);
        return 0;
    }
    std::ios::sync_with_stdio(false);
    InputLines input(std::cin);
    UsiSession session(std::cout, [&] { return input.Poll(); });
    while (const auto line = input.Next())
        if (!session.Handle(*line))
            break;
    return 0;
}
