#pragma once

#include <string>

// Names each case of a parameterised suite after its name field, so that ctest lists what the
// case is there for and reruns it by that name (ctest -R). Pass it as the last argument of
// INSTANTIATE_TEST_SUITE_P.
inline constexpr auto CaseName = [](const auto& info) { return std::string(info.param.name); };
