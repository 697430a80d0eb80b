#include "recording_view.h"

#include "record/kif.h"
#include "record/record_reader.h"
#include "ui/game_session.h"
#include "ui/hint_coach.h"

#include "rules/ply_snapshot.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <string>
#include <thread>

namespace {

// A running game against the classic computer from a position, the person to move.
class Hints : public testing::Test {
protected:
    void PlayFrom(const std::string& usiPosition, const RuleSet& rules = VelmoraRules)
    {
        Game = GameState {};
        session.StartUp();
        session.ChangeRules(rules);
        ASSERT_TRUE(session.Open(usiPosition)) << testing::PrintToString(view.Messages());
        if (Game.ComputerToMove())
            session.TogglePlayer(Game.SideToMove);
        if (!Game.ComputerPlays[SideIndex(-Game.SideToMove)])
            session.TogglePlayer(-Game.SideToMove);
        session.PlayOrStop();
        ASSERT_TRUE(HintCoach::Available());
        view.calls.clear();
    }

    // One press of Hint, waiting for the search as the window's poll does.
    Hint Press(Notation notation = Notation::English)
    {
        if (std::optional<Hint> hint = coach.Press(notation))
            return *hint;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (coach.Waiting() && std::chrono::steady_clock::now() < deadline) {
            if (std::optional<Hint> hint = coach.Poll(notation))
                return *hint;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        ADD_FAILURE() << "no hint within 60 s";
        return {};
    }

    RecordingView view;
    GameSession session { view };
    HintCoach coach;
};

// Gote's silver on 3c can take Sente's rook on 4d; Sente's rook can take the silver first.
constexpr const char* RookAttacked = "position sfen k4/5/2s2/1R3/4K b - 1";

} // namespace

// Three presses and one more: the threat, the piece, its square, the square again. After every
// press ply 1 with its destinations, the game state and the record's moves are as they were; the
// record only notes that the move to come had a hint.
TEST_F(Hints, TeachThreatPieceAndSquareAndNeverChangeTheGame)
{
    PlayFrom(RookAttacked);
    const PlySnapshot ply(1);
    int8_t targets[BoardSize + 1][BoardSize + 1];
    std::memcpy(targets, TargetMap[1], sizeof targets);
    const GameState game = Game;
    const GameRecord record = Record;
    const HintStep steps[]
        = { HintStep::Threat, HintStep::Piece, HintStep::Square, HintStep::Square };
    for (const HintStep step : steps) {
        const Hint hint = Press();
        SCOPED_TRACE(hint.words);
        EXPECT_EQ(hint.step, step);
        EXPECT_TRUE(PlySnapshot(1) == ply) << Ply1Sfen();
        EXPECT_EQ(std::memcmp(targets, TargetMap[1], sizeof targets), 0);
        EXPECT_EQ(std::memcmp(&game, &Game, sizeof game), 0);
        GameRecord noted = record;
        noted.hintedMoves = { 1 };
        EXPECT_EQ(Record, noted);
    }
    EXPECT_TRUE(view.calls.empty()) << testing::PrintToString(view.calls);
}

// What each press says and frames, in positions whose answer is plain; a cell of (0, 0) frames
// nothing.
TEST_F(Hints, SayTheThreatThenFrameThePieceAndItsSquare)
{
    const struct {
        const char* position;
        Notation notation;
        const char* threat;
        const char* piece;
        int pieceX, pieceY;
        const char* square;
        int squareX, squareY;
    } cases[] = {
        { RookAttacked, Notation::English, "Gote threatens silver 3c to 4d, taking your rook",
            "Move your rook on 4d", 2, 4, "Play rook 4d to 1d", 5, 4 },
        { RookAttacked, Notation::Japanese, "Gote threatens △４四銀", "Move your rook on 4d", 2, 4,
            "Play ▲１四飛", 5, 4 },
        // At the start nothing is attacked: the threat is only what Gote would play.
        { "position sfen kgsbr/p4/5/4P/RBSGK b - 1", Notation::English,
            "Gote threatens nothing direct; were it its move, it would play bishop 2a to 4c",
            "Move your gold on 2e", 4, 5, "Play gold 2e to 2d", 4, 4 },
        // Sente's pawn drop on 5b mates in Velmora's game.
        { "position sfen k4/2S2/1G3/5/4K b P 1", Notation::English, "Gote threatens nothing",
            "Drop your pawn from your hand", Pawn, 6, "Play pawn dropped on 5b, check", 1, 2 },
        { "position sfen k4/5/5/4r/4K b - 1", Notation::English,
            "You are in check: Gote threatens to take your king", "Move your king on 1e", 5, 5,
            "Play king 1e takes rook on 1d", 5, 4 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.position);
        PlayFrom(c.position);
        const Hint threat = Press(c.notation);
        EXPECT_EQ(threat.words, c.threat);
        EXPECT_EQ(threat.x, 0);
        const Hint piece = Press(c.notation);
        EXPECT_EQ(piece.words, c.piece);
        EXPECT_EQ(std::pair(piece.x, piece.y), std::pair(c.pieceX, c.pieceY));
        const Hint square = Press(c.notation);
        EXPECT_EQ(square.words, c.square);
        EXPECT_EQ(std::pair(square.x, square.y), std::pair(c.squareX, c.squareY));
    }
}

// The move played after a hint is noted in the KIF under its line, which a reader skips; the next
// turn's first press is the threat again, and a take back drops the note with the move.
TEST_F(Hints, StartOverEachTurnAndTheKifNotesTheMovePlayedAfterThem)
{
    PlayFrom(RookAttacked);
    Press();
    Press();
    PlayByMouse(view, "4d1d");
    ASSERT_EQ(Record.moves.size(), 1u);
    session.Tick(); // the classic computer's reply
    ASSERT_EQ(Record.moves.size(), 2u);
    EXPECT_EQ(Press().step, HintStep::Threat);
    const std::string kif = session.Kif();
    const size_t note = kif.find("*hint\n");
    ASSERT_NE(note, std::string::npos) << kif;
    const size_t moveLine = kif.rfind('\n', note - 2) + 1;
    EXPECT_EQ(kif.substr(moveLine, note - moveLine), "   1 １四飛(44)\n") << kif;
    EXPECT_EQ(kif.find("*hint", note + 1), std::string::npos) << "move 3 is still to come";
    GameRecord read;
    std::string error;
    ASSERT_TRUE(ReadGameRecord(kif, VelmoraRules, read, error)) << error << "\n" << kif;
    EXPECT_EQ(read.UsiPosition(), Record.UsiPosition()) << "the note is a comment to a reader";

    ASSERT_TRUE(session.TakeBack());
    EXPECT_EQ(session.Kif().find("*hint"), std::string::npos) << session.Kif();
    EXPECT_EQ(Press().step, HintStep::Threat) << "the position again, but a new turn";
}

// Only the person playing the computer gets hints, and only on their own turn in a running game.
TEST_F(Hints, AreOfferedOnlyOnThePersonsTurnAgainstTheComputer)
{
    const struct {
        const char* name;
        bool running, computerSente, computerGote;
        bool available;
    } cases[] = {
        { "the person's turn", true, false, true, true },
        { "the computer's turn", true, true, false, false },
        { "two people", true, false, false, false },
        { "no game running", false, false, true, false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Game = GameState {};
        Game.GameRunning = c.running;
        Game.ComputerPlays[SideIndex(Sente)] = c.computerSente;
        Game.ComputerPlays[SideIndex(Gote)] = c.computerGote;
        EXPECT_EQ(HintCoach::Available(), c.available);
        if (!c.available) {
            EXPECT_FALSE(coach.Press(Notation::English)) << "a press gives nothing";
            EXPECT_FALSE(coach.Waiting()) << "nor starts a search";
        }
    }
}
