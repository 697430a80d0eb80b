// Plays whole games of the window's game flow, a person against the computer, and writes each
// as KIF (game-N.kif) with the USI line of its moves (game-N.usi) and the position it reached
// (game-N.sfen), for a KIF reader of another program to read back; the first game once more with
// an analysis as comment lines (game-1-analysed), and again with a hint noted after every other
// move besides (game-1-hinted), which the reader must skip.
// The person's moves are the computer's own choices or random ones, made with the mouse.
// Usage: kif_games <folder>
#include "record/kif.h"
#include "review/game_analysis.h"
#include "ui/cell_pixels.h"
#include "ui/computer_turn.h"
#include "ui/game_control.h"
#include "ui/game_state.h"
#include "ui/game_view.h"
#include "ui/move_input.h"
#include "ui/record_keeping.h"

#include "engine/classic/computer_choice.h"
#include "rules/check.h"
#include "rules/legality.h"
#include "rules/moves.h"

#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

// The window's side of the flow with nothing to show.
class SilentView : public GameView {
public:
    void DrawPosition(int) override { }
    void MarkCell(int, int) override { }
    void ShowMessage(std::string_view) override { }
    void SetCaption(GameLabel, std::string_view) override { }
    bool Confirm(std::string_view) override { return true; }
    void SetTitle(std::string_view) override { }
};

enum class Person { PlaysLikeTheComputer, PlaysAtRandom };

struct GameSetting {
    int level;
    Person person;
    unsigned seed;
};

// Standard minishogi forbids a mate by a pawn drop, which the window's game allows; a person
// who never drops a checking pawn keeps the game readable by both.
bool IsCheckingPawnDrop(const Move& move, int s)
{
    return move.fromY > BoardSize && move.fromX == Pawn && MakeMoveIfSafe(1, s, move)
        && IsKingAttacked(2, -s);
}

std::vector<Move> SafeMoves(int s)
{
    std::vector<Move> moves;
    ForEachMove(1, s, [&](const Move& move) { moves.push_back(move); });
    std::erase_if(moves, [&](const Move& move) {
        return !MakeMoveIfSafe(1, s, move) || IsCheckingPawnDrop(move, s);
    });
    return moves;
}

void Click(GameView& view, int x, int y, MouseButton button)
{
    const int px = CellPixelX[x][y] + CellSize / 2, py = CellPixelY[x][y] + CellSize / 2;
    PressOnPicture(view, px, py, button);
    ReleaseOnPicture(view, px, py);
}

void PlayByMouse(GameView& view, const Move& move)
{
    Click(view, move.fromX, move.fromY, MouseButton::Left);
    Click(view, move.toX, move.toY, move.promote ? MouseButton::Right : MouseButton::Left);
}

void PersonMoves(GameView& view, Person person, std::mt19937& random)
{
    const int s = Game.SideToMove;
    if (person == Person::PlaysLikeTheComputer) {
        const ComputerDecision decision = DecideComputerMove(PositionOfPly(1, s, VelmoraRules));
        if (!decision.resigns && !IsCheckingPawnDrop(decision.move, s)) {
            PlayByMouse(view, decision.move);
            return;
        }
    }
    const std::vector<Move> moves = SafeMoves(s);
    if (moves.empty()) { // no move keeps the king safe: the person stops the game
        PlayOrStop(view);
        return;
    }
    PlayByMouse(view, moves[random() % moves.size()]);
}

void Play(GameView& view, const GameSetting& setting)
{
    std::mt19937 random(setting.seed);
    while (Game.Level != setting.level)
        CycleLevel(view);
    PlayOrStop(view);
    constexpr int MaxPlies = 300;
    while (Game.GameRunning && Record.moves.size() < MaxPlies) {
        if (Game.ComputerToMove())
            TimerTick(view);
        else
            PersonMoves(view, setting.person, random);
    }
    if (Game.GameRunning)
        PlayOrStop(view);
}

bool Write(const std::string& path, const std::string& text)
{
    std::ofstream file(path, std::ios::binary);
    file << text;
    return static_cast<bool>(file);
}

bool WriteGame(const std::string& name, const std::string& kif)
{
    if (Write(name + ".kif", kif) && Write(name + ".usi", Record.UsiPosition() + "\n")
        && Write(name + ".sfen", Record.CurrentSfen() + "\n"))
        return true;
    std::fprintf(stderr, "cannot write %s\n", name.c_str());
    return false;
}

// A shallow search is enough for comments of every kind: evaluations, mates and best lines.
constexpr SearchLimits CommentLimits { 6, 0, false, {}, false };

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: kif_games <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    // One game per level; random moves lose to the computer.
    const GameSetting settings[] = {
        { 1, Person::PlaysLikeTheComputer, 1 },
        { 2, Person::PlaysAtRandom, 2 },
        { 3, Person::PlaysAtRandom, 3 },
    };
    SilentView view;
    StartUp(view);
    int number = 0;
    for (const GameSetting& setting : settings) {
        Play(view, setting);
        const std::string name = folder + "/game-" + std::to_string(++number);
        if (!WriteGame(name, WriteKif(Record)))
            return 1;
        if (number == 1
            && !WriteGame(name + "-analysed",
                WriteKif(Record, AnalyseRecord(Record, *Game.Rules, CommentLimits).KifComments())))
            return 1;
        if (number == 1) {
            GameRecord hinted = Record;
            for (size_t n = 1; n <= hinted.moves.size(); n += 2)
                hinted.hintedMoves.push_back(n);
            const auto comments = AnalyseRecord(hinted, *Game.Rules, CommentLimits).KifComments();
            if (!WriteGame(name + "-hinted", WriteKif(hinted, comments)))
                return 1;
        }
        std::printf("%s: level %d, %zu moves\n", name.c_str(), setting.level, Record.moves.size());
    }
    return 0;
}
