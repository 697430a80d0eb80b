#include "game_state.h"

GameState Game;
