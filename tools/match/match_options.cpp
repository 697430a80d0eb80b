#include "match_options.h"

#include <cmath>
#include <string_view>

const char* const MatchUsage = R"(Usage: velmora-match --engine1 COMMAND --engine2 COMMAND [options]
Plays two USI engines against each other and prints each game, engine 1's wins, draws and
losses, its score, the Elo difference with its 95% error bar, and each engine's average time a
move (from go sent to bestmove read).
  --engine1 COMMAND, --engine2 COMMAND   engine command lines (run by /bin/sh)
  --option1 NAME=VALUE, --option2 NAME=VALUE
                       setoption for that engine; repeat for more (USI_Variant or UCI_Variant
                       is set to the rule set's name when the engine offers it)
  --rules minishogi|velmora   standard minishogi (default) or Velmora's game (mirrored start,
                       pawn-drop mate legal; the openings are mirrored to match)
  --openings FILE      opening positions, one SFEN a line (default: the tool's own)
  --opening-count K    use the first K openings only
  --games N            games to play, each opening twice with the colours swapped
                       (default: two for each opening used)
  --movetime MS        MS milliseconds a move: go movetime MS (default 100), which engines
                       think on in full
  --byoyomi MS         MS milliseconds a move as shogi front ends send it: go btime 0 wtime 0
                       byoyomi MS (not equal time: Fairy-Stockfish 11.1 thinks a quarter of it)
  --tc SECONDS[+INC]   a clock for the game: go btime wtime binc winc
  --nodes N            N nodes a move: go nodes N (no clock; for measures the load does not change)
  --movetime1, --byoyomi1, --tc1, --nodes1 (and 2)
                       the same for engine 1 (2) only, for time odds; on a clock, both are
  --swap-clocks1, --swap-clocks2
                       tell that engine btime and wtime (and binc and winc) the other way round,
                       for engines that read them so (Debian's Fairy-Stockfish 11.1)
  --margin MS          time an engine may overstep before it loses on time (default 50)
  --max-plies N        a game this long is a draw (default 300)
  --kif-dir DIR        write each game as DIR/game-NNN.kif and its USI line as game-NNN.usi
  --verbose            show the engines' traffic and their standard error
Or: velmora-match --elo W D L   the Elo line of games played elsewhere
Or: velmora-match --make-openings COUNT [SEED]
                       COUNT openings, made with the strong search, as an openings file
)";

std::optional<int> ReadCount(std::string_view text)
{
    int value = 0;
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

namespace {

std::optional<std::chrono::milliseconds> Seconds(const std::string& text)
{
    size_t used = 0;
    double seconds = -1;
    try {
        seconds = std::stod(text, &used);
    } catch (const std::exception&) {
        return std::nullopt;
    }
    if (used != text.size() || !(seconds >= 0) || seconds > 1e6)
        return std::nullopt;
    return std::chrono::milliseconds(std::llround(seconds * 1000));
}

bool ReadClock(const std::string& text, TimeControl& time)
{
    const size_t plus = text.find('+');
    const auto base = Seconds(text.substr(0, plus));
    const auto increment = plus == std::string::npos ? std::optional(std::chrono::milliseconds(0))
                                                     : Seconds(text.substr(plus + 1));
    if (!base || !increment || base->count() == 0)
        return false;
    time.mode = TimeMode::Clock;
    time.base = *base;
    time.increment = *increment;
    return true;
}

constexpr std::string_view TimeFlags[] = { "--movetime", "--byoyomi", "--tc", "--nodes" };

// The time flag the argument names, without its engine number, and the engines it sets: both,
// or with a 1 or 2 after it only that one. Empty for any other flag.
std::string_view TimeFlagOf(std::string_view flag, bool engines[2])
{
    for (const std::string_view name : TimeFlags) {
        const bool numbered = flag.size() == name.size() + 1 && flag.starts_with(name)
            && (flag.back() == '1' || flag.back() == '2');
        if (flag != name && !numbered)
            continue;
        engines[0] = !numbered || flag.back() == '1';
        engines[1] = !numbered || flag.back() == '2';
        return name;
    }
    return {};
}

bool ReadTime(std::string_view flag, const std::string& value, TimeControl& time)
{
    if (flag == "--tc")
        return ReadClock(value, time);
    const auto count = ReadCount(value);
    if (!count || *count == 0)
        return false;
    if (flag == "--nodes") {
        time.mode = TimeMode::Nodes;
        time.nodes = uint64_t(*count);
        return true;
    }
    time.mode = flag == "--movetime" ? TimeMode::MoveTime : TimeMode::Byoyomi;
    time.move = std::chrono::milliseconds(*count);
    return true;
}

} // namespace

std::optional<MatchOptions> ReadMatchOptions(int argc, char** argv, std::string& error)
{
    MatchOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view flag = argv[i];
        if (flag == "--verbose") {
            options.verbose = true;
            continue;
        }
        if (flag == "--swap-clocks1" || flag == "--swap-clocks2") {
            options.engines[flag.back() - '1'].swapClocks = true;
            continue;
        }
        if (i + 1 >= argc)
            return error = std::string(flag) + " needs a value", std::nullopt;
        const std::string value = argv[++i];
        bool engines[2] = {};
        if (const std::string_view time = TimeFlagOf(flag, engines); !time.empty()) {
            for (int e = 0; e < 2; ++e)
                if (engines[e] && !ReadTime(time, value, options.time[e]))
                    return error = "bad option " + std::string(flag) + " " + value, std::nullopt;
            continue;
        }
        const auto count = ReadCount(value);
        const size_t equals = value.find('=');
        if (flag == "--engine1" || flag == "--engine2")
            options.engines[flag.back() - '1'].command = value;
        else if ((flag == "--option1" || flag == "--option2") && equals != std::string::npos)
            options.engines[flag.back() - '1'].options.emplace_back(
                value.substr(0, equals), value.substr(equals + 1));
        else if (flag == "--rules" && RuleSetNamed(value))
            options.rules = RuleSetNamed(value);
        else if (flag == "--openings")
            options.openingsPath = value;
        else if (flag == "--opening-count" && count && *count > 0)
            options.openingCount = *count;
        else if (flag == "--games" && count && *count > 0)
            options.games = *count;
        else if (flag == "--margin" && count)
            options.margin = std::chrono::milliseconds(*count);
        else if (flag == "--max-plies" && count && *count > 0)
            options.maxPlies = *count;
        else if (flag == "--kif-dir")
            options.kifDir = value;
        else
            return error = "bad option " + std::string(flag) + " " + value, std::nullopt;
    }
    if (options.engines[0].command.empty() || options.engines[1].command.empty())
        return error = "both --engine1 and --engine2 are needed", std::nullopt;
    // An engine on a clock is told its opponent's clock too.
    if ((options.time[0].mode == TimeMode::Clock) != (options.time[1].mode == TimeMode::Clock))
        return error = "a clock for one engine needs a clock for the other", std::nullopt;
    return options;
}
