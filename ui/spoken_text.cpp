#include "spoken_text.h"

#include "after_move.h"

#include "record/kif.h"
#include "record/kif_names.h"
#include "rules/check.h"
#include "rules/make_move.h"
#include "rules/ply_snapshot.h"
#include "rules/sfen.h"
#include "rules/usi_move.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Puts the destinations of a ply back: on ply 1 they may be showing a picked piece's moves.
class TargetMapGuard {
public:
    explicit TargetMapGuard(int p)
        : p_(p)
    {
        std::memcpy(targets_, TargetMap[p], sizeof targets_);
    }
    ~TargetMapGuard() { std::memcpy(TargetMap[p_], targets_, sizeof targets_); }
    TargetMapGuard(const TargetMapGuard&) = delete;
    TargetMapGuard& operator=(const TargetMapGuard&) = delete;

private:
    int p_;
    int8_t targets_[BoardSize + 1][BoardSize + 1];
};

std::string PieceWords(int side, int type)
{
    return std::string(EnglishSideName(side)) + " " + std::string(EnglishPieceNames[type]);
}

std::string Plural(int type) { return std::string(EnglishPieceNames[type]) + "s"; }

// What stands on a square: "Gote silver", "empty".
std::string Occupant(int p, int x, int y)
{
    const int code = Position[p][x][y];
    return code == 0 ? "empty" : PieceWords(SideOf(code), std::abs(code));
}

// "a", "a and b", "a, b and c".
std::string Listed(const std::vector<std::string>& items)
{
    std::string text;
    for (size_t i = 0; i < items.size(); ++i)
        text += (i == 0 ? "" : i + 1 < items.size() ? ", " : " and ") + items[i];
    return text;
}

Move MoveOf(const MoveFacts& f)
{
    return { int8_t(f.fromX), int8_t(f.fromY), int8_t(f.toX), int8_t(f.toY),
        int8_t(f.promotes ? 1 : 0) };
}

std::string EnglishMove(const MoveFacts& f)
{
    std::string text = PieceWords(f.side, f.piece);
    const std::string to = SquareName(f.toX, f.toY);
    if (f.drop)
        text += " dropped on " + to;
    else if (f.captured != 0)
        text += " " + SquareName(f.fromX, f.fromY) + " takes "
            + std::string(EnglishPieceNames[f.captured]) + " on " + to;
    else
        text += " " + SquareName(f.fromX, f.fromY) + " to " + to;
    if (f.promotes)
        text += ", promotes";
    else if (f.promotionOptional)
        text += ", does not promote";
    return text + (f.check ? ", check" : "");
}

std::string JapaneseMove(const MoveFacts& f)
{
    RecordedMove recorded;
    recorded.move = MoveOf(f);
    recorded.type = int8_t(f.piece);
    recorded.promotionOptional = f.promotionOptional;
    const int previousX = f.sameSquareAsLast ? f.toX : 0;
    const int previousY = f.sameSquareAsLast ? f.toY : 0;
    return std::string(SideMark(f.side)) + KifMoveWithoutOrigin(recorded, previousX, previousY)
        + (f.check ? "、王手" : "");
}

} // namespace

MoveFacts FactsOfMove(
    int plyBefore, const Move& move, int side, std::optional<std::pair<int, int>> lastTo)
{
    const int p = plyBefore;
    MoveFacts f {};
    f.side = side;
    f.drop = move.fromY > BoardSize;
    f.piece = f.drop ? move.fromX : std::abs(Position[p][move.fromX][move.fromY]);
    f.fromX = move.fromX, f.fromY = move.fromY, f.toX = move.toX, f.toY = move.toY;
    f.promotes = move.promote == 1;
    f.captured = std::abs(Position[p][move.toX][move.toY]);
    f.sameSquareAsLast = lastTo && lastTo->first == move.toX && lastTo->second == move.toY;
    if (!f.drop) {
        const TargetMapGuard guard(p);
        GenerateTargets(p, move.fromX, move.fromY);
        f.promotionOptional = TargetMap[p][move.toX][move.toY] == TargetPromoteOptional;
    }
    CopyPly(p);
    MakeMove(p + 1, move.fromX, move.fromY, move.toX, move.toY, move.promote);
    f.check = IsKingAttacked(p + 1, -side);
    return f;
}

MoveFacts FactsOfRecordedMove(const GameRecord& record, size_t n)
{
    const PlySnapshot game(1);
    const TargetMapGuard targets(1);
    SfenHeader header;
    std::string error;
    // The record wrote its positions itself, so they read back.
    ReadSfen(record.SfenAfter(n - 1), header, error);
    std::optional<std::pair<int, int>> lastTo;
    if (n >= 2)
        lastTo = std::pair(record.moves[n - 2].move.toX, record.moves[n - 2].move.toY);
    const MoveFacts facts = FactsOfMove(1, record.moves[n - 1].move, header.side, lastTo);
    game.Restore(1);
    return facts;
}

std::string SpokenMove(const MoveFacts& facts, Notation notation)
{
    switch (notation) {
    case Notation::English:
        return EnglishMove(facts);
    case Notation::Japanese:
        return JapaneseMove(facts);
    case Notation::Usi:
        return WriteUsiMove(MoveOf(facts));
    }
    return "";
}

