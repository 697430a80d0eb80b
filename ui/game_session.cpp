#include "game_session.h"

#include "computer_turn.h"
#include "game_control.h"
#include "take_back.h"

#include "record/kif.h"
#include "record/record_reader.h"
#include "record/replay.h"
#include "rules/check.h"

namespace {

constexpr std::string_view WindowTitle = "Velmora";
// Only the strong computer thinks long enough to need saying so; the classic one answers within
// a tick, and the designed window's title never changes.
constexpr std::string_view ThinkingTitle = "Velmora - thinking";

std::string ReplayTitle(size_t n, size_t moves)
{
    if (n == 0)
        return std::string(WindowTitle) + " - start of " + std::to_string(moves) + " moves";
    return std::string(WindowTitle) + " - move " + std::to_string(n) + " of "
        + std::to_string(moves);
}

// How a person names the rules in a message.
std::string_view RulesForPeople(const RuleSet& rules)
{
    return &rules == &VelmoraRules ? "Velmora's rules" : "standard minishogi rules";
}

const RuleSet& OtherRules(const RuleSet& rules)
{
    return &rules == &VelmoraRules ? StandardRules : VelmoraRules;
}

// Said after the reason a text was refused when the other rules would read it: the pawn drop
// that mates and the two starts are all that tell them apart, and a person may not know that.
std::string OtherRulesHint(std::string_view text, const RuleSet& rules)
{
    GameRecord read;
    std::string error;
    if (!ReadGameRecord(text, OtherRules(rules), read, error))
        return {};
    return " - it is legal under " + std::string(RulesForPeople(OtherRules(rules)))
        + "; switch the rules in the menu";
}

} // namespace

void GameSession::StartUp()
{
    StopThinking();
    ::StartUp(view_);
    replaying_ = false;
    shown_ = 0;
}

void GameSession::LeaveReplay()
{
    if (!replaying_)
        return;
    replaying_ = false;
    view_.SetTitle(WindowTitle);
}

void GameSession::PlayOrStop()
{
    if (!Game.GameRunning && replaying_) {
        PlayOn();
        return;
    }
    // "Stop" ends the search before the game: no move of a stopped game is ever played.
    StopThinking();
    ::PlayOrStop(view_);
}

// The record keeps its moves up to the position shown and goes on from there, with the players
// the labels name; the level's handicap belongs to the designed start only.
void GameSession::PlayOn()
{
    ShowMove(shown_); // ply 1 holds exactly the position shown
    // After a foul the side to move could take the king: no game goes on from there.
    if (IsKingAttacked(1, -Game.SideToMove))
        return;
    ::Record.moves.resize(shown_);
    std::erase_if(::Record.hintedMoves, [this](size_t n) { return n > shown_; });
    ::Record.end = GameEnd::Running;
    ::Record.winner = 0;
    for (int slot = 0; slot < SideSlots; ++slot) {
        ::Record.computerPlays[slot] = Game.ComputerPlays[slot];
        ::Record.playerNames[slot].clear();
    }
    LeaveReplay();
    view_.DrawPosition(1);
    ClearTargets();
    Game.PressArmed = false;
    Game.ComputerBusy = false;
    Game.GameRunning = true;
    view_.SetCaption(GameLabel::PlayStop, "Stop");
}

void GameSession::TogglePlayer(int s) { ::TogglePlayer(view_, s); }

void GameSession::CycleLevel()
{
    if (Game.GameRunning)
        return;
    LeaveReplay();
    ::CycleLevel(view_);
}

void GameSession::ChangeRules(const RuleSet& rules)
{
    if (Game.GameRunning)
        return;
    LeaveReplay();
    // A record belongs to the rules it was played or read under: under others its start is not
    // theirs and its moves may be illegal, so replaying or playing it on would mix the two.
    if (&rules != Game.Rules) {
        ::Record = GameRecord {};
        analysis_ = GameAnalysis {};
    }
    ::ChangeRules(view_, rules);
}

void GameSession::ChooseComputer(Computer computer)
{
    if (computer == Computer::Strong)
        ChooseLevel(FullStrength);
    else if (!Game.GameRunning)
        computer_ = computer;
}

void GameSession::ChooseLevel(size_t rung)
{
    if (Game.GameRunning)
        return;
    computer_ = Computer::Strong;
    level_ = rung;
}

void GameSession::Tick()
{
    if (computer_ == Computer::Classic)
        TimerTick(view_);
    else
        StrongTick();
}

void GameSession::StrongTick()
{
    if (!Game.GameRunning || !Game.ComputerToMove() || Game.ComputerBusy)
        return;
    if (!thinker_.Thinking()) {
        const ComputerLevel& level = ComputerLadder[level_];
        thinker_.Start(Game.SideToMove, *Game.Rules,
            level.thinkingMs != 0 ? level.thinkingMs : thinkingMs_, level.skill);
        view_.SetTitle(ThinkingTitle);
        return;
    }
    const std::optional<ComputerDecision> decision = thinker_.TakeDecision();
    if (!decision)
        return;
    view_.SetTitle(WindowTitle);
    // The move's message boxes let ticks through, as in the classic computer's turn.
    Game.ComputerBusy = true;
    PlayDecision(view_, *decision);
    Game.ComputerBusy = false;
}

