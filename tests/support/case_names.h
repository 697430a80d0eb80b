#pragma once

#include <string>
#include <string_view>

// Names each case of a parameterised suite after its name field, so that ctest lists what the
// case is there for and reruns it by that name (ctest -R). Pass it as the last argument of
// INSTANTIATE_TEST_SUITE_P.
inline constexpr auto CaseName = [](const auto& info) { return std::string(info.param.name); };

// A USI move as part of a test name, where only letters, digits and '_' may stand: "4c4b",
// "G*2d" as "GDrop2d", "3b3a+" as "3b3aPromote".
inline std::string MoveName(std::string_view move)
{
    std::string name;
    for (const char c : move)
        name += c == '*' ? "Drop" : c == '+' ? "Promote" : std::string(1, c);
    return name;
}