std::string SquareDescription(int p, int x, int y)
{
    return SquareName(x, y) + ", " + Occupant(p, x, y);
}

std::string HandDescription(int p, int side)
{
    std::vector<std::string> pieces;
    for (const int type : HandOrder) {
        const int count = Position[p][type][HandRow(side)];
        if (count == 1)
            pieces.push_back(std::string(EnglishPieceNames[type]));
        else if (count > 1)
            pieces.push_back(std::to_string(count) + " " + Plural(type));
    }
    std::string text = std::string(EnglishSideName(side)) + "'s hand: ";
    if (pieces.empty())
        return text + "empty";
    for (size_t i = 0; i < pieces.size(); ++i)
        text += (i == 0 ? "" : ", ") + pieces[i];
    return text;
}

std::string RankDescription(int p, int rank)
{
    std::string text = "rank " + std::string(1, char('a' + rank - 1)) + ":";
    for (int x = 1; x <= BoardSize; ++x)
        text += (x == 1 ? " " : ", ") + SquareName(x, rank) + " " + Occupant(p, x, rank);
    return text;
}

std::string FileDescription(int p, int file)
{
    const int x = BoardSize + 1 - file;
    std::string text = "file " + std::to_string(file) + ":";
    for (int y = 1; y <= BoardSize; ++y)
        text += (y == 1 ? " " : ", ") + SquareName(x, y) + " " + Occupant(p, x, y);
    return text;
}

std::string PieceLocations(int p, int side, int pieceType)
{
    std::vector<std::string> places;
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            if (Position[p][x][y] == pieceType * side)
                places.push_back(SquareName(x, y));
    if (pieceType <= HandTypeCount && Position[p][pieceType][HandRow(side)] > 0)
        places.push_back(std::to_string(Position[p][pieceType][HandRow(side)]) + " in hand");
    std::string text = std::string(EnglishSideName(side)) + " " + Plural(pieceType) + ": ";
    if (places.empty())
        return text + "none";
    for (size_t i = 0; i < places.size(); ++i)
        text += (i == 0 ? "" : ", ") + places[i];
    return text;
}

std::string AttackersOf(int p, int x, int y)
{
    const TargetMapGuard guard(p);
    std::vector<std::string> attackers;
    for (int px = 1; px <= BoardSize; ++px)
        for (int py = 1; py <= BoardSize; ++py) {
            const int code = Position[p][px][py];
            if (code == 0 || (px == x && py == y))
                continue;
            GenerateTargets(p, px, py);
            if (TargetMap[p][x][y] != TargetNone)
                attackers.push_back(
                    PieceWords(SideOf(code), std::abs(code)) + " on " + SquareName(px, py));
        }
    const std::string square = SquareName(x, y);
    if (attackers.empty())
        return square + " is not attacked";
    return square + " is attacked by " + Listed(attackers);
}

std::string TurnDescription(
    int side, std::string_view rulesName, int level, std::string_view opponent)
{
    return std::string(EnglishSideName(side)) + " to move; " + std::string(rulesName) + ", level "
        + std::to_string(level) + ", " + std::string(opponent);
}

std::string_view SpokenRulesName(const RuleSet& rules)
{
    return rules.name == VelmoraRules.name ? "Velmora's rules" : "standard minishogi rules";
}

std::string GameEndSentence(GameEnd end, int winner)
{
    const std::string wins = std::string(EnglishSideName(winner)) + " wins";
    const std::string loser(EnglishSideName(-winner));
    switch (end) {
    case GameEnd::Running:
        return "The game goes on";
    case GameEnd::Mate:
        return wins + " by mate";
    case GameEnd::OwnKingLeftAttacked:
        return wins + ": " + loser + "'s move left its own king in check";
    case GameEnd::Resignation:
        return wins + ": " + loser + " resigned";
    case GameEnd::Stopped:
        return "The game was stopped";
    case GameEnd::TimeForfeit:
        return wins + ": " + loser + " ran out of time";
    case GameEnd::IllegalMove:
        return wins + ": " + loser + " made an illegal move";
    case GameEnd::Repetition:
        if (winner == 0)
            return "A draw: the same position came up for the fourth time";
        return wins + ": the same position came up for the fourth time";
    case GameEnd::PerpetualCheck:
        return wins + ": " + loser + " checked on every move of a fourfold repetition";
    case GameEnd::MaxLength:
        return "A draw: the game reached its greatest length";
    }
    return "";
}

std::string MessageInWords(std::string_view message)
{
    struct Meaning {
        std::string_view japanese, english;
    };
    const Meaning meanings[] = {
        { "まで", "The game is over" },
        { WinnerMessage(Sente), "Sente wins" },
        { WinnerMessage(Gote), "Gote wins" },
        { "まいりました", "The computer resigns" },
        // Said only to a person who beat the computer from the largest handicap.
        { "いやお強い！", "You are strong!" },
    };
    for (const Meaning& meaning : meanings)
        if (message == meaning.japanese)
            return std::string(meaning.english);
    return std::string(message);
}
