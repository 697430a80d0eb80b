#include "recording_view.h"

#include "ui/computer_turn.h"
#include "ui/record_keeping.h"
#include "ui/take_back.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

struct TakeBackCase {
    const char* name;
    bool computerSente, computerGote;
    std::vector<std::string> moves; // "tick" lets the computer move
    bool stop; // "Stop" before the take back
    int undone; // 0: refused
    const char* after; // ply 1 after the take back
};

void PrintTo(const TakeBackCase& c, std::ostream* os) { *os << c.name; }

class TakeBackIn : public testing::TestWithParam<TakeBackCase> { };

void PlayFromTheStart(RecordingView& view, const TakeBackCase& c)
{
    StartUp(view);
    Game.ComputerPlays[SideIndex(Sente)] = c.computerSente;
    Game.ComputerPlays[SideIndex(Gote)] = c.computerGote;
    PlayOrStop(view);
    for (const std::string& move : c.moves)
        if (move == "tick")
            TimerTick(view);
        else
            PlayByMouse(view, move);
    if (c.stop)
        PlayOrStop(view);
}

} // namespace

TEST_P(TakeBackIn, UndoesThePersonsLastMoveAndTheReplyOrRefuses)
{
    const TakeBackCase& c = GetParam();
    RecordingView view;
    PlayFromTheStart(view, c);
    const std::string before = Ply1Sfen();
    const size_t made = Record.moves.size();
    view.calls.clear();

    EXPECT_EQ(MovesToTakeBack(), c.undone);
    EXPECT_EQ(TakeBack(view), c.undone > 0);
    EXPECT_EQ(Record.moves.size(), made - static_cast<size_t>(c.undone));
    if (c.undone == 0) {
        EXPECT_EQ(Ply1Sfen(), before);
        EXPECT_TRUE(view.calls.empty());
        return;
    }
    EXPECT_EQ(Ply1Sfen(), c.after);
    EXPECT_EQ(view.calls, std::vector<std::string> { "draw 1" }) << "the frames are wiped";
    EXPECT_FALSE(Game.ComputerToMove());
    EXPECT_TRUE(Game.GameRunning);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(States, TakeBackIn, testing::Values(
    TakeBackCase { "AgainstTheComputerBothMoves", false, true, { "1d1c", "tick" }, false, 2,
        "kgsbr/p4/5/4P/RBSGK b - 1" },
    TakeBackCase { "AgainstTheComputerOnSente", true, false, { "tick", "5b5c", "tick" }, false, 2,
        "kgsbr/p4/5/2B1P/R1SGK w - 1" },
    TakeBackCase { "TwoPersonsOneMove", false, false, { "1d1c", "5b5c" }, false, 1,
        "kgsbr/p4/4P/5/RBSGK w - 1" },
    TakeBackCase { "WhileTheComputerIsToMove", false, true, { "1d1c" }, false, 0, "" },
    TakeBackCase { "BeforeTheFirstMove", false, true, {}, false, 0, "" },
    TakeBackCase { "BeforeThePersonsFirstMove", true, false, { "tick" }, false, 0, "" },
    TakeBackCase { "TwoPersonsBeforeAnyMove", false, false, {}, false, 0, "" },
    TakeBackCase { "AfterStop", false, false, { "1d1c" }, true, 0, "" }),
    [](const testing::TestParamInfo<TakeBackCase>& info) { return std::string(info.param.name); });
// clang-format on

TEST(TakeBack, RefusedOnceTheGameHasEnded)
{
    RecordingView view;
    StartGameAt(view, "k4/5/1G3/5/4K b G 1", false, false);
    StartRecord();
    PlayByMouse(view, "G*5b"); // mate
    ASSERT_FALSE(Game.GameRunning);
    EXPECT_FALSE(TakeBack(view));
    EXPECT_EQ(Record.moves.size(), 1u);
}

// The position, the checker flags and the picking state are those before the move: a check
// taken back leaves no flag, and a pick made after the move is forgotten.
TEST(TakeBack, RestoresTheCheckerFlagsAndForgetsThePick)
{
    RecordingView view;
    StartGameAt(view, "k4/5/2R2/5/4K b - 1", false, false);
    StartRecord();
    uint8_t flags[SideSlots][PieceTypeCount + 1];
    std::memcpy(flags, CheckerFlags[1], sizeof flags);
    PlayByMouse(view, "3c5c"); // check along the file
    ASSERT_EQ(Game.SideToMove, Gote);
    ClickCell(view, 1, 1); // Gote picks its king
    ASSERT_EQ(view.calls.back(), "mark 1 1");

    ASSERT_TRUE(TakeBack(view));
    EXPECT_EQ(Ply1Sfen(), "k4/5/2R2/5/4K b - 1");
    EXPECT_EQ(std::memcmp(flags, CheckerFlags[1], sizeof flags), 0);
    EXPECT_EQ(Game.SideToMove, Sente);
    EXPECT_FALSE(Game.PressArmed);
    PressOnPicture(view, CellMiddleX(1, 2), CellMiddleY(1, 2), MouseButton::Left);
    EXPECT_EQ(Ply1Sfen(), "k4/5/2R2/5/4K b - 1") << "the king's destinations are gone";
}
