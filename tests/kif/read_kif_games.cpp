// Reads games written as KIF by another program with Velmora's record reader, under standard
// minishogi: for each game-N.kif in the folder, the start must be that of game-N.usi, the moves
// its moves, and the position reached that of game-N.sfen (board, side and hands: the other
// program counts move numbers from its own start).
// Usage: read_kif_games <folder> <games expected>
#include "record/record_reader.h"

#include "rules/rule_tables.h"
#include "rules/usi_move.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), {} };
}

std::string Trimmed(std::string text)
{
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}

// An SFEN without its move number.
std::string WithoutNumber(const std::string& sfen) { return sfen.substr(0, sfen.rfind(' ')); }

// "position sfen <start> moves ..." with the start's move number left out.
std::string WithoutStartNumber(const std::string& usi)
{
    const size_t moves = usi.find(" moves");
    const std::string head = usi.substr(0, moves);
    return WithoutNumber(head) + (moves == std::string::npos ? "" : usi.substr(moves));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: read_kif_games <folder> <games expected>\n");
        return 2;
    }
    int games = 0, failures = 0;
    for (const auto& entry : std::filesystem::directory_iterator(argv[1])) {
        if (entry.path().extension() != ".kif")
            continue;
        ++games;
        auto base = entry.path();
        const std::string name = base.stem().string();
        const std::string usi = Trimmed(ReadFile(base.replace_extension(".usi")));
        const std::string reached = Trimmed(ReadFile(base.replace_extension(".sfen")));
        GameRecord record;
        std::string error;
        if (!ReadGameRecord(ReadFile(entry.path()), StandardRules, record, error)) {
            std::printf("%s: refused: %s\n", name.c_str(), error.c_str());
            ++failures;
            continue;
        }
        const std::string read = record.UsiPosition();
        if (WithoutStartNumber(read) != WithoutStartNumber(usi)) {
            std::printf(
                "%s: read as\n  %s\nwritten as\n  %s\n", name.c_str(), read.c_str(), usi.c_str());
            ++failures;
        } else if (WithoutNumber(record.CurrentSfen()) != WithoutNumber(reached)) {
            std::printf("%s: reaches %s, the writer %s\n", name.c_str(),
                record.CurrentSfen().c_str(), reached.c_str());
            ++failures;
        } else {
            std::printf("%s: %zu moves, %s\n", name.c_str(), record.moves.size(), reached.c_str());
        }
    }
    if (games != std::stoi(argv[2])) {
        std::printf("%d games in %s, expected %s\n", games, argv[1], argv[2]);
        return 1;
    }
    std::printf("%d games read back, %d failed\n", games, failures);
    return failures == 0 ? 0 : 1;
}
