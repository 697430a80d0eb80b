#include "engine_options.h"

#include "go_command.h"
#include "words.h"

#include <optional>

namespace {

struct SpinOption {
    std::string_view name;
    int EngineOptions::*field; // its default is EngineOptions' own
    int min, max;
};

// The spin options, as the usi answer lists them.
constexpr SpinOption SpinOptions[] = {
    { "USI_Hash", &EngineOptions::hashMegabytes, 1, 4096 },
    { "Threads", &EngineOptions::threads, 1, 64 },
    { "MultiPV", &EngineOptions::multiPV, 1, 600 },
    { "SkillLevel", &EngineOptions::skill, 0, 20 },
    { "MoveOverhead", &EngineOptions::moveOverhead, 0, 5000 },
};

// A check option's values: USI's words, and the digits that some front ends send instead
// (uci2wb turns XBoard's "hard" into "value 1").
struct CheckValue {
    std::string_view word;
    bool on;
};
constexpr CheckValue CheckValues[] = {
    { "true", true },
    { "false", false },
    { "1", true },
    { "0", false },
};

std::optional<bool> ReadCheckValue(std::string_view value)
{
    for (const CheckValue& v : CheckValues)
        if (EqualIgnoringCase(value, v.word))
            return v.on;
    return std::nullopt;
}

} // namespace

void WriteOptionLines(std::ostream& out)
{
    out << "option name Computer type combo default strong var strong var classic\n";
    const EngineOptions defaults;
    for (const SpinOption& o : SpinOptions)
        out << "option name " << o.name << " type spin default " << defaults.*o.field << " min "
            << o.min << " max " << o.max << '\n';
    out << "option name USI_Ponder type check default false\n";
}

OptionResult SetEngineOption(
    EngineOptions& options, std::string_view name, std::string_view value, std::string& error)
{
    if (EqualIgnoringCase(name, "Computer")) {
        if (!EqualIgnoringCase(value, "strong") && !EqualIgnoringCase(value, "classic")) {
            error = "Computer is strong or classic, not '" + std::string(value.substr(0, 64)) + "'";
            return OptionResult::BadValue;
        }
        options.classic = EqualIgnoringCase(value, "classic");
        return OptionResult::Set;
    }
    if (EqualIgnoringCase(name, "USI_Ponder")) {
        const std::optional<bool> on = ReadCheckValue(value);
        if (!on) {
            error = "USI_Ponder is true or false";
            return OptionResult::BadValue;
        }
        options.ponder = *on;
        return OptionResult::Set;
    }
    for (const SpinOption& o : SpinOptions) {
        if (!EqualIgnoringCase(name, o.name))
            continue;
        const std::optional<uint64_t> n = ReadWholeNumber(value, 9);
        if (!n || *n < uint64_t(o.min) || *n > uint64_t(o.max)) {
            error = std::string(o.name) + " is a whole number from " + std::to_string(o.min)
                + " to " + std::to_string(o.max);
            return OptionResult::BadValue;
        }
        const bool changed = options.*o.field != int(*n);
        options.*o.field = int(*n);
        return changed && o.field == &EngineOptions::hashMegabytes ? OptionResult::HashChanged
                                                                   : OptionResult::Set;
    }
    return OptionResult::Unknown;
}
