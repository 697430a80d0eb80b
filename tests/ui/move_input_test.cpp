#include "recording_view.h"

#include "tests/support/case_names.h"
#include "ui/computer_turn.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct HitCase {
    int px, py;
    bool hit;
    int x, y;
};

class HitTest : public testing::TestWithParam<HitCase> { };

} // namespace

// A cell answers in its 15 x 15 interior only: grid lines and slot borders belong to none.
TEST_P(HitTest, FindsTheCellWhoseInteriorHoldsThePoint)
{
    BuildCellPixelTable();
    const HitCase c = GetParam();
    int x = 0, y = 0;
    ASSERT_EQ(HitCell(c.px, c.py, GridRows, x, y), c.hit) << c.px << "," << c.py;
    if (c.hit) {
        EXPECT_EQ(std::pair(x, y), std::pair(c.x, c.y)) << c.px << "," << c.py;
    }
}

namespace {
void PrintTo(const HitCase& c, std::ostream* os) { *os << "(" << c.px << "," << c.py << ")"; }
std::string HitName(const testing::TestParamInfo<HitCase>& info)
{
    const HitCase& c = info.param;
    const std::string at = "X" + std::to_string(c.px) + "Y" + std::to_string(c.py);
    return at + (c.hit ? "InCell" + std::to_string(c.x) + std::to_string(c.y) : "InNoCell");
}
} // namespace

// clang-format off
INSTANTIATE_TEST_SUITE_P(Points, HitTest, testing::Values(
    HitCase { 49, 9, true, 1, 1 },      // first interior pixel of the board
    HitCase { 63, 23, true, 1, 1 },     // last interior pixel of the same cell
    HitCase { 48, 16, false, 0, 0 },          // left edge of the board
    HitCase { 64, 16, false, 0, 0 },          // grid line between two cells
    HitCase { 72, 24, false, 0, 0 },          // grid line between two rows
    HitCase { 127, 87, true, 5, 5 },
    HitCase { 128, 80, false, 0, 0 },         // right edge of the board
    HitCase { 137, 73, true, 1, 6 },    // Sente's pawn slot
    HitCase { 136, 80, false, 0, 0 },         // the slot's left border
    HitCase { 160, 80, false, 0, 0 },         // the empty slot of Sente's hand
    HitCase { 9, 41, true, 3, 7 },      // Gote's bishop slot
    HitCase { 16, 16, false, 0, 0 },          // the empty slot of Gote's hand
    HitCase { 4, 4, false, 0, 0 }),           // the margin
    HitName);
// clang-format on

TEST(Picking, ABoardPieceOnReleaseAHandPieceOnPress)
{
    RecordingView view;
    StartGameAt(view, "k4/5/5/5/4K b P 1", false, false);
    ReleaseOnPicture(view, CellMiddleX(5, 5), CellMiddleY(5, 5));
    EXPECT_TRUE(view.calls.empty()) << "a release counts only after a press on the picture";
    PressOnPicture(view, CellMiddleX(5, 5), CellMiddleY(5, 5), MouseButton::Left);
    EXPECT_TRUE(view.calls.empty()) << "an own piece is no destination";
    ReleaseOnPicture(view, CellMiddleX(5, 5), CellMiddleY(5, 5));
    EXPECT_EQ(view.calls, (std::vector<std::string> { "draw 1", "mark 5 5" }));

    view.calls.clear();
    PressOnPicture(view, CellMiddleX(Pawn, 6), CellMiddleY(Pawn, 6), MouseButton::Left);
    EXPECT_EQ(view.calls, (std::vector<std::string> { "draw 1", "mark 1 6" }));
    EXPECT_EQ(Game.SelectedCell.x, Pawn);
    EXPECT_EQ(Game.SelectedCell.y, 6);
}

TEST(Picking, IgnoresEnemyPiecesEmptySlotsAndTheOpponentsHand)
{
    RecordingView view;
    StartGameAt(view, "k4/5/5/5/4K b p 1", false, false);
    ClickCell(view, 5, 5);
    view.calls.clear();
    ClickCell(view, 1, 1); // the enemy king
    ClickCell(view, Pawn, 7); // Gote's pawn in hand
    ClickCell(view, Silver, 6); // Sente has no silver
    ClickCell(view, 3, 3); // an empty square
    EXPECT_TRUE(view.calls.empty());
    EXPECT_EQ(Game.SelectedCell.x, 5) << "the earlier pick stays";
    ClickCell(view, 4, 4);
    EXPECT_EQ(Ply1Sfen(), "k4/5/5/3K1/5 w p 1") << "and its destinations too";
}

