#include "usi_session.h"

#include <iostream>
#include <string>

// velmora-usi: the rules and the computer opponent behind the USI protocol on standard input.
int main()
{
    std::ios::sync_with_stdio(false);
    UsiSession session(std::cout);
    std::string line;
    while (std::getline(std::cin, line))
        if (!session.Handle(line))
            break;
    return 0;
}
