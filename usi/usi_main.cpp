#include "bench.h"
#include "input_lines.h"
#include "strong_bench.h"
#include "usi_session.h"

#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>

// velmora-usi: the rules and the computer opponent behind the USI protocol on standard input;
// "velmora-usi bench" prints the decision signature instead, "velmora-usi bench strong" the strong
// search's node count.
int main(int argc, char** argv)
{
    if (argc > 1 && std::string_view(argv[1]) == "bench") {
        if (argc > 2 && std::string_view(argv[2]) == "strong") {
            const int depth = argc > 3 ? std::atoi(argv[3]) : StrongBenchDepth;
            RunStrongBench(
                std::cout, std::cerr, depth > 0 && depth < 64 ? depth : StrongBenchDepth);
        } else {
            RunBench(std::cout, std::cerr);
        }
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
