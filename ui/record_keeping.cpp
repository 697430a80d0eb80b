#include "record_keeping.h"

#include "game_state.h"

#include "rules/ply_stack.h"
#include "rules/sfen.h"

#include <algorithm>
#include <cstring>

GameRecord Record;

void StartRecord()
{
    Record = GameRecord {};
    Record.started = true;
    std::memcpy(Record.start, Position[1], sizeof Record.start);
    Record.startSide = Game.SideToMove;
    Record.startSfen = WriteSfen(1, SfenHeader { Game.SideToMove, 1 });
    std::copy(std::begin(Game.ComputerPlays), std::end(Game.ComputerPlays), Record.computerPlays);
    Record.level = Game.Level;
}

void MakeRecordedMove(const Move& move) { AppendMove(Record, move, Game.SideToMove); }

void EndRecord(GameEnd end, int winner)
{
    Record.end = end;
    Record.winner = winner;
}

const Move* LastMove() { return Record.moves.empty() ? nullptr : &Record.moves.back().move; }

void DropLastMoves(int n)
{
    Record.moves.resize(Record.moves.size() - static_cast<size_t>(n));
    std::erase_if(Record.hintedMoves, [](size_t m) { return m > Record.moves.size(); });
}