TEST(Picking, ReleasingOnAnotherOwnPiecePicksThatOne)
{
    RecordingView view;
    StartGameAt(view, "k4/5/5/5/3GK b - 1", false, false);
    PressOnPicture(view, CellMiddleX(5, 5), CellMiddleY(5, 5), MouseButton::Left);
    ReleaseOnPicture(view, CellMiddleX(4, 5), CellMiddleY(4, 5));
    EXPECT_EQ(view.calls.back(), "mark 4 5");
}

TEST(Picking, TakesNoInputWhenNoGameRunsOrTheComputerIsToMove)
{
    RecordingView view;
    StartGameAt(view, "k4/5/5/5/4K b - 1", false, true);
    Game.GameRunning = false;
    ClickCell(view, 5, 5);
    Game.GameRunning = true;
    Game.SideToMove = Gote;
    ClickCell(view, 1, 1);
    EXPECT_TRUE(view.calls.empty());
}

struct PromotionCase {
    const char* sfen;
    int fromX, fromY, toX, toY;
    MouseButton button;
    const char* after;
};

class Promotion : public testing::TestWithParam<PromotionCase> { };

// The left button declines an optional promotion, right and middle accept it; a forced one
// happens whatever the button.
TEST_P(Promotion, FollowsTheButton)
{
    const PromotionCase c = GetParam();
    RecordingView view;
    StartGameAt(view, c.sfen, false, false);
    ClickCell(view, c.fromX, c.fromY);
    view.calls.clear();
    PressOnPicture(view, CellMiddleX(c.toX, c.toY), CellMiddleY(c.toX, c.toY), c.button);
    EXPECT_EQ(Ply1Sfen(), c.after) << c.sfen;
    EXPECT_EQ(view.calls.front(), "draw 1") << "the move is drawn before the referee";
    EXPECT_EQ(Game.SideToMove, Gote);
}

void PrintTo(const PromotionCase& c, std::ostream* os) { *os << c.sfen << " to " << c.after; }
std::string PromotionName(const testing::TestParamInfo<PromotionCase>& info)
{
    const MouseButton b = info.param.button;
    const std::string button = b == MouseButton::Left ? "Left"
        : b == MouseButton::Right                     ? "Right"
                                                      : "Middle";
    return button + (std::strchr(info.param.after, '+') ? "Promotes" : "Declines");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Buttons, Promotion, testing::Values(
    PromotionCase { "4k/2S2/5/5/K4 b - 1", 3, 2, 3, 1, MouseButton::Left, "2S1k/5/5/5/K4 w - 1" },
    PromotionCase { "4k/2S2/5/5/K4 b - 1", 3, 2, 3, 1, MouseButton::Right, "2+S1k/5/5/5/K4 w - 1" },
    PromotionCase { "4k/2S2/5/5/K4 b - 1", 3, 2, 3, 1, MouseButton::Middle, "2+S1k/5/5/5/K4 w - 1" },
    PromotionCase { "4k/2P2/5/5/K4 b - 1", 3, 2, 3, 1, MouseButton::Left, "2+P1k/5/5/5/K4 w - 1" }),
    PromotionName);
// clang-format on

TEST(Drops, TakeAPressOnTheSlotAndAPressOnTheSquare)
{
    RecordingView view;
    StartGameAt(view, "k4/5/5/5/4K b G 1", false, false);
    PressOnPicture(view, CellMiddleX(Gold, 6), CellMiddleY(Gold, 6), MouseButton::Left);
    PressOnPicture(view, CellMiddleX(3, 3), CellMiddleY(3, 3), MouseButton::Left);
    EXPECT_EQ(Ply1Sfen(), "k4/5/2G2/5/4K w - 1");
}

// The computer may answer between the press that makes a move and its release; the release
// must then pick nothing, or its redraw would wipe the red frames of the reply.
TEST(Picking, TheReleaseAfterAMovePicksNothingEvenAfterTheComputersReply)
{
    RecordingView view;
    StartGameAt(view, "kgsbr/p4/5/4P/RBSGK b - 1", false, true);
    ClickCell(view, 5, 5);
    PressOnPicture(view, CellMiddleX(4, 4), CellMiddleY(4, 4), MouseButton::Left); // 1e2d
    EXPECT_FALSE(Game.PressArmed);
    TimerTick(view);
    ASSERT_EQ(Game.SideToMove, Sente) << "the computer has answered";
    ASSERT_EQ(Position[1][4][4], King) << "and the king it could pick is still there";
    const std::vector<std::string> shown = view.calls;
    ASSERT_TRUE(shown.back().starts_with("mark ")) << "the reply is framed";
    ReleaseOnPicture(view, CellMiddleX(4, 4), CellMiddleY(4, 4));
    EXPECT_EQ(view.calls, shown);
}
