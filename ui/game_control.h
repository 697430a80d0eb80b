#pragma once

#include "game_rules.h"
#include "game_view.h"

// The steps of window creation: rule and pixel tables, a fresh game state, the level-1
// position drawn on ply 1, no game running.
void StartUp(GameView& view);
void ResetGameState();

// "Play" starts a new game from the level's initial position; "Stop" freezes the one running.
void PlayOrStop(GameView& view);
// Hands side s to the computer (and the other side to a person), or back to a person.
// Only while no game runs.
void TogglePlayer(GameView& view, int s);
// Level 1 -> 2 -> 3 -> 1, shown at once. Only while no game runs.
void CycleLevel(GameView& view);
// Velmora's game or standard minishogi, its start shown at once. Only while no game runs.
void ChangeRules(GameView& view, const RuleSet& rules);

// Ends the game without redrawing; the side to move stays as it was.
void StopGame(GameView& view);

// Empties the destinations of ply 1, so that no earlier pick survives.
void ClearTargets();
