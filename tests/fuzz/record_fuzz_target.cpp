#include "record/record_reader.h"

#include "rules/legality.h"
#include "rules/make_move.h"
#include "rules/ply_snapshot.h"
#include "rules/rule_tables.h"
#include "rules/setup.h"
#include "rules/sfen.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// Arbitrary bytes as a record the window is asked to open, under both rule sets. Besides the
// sanitizers: a refusal must say why and leave ply 1 alone, and an accepted record must replay
// move by move under its rules, with every position the one the record keeps; only a last move
// may leave its mover's king attacked, and only in a game that ended by that foul.

namespace {

[[noreturn]] void Fail(const std::string& what)
{
    std::fprintf(stderr, "%s\n", what.c_str());
    std::abort();
}

void ExpectReplays(const GameRecord& record, const RuleSet& rules)
{
    SfenHeader header;
    std::string error;
    if (!ReadSfen(record.startSfen, header, error))
        Fail("the start " + record.startSfen + " does not read: " + error);
    if (header.side != record.startSide)
        Fail("the start's side is not the record's");
    int s = header.side;
    for (size_t i = 0; i < record.moves.size(); ++i, s = -s) {
        const Move& m = record.moves[i].move;
        const MoveVerdict verdict = JudgeMove(1, s, m, rules);
        const bool lastFoul = i + 1 == record.moves.size()
            && record.end == GameEnd::OwnKingLeftAttacked
            && verdict == MoveVerdict::LeavesKingAttacked;
        if (verdict != MoveVerdict::Legal && !lastFoul)
            Fail("move " + std::to_string(i + 1) + " is illegal: " + Describe(verdict));
        MakeMove(1, m.fromX, m.fromY, m.toX, m.toY, m.promote);
        if (WriteSfen(1, SfenHeader { -s, int(i) + 2 }) != record.moves[i].after)
            Fail("the position after move " + std::to_string(i + 1) + " is not the record's");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool ready = [] {
        SetUpPosition(1);
        return true;
    }();
    (void)ready;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const RuleSet* rules : { &VelmoraRules, &StandardRules }) {
        const PlySnapshot game(1);
        GameRecord record;
        std::string error;
        const bool read = ReadGameRecord(text, *rules, record, error);
        if (!(PlySnapshot(1) == game))
            Fail("reading changed ply 1");
        if (!read) {
            if (error.empty())
                Fail("a refusal without a reason");
            continue;
        }
        ExpectReplays(record, *rules);
        game.Restore(1);
    }
    return 0;
}
