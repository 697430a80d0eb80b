// velmora-review: reads a game (KIF, SFEN or USI), analyses every position with the strong search
// and prints how each side played: the inaccuracies, mistakes and blunders, and the worst moments
// explained. See packaging/velmora-review.6.in.
#include "review_report.h"

#include "record/record_reader.h"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <ios>
#include <iterator>
#include <string>
#include <string_view>

namespace {

// Exit status for a command line or a file that cannot be used.
constexpr int Refused = 2;

struct Options {
    bool json = false;
    SearchLimits limits = AnalysisLimits;
    const RuleSet* rules = &VelmoraRules;
    std::string file;
};

bool ReadOptions(int argc, char** argv, Options& options, std::string& error)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if ((arg == "--depth" || arg == "--rules") && !hasValue) {
            error = std::string(arg) + " wants a value";
            return false;
        }
        if (arg == "--json") {
            options.json = true;
        } else if (arg == "--depth") {
            const std::string_view value = argv[++i];
            const auto [end, fault]
                = std::from_chars(value.data(), value.data() + value.size(), options.limits.depth);
            if (fault != std::errc {} || end != value.data() + value.size()
                || options.limits.depth < 1 || options.limits.depth >= MaxSearchPly) {
                error
                    = "--depth wants a whole number from 1 to " + std::to_string(MaxSearchPly - 1);
                return false;
            }
        } else if (arg == "--rules") {
            const std::string_view name = argv[++i];
            options.rules = nullptr;
            for (const RuleSet* rules : RuleSets)
                if (rules->name == name)
                    options.rules = rules;
            if (options.rules == nullptr) {
                error = "--rules wants velmora or minishogi";
                return false;
            }
        } else if (arg.starts_with("-") || !options.file.empty()) {
            error = "unknown argument " + std::string(arg);
            return false;
        } else {
            options.file = arg;
        }
    }
    if (options.file.empty())
        error = "no game file given";
    return error.empty();
}

// The file's text, refused when it cannot be read or is longer than any record.
bool ReadText(const std::string& path, std::string& text, std::string& error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot be opened";
        return false;
    }
    try {
        // A folder opens but fails, and libstdc++ reports that failure by throwing.
        text.assign(std::istreambuf_iterator<char>(in), {});
    } catch (const std::ios_base::failure&) {
        in.setstate(std::ios::badbit);
    }
    if (in.bad()) {
        error = "cannot be read";
        return false;
    }
    if (text.size() > MaxRecordBytes) {
        error = "is longer than any game record";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    std::string error;
    if (!ReadOptions(argc, argv, options, error)) {
        std::fprintf(stderr,
            "velmora-review: %s\nusage: velmora-review [--json] [--depth N] "
            "[--rules velmora|minishogi] FILE\n",
            error.c_str());
        return Refused;
    }
    std::string text;
    GameRecord record;
    if (!ReadText(options.file, text, error)
        || !ReadGameRecord(text, *options.rules, record, error)) {
        std::fprintf(stderr, "velmora-review: %s: %s\n", options.file.c_str(), error.c_str());
        return Refused;
    }
    const GameAnalysis analysis = AnalyseRecord(record, *options.rules, options.limits);
    const GameReview review = ReviewGame(record, analysis, *options.rules);
    const std::string report
        = options.json ? ReviewJson(review, options.limits) : ReviewText(review, options.limits);
    std::fputs(report.c_str(), stdout);
    return 0;
}
