#pragma once

#include "record/game_record.h"

// The record of the game on ply 1, kept as it is played.
extern GameRecord Record;

// Starts a new record from ply 1 with the side to move of the game state.
void StartRecord();
// Makes the move on ply 1 and keeps it.
void MakeRecordedMove(const Move& move);
// Writes down how the game ended.
void EndRecord(GameEnd end, int winner);
// The record's last move; null before the first.
const Move* LastMove();
// Forgets the last n moves. Ply 1 is the caller's to restore.
void DropLastMoves(int n);
