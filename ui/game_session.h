#pragma once

#include "computer_ladder.h"
#include "game_rules.h"
#include "game_state.h"
#include "game_view.h"
#include "move_input.h"
#include "record_keeping.h"
#include "strong_thinker.h"

#include "review/game_analysis.h"

#include <cstdint>
#include <string>
#include <string_view>

// Who answers for the computer: the designed computer on the timer tick, or the strong search,
// which thinks off the window's thread for the thinking time chosen.
enum class Computer : uint8_t { Classic, Strong };

inline constexpr int64_t DefaultStrongThinkingMs = 3000;

// One game as the window shows it: the game state, its record, the position shown, take back and
// the replay of a record. The window forwards its events here and draws what the view is told;
// a test drives the same object through a recording view. The game state, the record and ply 1
// stay the tables the designed steps share (StopGame, AfterMove, the computer's turn), so the
// session is the one way in from outside and adds what those steps do not know: replay, opening a
// record and playing on from a position shown.
class GameSession {
public:
    explicit GameSession(GameView& view)
        : view_(view)
    {
    }

    // Window creation: tables, the level-1 start on ply 1, no game running.
    void StartUp();

    const GameState& State() const { return Game; }
    const GameRecord& Record() const { return ::Record; }
    // Whether the timer has work: a running game with the computer to move.
    bool ComputerIsToMove() const { return Game.GameRunning && Game.ComputerToMove(); }

    // The labels. "Play" while a record is replayed plays on from the position shown.
    void PlayOrStop();
    void TogglePlayer(int s);
    void CycleLevel();
    // A change of rules drops the record and its analysis: they belong to the rules they were
    // played or read under.
    void ChangeRules(const RuleSet& rules);
    // Only while no game runs; the thinking time may change at any time and counts from the
    // strong computer's next move.
    void ChooseComputer(Computer computer);
    Computer ChosenComputer() const { return computer_; }
    // The strong computer at a rung of ComputerLadder; Computer::Strong alone is its top.
    void ChooseLevel(size_t rung);
    size_t ChosenLevel() const { return level_; }
    void SetThinkingTime(int64_t milliseconds) { thinkingMs_ = milliseconds; }
    int64_t ThinkingTime() const { return thinkingMs_; }
    // Whether the strong computer is thinking now.
    bool Thinking() const { return thinker_.Thinking(); }

    void Press(int px, int py, MouseButton button) { PressOnPicture(view_, px, py, button); }
    void Release(int px, int py) { ReleaseOnPicture(view_, px, py); }
    void CancelPick() { ::CancelPick(view_); }
    void Tick();

    bool CanTakeBack() const;
    bool TakeBack();

    // Opens a KIF record, an SFEN or a USI position line; while a game runs, only once the
    // person agrees to end it. Shown from its last position. Unreadable text is refused with a
    // message that names the line, and says so when the other rules would read it; the game and
    // record stay as they were.
    bool Open(std::string_view text);

    // Replay, while no game runs and there is a record: the position after move n (0 the start)
    // with the move that led there framed in red, and its number in the title.
    bool CanReplay() const { return !Game.GameRunning && ::Record.started; }
    bool Replaying() const { return replaying_; }
    size_t ShownMove() const { return shown_; }
    void ShowMove(size_t n);
    void StepBack();
    void StepForward();
    void ToStart();
    void ToEnd();

    // The position shown and the moves that led there: the replayed one, else the game's last.
    const std::string& ShownSfen() const;
    std::string ShownUsiPosition() const;

    // The analysis of the record; none once the record has changed since.
    void SetAnalysis(GameAnalysis analysis) { analysis_ = std::move(analysis); }
    const GameAnalysis* Analysis() const;
    // The record as KIF, with the analysis as comments while it describes the record.
    std::string Kif() const;

    // The engine's best line from the record's position shown, played out on the board move by
    // move; the replay keys return to the record. LineShown is 0 on the record's own position.
    bool CanStepBestLine() const;
    size_t LineShown() const { return line_; }
    void BestLineForward();
    void BestLineBack();

private:
    void ShowBestLine(size_t k);
    // The record's move that led to the position shown; null at the start.
    const Move* LastShownMove() const;
    void LeaveReplay();
    void PlayOn();
    // The strong computer's turn at a tick: starts its thinking, or plays its move once found.
    // The title says "thinking" from the start of the search to its end.
    void StrongTick();
    void StopThinking();

    GameView& view_;
    Computer computer_ = Computer::Classic;
    size_t level_ = FullStrength;
    int64_t thinkingMs_ = DefaultStrongThinkingMs;
    StrongThinker thinker_;
    bool replaying_ = false;
    size_t shown_ = 0;
    GameAnalysis analysis_;
    size_t line_ = 0;
};
