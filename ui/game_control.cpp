#include "game_control.h"

#include "cell_pixels.h"
#include "game_state.h"
#include "record_keeping.h"

#include "rules/rule_tables.h"
#include "rules/setup.h"

#include <cstring>

namespace {

constexpr std::string_view LevelCaptions[MaxLevel + 1] = { "", "lv1", "lv2", "lv3" };

GameLabel PlayerLabel(int s) { return s == Sente ? GameLabel::SentePlayer : GameLabel::GotePlayer; }

void SetUpBoard(GameView& view)
{
    SetUpStart(*Game.Rules, Game.Level);
    // The set-up leaves the checker flags of the last game; the referee needs them current.
    UpdateCheckerFlags(1);
    view.DrawPosition(1);
}

} // namespace

void ClearTargets() { std::memcpy(TargetMap[1], TargetMap[0], sizeof TargetMap[1]); }

void ResetGameState()
{
    Game.ComputerPlays[SideIndex(Gote)] = true;
    Game.ComputerPlays[SideIndex(Sente)] = false;
    std::memset(TargetMap[0], 0, sizeof TargetMap[0]);
    std::memset(CheckerFlags[0], 0, sizeof CheckerFlags[0]);
    ClearTargets();
    Game.SideToMove = Sente;
    Game.ComputerBusy = false;
}

void StartUp(GameView& view)
{
    BuildCellPixelTable();
    ResetGameState();
    Record = GameRecord {};
    Game.Level = 1;
    SetUpBoard(view);
    Game.GameRunning = false;
}

void PlayOrStop(GameView& view)
{
    view.DrawPosition(1);
    if (Game.GameRunning) {
        Game.GameRunning = false;
        view.SetCaption(GameLabel::PlayStop, "Play");
        EndRecord(GameEnd::Stopped, 0);
        view.GameEnded();
        return;
    }
    SetUpBoard(view);
    ClearTargets();
    Game.SideToMove = Sente;
    Game.ComputerBusy = false;
    Game.GameRunning = true;
    StartRecord();
    view.SetCaption(GameLabel::PlayStop, "Stop");
}

void TogglePlayer(GameView& view, int s)
{
    if (Game.GameRunning)
        return;
    if (!Game.ComputerPlays[SideIndex(s)]) {
        Game.ComputerPlays[SideIndex(s)] = true;
        view.SetCaption(PlayerLabel(s), "Com");
        Game.ComputerPlays[SideIndex(-s)] = false;
        view.SetCaption(PlayerLabel(-s), "You");
    } else {
        Game.ComputerPlays[SideIndex(s)] = false;
        view.SetCaption(PlayerLabel(s), "You");
    }
}

void CycleLevel(GameView& view)
{
    if (Game.GameRunning)
        return;
    Game.Level = static_cast<int8_t>(Game.Level % MaxLevel + 1);
    view.SetCaption(GameLabel::Level, LevelCaptions[Game.Level]);
    SetUpBoard(view);
}

void ChangeRules(GameView& view, const RuleSet& rules)
{
    if (Game.GameRunning)
        return;
    Game.Rules = &rules;
    SetUpBoard(view);
}

void StopGame(GameView& view)
{
    Game.GameRunning = false;
    view.SetCaption(GameLabel::PlayStop, "Play");
}
