#include "ply_invariants.h"

#include "rules/ply_stack.h"
#include "rules/rule_tables.h"
#include "rules/sfen.h"

#include <cstdlib>

namespace {

int KindOf(int code)
{
    const int type = std::abs(code);
    return type > PromotionOffset ? type - PromotionOffset : type;
}

const char* SideName(int s) { return s == Sente ? "Sente" : "Gote"; }

} // namespace

std::string DescribePly(int p)
{
    std::string sfen = WriteSfen(p, {});
    return sfen.replace(sfen.find(" b "), 3, " ? ");
}

KindCounts CountKinds(int p)
{
    KindCounts counts {};
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            if (Position[p][x][y] != 0)
                ++counts[KindOf(Position[p][x][y])];
    for (int t = 1; t <= HandTypeCount; ++t)
        counts[t] += Position[p][t][HandRow(Sente)] + Position[p][t][HandRow(Gote)];
    return counts;
}

bool PieceReaches(int p, int x, int y, int tx, int ty)
{
    const int code = Position[p][x][y];
    const int side = SideOf(code), type = std::abs(code);
    for (int d = 1; d <= DirectionCount; ++d) {
        const int kind = MoveTable[type][d];
        const int dx = DirectionX[d] * side, dy = DirectionY[d] * side;
        for (int cx = x + dx, cy = y + dy; kind != MoveNone && OnBoard(cx, cy);
             cx += dx, cy += dy) {
            if (cx == tx && cy == ty)
                return true;
            if (kind == MoveStep || Position[p][cx][cy] != 0)
                break;
        }
    }
    return false;
}

bool KingAttackedByAnyPiece(int p, int s)
{
    for (int kx = 1; kx <= BoardSize; ++kx)
        for (int ky = 1; ky <= BoardSize; ++ky) {
            if (Position[p][kx][ky] != King * s)
                continue;
            for (int x = 1; x <= BoardSize; ++x)
                for (int y = 1; y <= BoardSize; ++y)
                    if (Position[p][x][y] * s < 0 && PieceReaches(p, x, y, kx, ky))
                        return true;
        }
    return false;
}

std::string FindKingFault(int p)
{
    for (int s : { Sente, Gote }) {
        int kings = 0;
        for (int x = 1; x <= BoardSize; ++x)
            for (int y = 1; y <= BoardSize; ++y)
                kings += Position[p][x][y] == King * s;
        if (kings != 1)
            return std::string(SideName(s)) + " has " + std::to_string(kings) + " kings in "
                + DescribePly(p);
        const int kx = KingX[p][SideIndex(s)], ky = KingY[p][SideIndex(s)];
        if (!OnBoard(kx, ky) || Position[p][kx][ky] != King * s)
            return std::string(SideName(s)) + "'s king square (" + std::to_string(kx) + ","
                + std::to_string(ky) + ") holds no king in " + DescribePly(p);
    }
    return {};
}

std::string FindCountFault(int p)
{
    for (int s : { Sente, Gote })
        for (int t = 1; t <= HandTypeCount; ++t) {
            const int held = Position[p][t][HandRow(s)];
            if (held < 0 || held > MaxOfAKind)
                return std::string(SideName(s)) + " holds " + std::to_string(held) + " of type "
                    + std::to_string(t) + " in " + DescribePly(p);
        }
    const KindCounts counts = CountKinds(p);
    for (int t = 1; t <= King; ++t)
        if (counts[t] > MaxOfAKind)
            return std::to_string(counts[t]) + " pieces of kind " + std::to_string(t) + " in "
                + DescribePly(p);
    return {};
}

std::string FindCheckerFlagFault(int p)
{
    for (int s : { Sente, Gote }) {
        const int kx = KingX[p][SideIndex(s)], ky = KingY[p][SideIndex(s)];
        for (int x = 1; x <= BoardSize; ++x)
            for (int y = 1; y <= BoardSize; ++y) {
                const int code = Position[p][x][y];
                if (code * s >= 0 || !PieceReaches(p, x, y, kx, ky))
                    continue;
                if (!CheckerFlags[p][SideIndex(s)][std::abs(code)])
                    return std::string(SideName(s)) + "'s king is attacked from ("
                        + std::to_string(x) + "," + std::to_string(y)
                        + ") but the checker flag of type " + std::to_string(std::abs(code))
                        + " is clear in " + DescribePly(p);
            }
    }
    return {};
}

std::string FindPlyFault(int p, const KindCounts& start)
{
    for (const std::string& fault : { FindKingFault(p), FindCountFault(p) })
        if (!fault.empty())
            return fault;
    if (CountKinds(p) != start)
        return "the count of some kind changed from the start in " + DescribePly(p);
    return FindCheckerFlagFault(p);
}
