#include "root_mate.h"

#include "solver.h"

#include "engine/board/move_list.h"
#include "engine/board/rules_move.h"

std::vector<SearchMove> ProveMateLine(
    const GamePosition& root, const std::function<bool()>& shouldStop, uint64_t& nodes)
{
    const MateSolution mate = SolveMate(root, shouldStop);
    nodes = mate.nodes;
    if (mate.outcome != MateOutcome::Mate)
        return {};
    // Each move of the line is found among the legal ones and played, so that a line the
    // solver reads back wrongly can never reach the board.
    std::vector<SearchMove> line;
    SearchBoard board = root.board;
    int side = root.side;
    for (const Move& wanted : mate.line) {
        MoveList legal;
        GenerateLegalMoves(board, side, *root.rules, legal);
        const SearchMove* found = nullptr;
        for (int i = 0; i < legal.size && found == nullptr; ++i)
            if (RulesMove(legal.moves[i], side) == wanted)
                found = &legal.moves[i];
        if (found == nullptr)
            return {};
        line.push_back(*found);
        Play(board, side, *found);
        side = -side;
    }
    return line;
}
