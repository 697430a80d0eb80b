#include "recording_view.h"

#include "record/kif.h"
#include "record/record_reader.h"
#include "ui/computer_turn.h"
#include "ui/record_keeping.h"

#include "rules/legality.h"
#include "rules/rule_tables.h"
#include "rules/usi_move.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

// A record as it reads back from the KIF the window writes for it; KIF has no level.
void ExpectKifReadsBack(const GameRecord& record, const RuleSet& rules)
{
    const std::string kif = WriteKif(record);
    GameRecord read;
    std::string error;
    ASSERT_TRUE(ReadGameRecord(kif, rules, read, error)) << error << "\n" << kif;
    read.level = record.level;
    EXPECT_TRUE(read == record) << kif << "read back as\n" << WriteKif(read);
}

struct WrittenCase {
    const char* name;
    const char* sfen;
    bool computerGote;
    std::vector<std::string> moves; // by persons; the computer moves on its timer
    bool stop;
};

void PrintTo(const WrittenCase& c, std::ostream* os) { *os << c.name; }

class KifTheWindowWrites : public testing::TestWithParam<WrittenCase> { };

} // namespace

TEST_P(KifTheWindowWrites, ReadsBackToTheSameRecord)
{
    const WrittenCase& c = GetParam();
    RecordingView view;
    StartGameAt(view, c.sfen, false, c.computerGote);
    StartRecord();
    view.onMessage = [&] { TimerTick(view); };
    for (const std::string& move : c.moves)
        PlayByMouse(view, move);
    TimerTick(view);
    if (c.stop)
        PlayOrStop(view);
    ExpectKifReadsBack(Record, VelmoraRules);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Games, KifTheWindowWrites, testing::Values(
    WrittenCase { "EveryKindOfMoveThenStop", "2k2/5/1S1p1/R3P/K4 b G 1", false,
        { "4c4b", "3a2b", "4b3a", "2b3a", "1d1c", "2c2d", "1c1b", "2d2e+", "1b1a+", "S*3c",
          "G*4d", "3c3d", "5d5a+", "3a3b" }, true },
    WrittenCase { "MateByADrop", "k4/5/1G3/5/4K b G 1", false, { "G*5b" }, false },
    WrittenCase { "KingWalksIntoTheRook", "k4/5/5/r4/4K b - 1", false, { "1e1d" }, false },
    WrittenCase { "ComputerResignsAtOnce", "k4/4R/3B1/5/4K w - 1", true, {}, false },
    WrittenCase { "ComputerMates", "4k/5/2sg1/5/4K w - 1", true, {}, false },
    WrittenCase { "GameStillRunning", "kgsbr/p4/5/4P/RBSGK b - 1", true, { "1d1c" }, false }),
    [](const testing::TestParamInfo<WrittenCase>& info) { return std::string(info.param.name); });
// clang-format on

// Whole games of a person playing at random against the computer, at every level of both rule
// sets, and a loaded record with the players' names.
TEST(KifTheWindowWrites, ReadsBackAfterWholeGamesAndWithPlayerNames)
{
    for (const RuleSet* rules : { &VelmoraRules, &StandardRules })
        for (int level = 1; level <= 3; ++level) {
            SCOPED_TRACE("level " + std::to_string(level));
            RecordingView view;
            Game = GameState {};
            StartUp(view);
            ChangeRules(view, *rules);
            while (Game.Level != level)
                CycleLevel(view);
            PlayOrStop(view);
            std::mt19937 random { unsigned(level) };
            while (Game.GameRunning && Record.moves.size() < 60) {
                if (Game.ComputerToMove()) {
                    TimerTick(view);
                    continue;
                }
                std::vector<Move> moves;
                ForEachMove(1, Game.SideToMove, [&](const Move& m) {
                    if (MakeMoveIfSafe(1, Game.SideToMove, m))
                        moves.push_back(m);
                });
                // Under standard rules a pawn drop that mates is no destination; the click on it
                // does nothing and the person tries again.
                if (moves.empty())
                    break;
                PlayByMouse(view, WriteUsiMove(moves[random() % moves.size()]));
            }
            ExpectKifReadsBack(Record, *rules);
        }
    GameRecord named;
    std::string error;
    ASSERT_TRUE(ReadGameRecord(
        "先手：Alice\n後手：Bob\n手合割：5五将棋\n   1 ５三歩(54)\n", StandardRules, named, error))
        << error;
    ExpectKifReadsBack(named, StandardRules);
}