void GameSession::StopThinking()
{
    if (!thinker_.Thinking())
        return;
    thinker_.Stop();
    view_.SetTitle(WindowTitle);
}

bool GameSession::CanTakeBack() const { return MovesToTakeBack() > 0; }

// Take back, like a change of rules or level, waits for a person's turn or an idle window, so
// the strong computer is never thinking when it comes.
bool GameSession::TakeBack() { return ::TakeBack(view_); }

bool GameSession::Open(std::string_view text)
{
    GameRecord read;
    std::string error;
    if (!ReadGameRecord(text, *Game.Rules, read, error)) {
        view_.ShowMessage("Not opened: " + error + OtherRulesHint(text, *Game.Rules));
        return false;
    }
    if (Game.GameRunning) {
        if (!view_.Confirm("A game is running. End it and open the new one?"))
            return false;
        StopThinking();
        // The answer box let timer ticks through; the game may have ended meanwhile.
        if (Game.GameRunning)
            StopGame(view_);
    }
    ::Record = std::move(read);
    ShowMove(::Record.moves.size());
    return true;
}

void GameSession::ShowMove(size_t n)
{
    const std::vector<RecordedMove>& moves = ::Record.moves;
    const int s = ReplayRecord(::Record, n, [&](size_t i, int) {
        if (i + 1 == n)
            view_.MoveComing(moves[i].move, i > 0 ? &moves[i - 1].move : nullptr);
    });
    Game.SideToMove = static_cast<int8_t>(s);
    Game.PressArmed = false;
    ClearTargets();
    view_.DrawPosition(1);
    if (n > 0) {
        const Move& last = ::Record.moves[n - 1].move;
        view_.MarkCell(last.fromX, last.fromY);
        view_.MarkCell(last.toX, last.toY);
    }
    replaying_ = true;
    shown_ = n;
    line_ = 0;
    view_.SetTitle(ReplayTitle(n, ::Record.moves.size()));
    view_.PositionShown();
}

void GameSession::StepBack()
{
    const size_t at = replaying_ ? shown_ : ::Record.moves.size();
    if (CanReplay() && at > 0)
        ShowMove(at - 1);
}

void GameSession::StepForward()
{
    if (!CanReplay())
        return;
    if (!replaying_)
        ShowMove(::Record.moves.size());
    else if (shown_ < ::Record.moves.size())
        ShowMove(shown_ + 1);
}

void GameSession::ToStart()
{
    if (CanReplay())
        ShowMove(0);
}

void GameSession::ToEnd()
{
    if (CanReplay())
        ShowMove(::Record.moves.size());
}

const std::string& GameSession::ShownSfen() const
{
    return replaying_ ? ::Record.SfenAfter(shown_) : ::Record.CurrentSfen();
}

std::string GameSession::ShownUsiPosition() const
{
    return ::Record.UsiPosition(replaying_ ? shown_ : ::Record.moves.size());
}

const GameAnalysis* GameSession::Analysis() const
{
    return analysis_.Describes(::Record) ? &analysis_ : nullptr;
}

std::string GameSession::Kif() const
{
    const GameAnalysis* analysis = Analysis();
    return WriteKif(::Record, analysis ? analysis->KifComments() : std::vector<std::string> {});
}

bool GameSession::CanStepBestLine() const { return CanReplay() && Analysis() != nullptr; }

void GameSession::BestLineForward()
{
    if (!CanStepBestLine())
        return;
    if (!replaying_)
        ShowMove(::Record.moves.size());
    if (line_ < analysis_.positions[shown_].line.size())
        ShowBestLine(line_ + 1);
}

void GameSession::BestLineBack()
{
    if (CanStepBestLine() && replaying_ && line_ > 0)
        ShowBestLine(line_ - 1);
}

// The record's position with the first k moves of its best line made on ply 1, the last of
// them framed in red as a replayed move is.
void GameSession::ShowBestLine(size_t k)
{
    const std::vector<RecordedMove>& line = analysis_.positions[shown_].line;
    ShowMove(shown_);
    if (k == 0)
        return;
    const int s = ReplayMoves(line, k, Game.SideToMove, [&](size_t i, int) {
        if (i + 1 == k)
            view_.MoveComing(line[i].move, i > 0 ? &line[i - 1].move : LastShownMove());
    });
    Game.SideToMove = static_cast<int8_t>(s);
    view_.DrawPosition(1);
    const Move& last = line[k - 1].move;
    view_.MarkCell(last.fromX, last.fromY);
    view_.MarkCell(last.toX, last.toY);
    line_ = k;
    view_.SetTitle(ReplayTitle(shown_, ::Record.moves.size()) + ", best line " + std::to_string(k)
        + " of " + std::to_string(line.size()));
    view_.PositionShown();
}

const Move* GameSession::LastShownMove() const
{
    return shown_ > 0 ? &::Record.moves[shown_ - 1].move : nullptr;
}
