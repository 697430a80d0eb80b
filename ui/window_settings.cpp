#include "window_settings.h"

#include <algorithm>
#include <ranges>

namespace {

struct NamedRules {
    std::string_view name;
    const RuleSet* rules;
};

// clang-format off
constexpr NamedRules RulesNames[] = {
    { "velmora",  &VelmoraRules },
    { "standard", &StandardRules },
};
// clang-format on

constexpr std::string_view ComputerNames[] = { "classic", "strong" }; // by Computer
constexpr std::string_view NotationNames[] = { "english", "japanese", "usi" }; // by Notation

template <typename Values, typename Value> bool Known(const Values& values, const Value& value)
{
    return std::ranges::find(values, value) != std::ranges::end(values);
}

} // namespace

WindowSettings ValidSettings(const WindowSettings& stored)
{
    const WindowSettings defaults;
    WindowSettings valid = stored;
    if (stored.zoom < 1 || stored.zoom > LargestZoom)
        valid.zoom = defaults.zoom;
    if (!Known(
            RulesNames | std::views::transform(&NamedRules::name), std::string_view(stored.rules)))
        valid.rules = defaults.rules;
    if (!Known(ComputerNames, std::string_view(stored.computer))
        && !Known(ComputerLadder | std::views::transform(&ComputerLevel::stored),
            std::string_view(stored.computer)))
        valid.computer = defaults.computer;
    if (!Known(ThinkingTimesMs, stored.thinkingMs))
        valid.thinkingMs = defaults.thinkingMs;
    if (!Known(NotationNames, std::string_view(stored.notation)))
        valid.notation = defaults.notation;
    return valid;
}

std::string_view RulesName(const RuleSet& rules)
{
    return std::ranges::find(RulesNames, &rules, &NamedRules::rules)->name;
}

const RuleSet& RulesNamed(std::string_view name)
{
    const auto* named = std::ranges::find(RulesNames, name, &NamedRules::name);
    return named == std::ranges::end(RulesNames) ? VelmoraRules : *named->rules;
}

std::string_view ComputerName(Computer computer) { return ComputerNames[int(computer)]; }

Computer ComputerNamed(std::string_view name)
{
    return std::ranges::find(ComputerLadder, name, &ComputerLevel::stored)
            == std::ranges::end(ComputerLadder)
        ? Computer::Classic
        : Computer::Strong;
}

std::string_view LevelName(size_t rung) { return ComputerLadder[rung].stored; }

size_t LevelNamed(std::string_view name)
{
    const auto* named = std::ranges::find(ComputerLadder, name, &ComputerLevel::stored);
    return named == std::ranges::end(ComputerLadder)
        ? FullStrength
        : size_t(named - std::ranges::begin(ComputerLadder));
}

std::string_view NotationName(Notation notation) { return NotationNames[int(notation)]; }

Notation NotationNamed(std::string_view name)
{
    const auto* named = std::ranges::find(NotationNames, name);
    return named == std::ranges::end(NotationNames)
        ? Notation::English
        : Notation(named - std::ranges::begin(NotationNames));
}
