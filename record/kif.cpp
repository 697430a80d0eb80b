#include "kif.h"
#include "kif_names.h"

#include <algorithm>
#include <string_view>

namespace {

// Files are numbered from Sente's right: board column x is file 6 - x.
std::string_view FileDigit(int x) { return WideDigits[BoardSize - x]; }
std::string_view RankNumeral(int y) { return KanjiNumerals[y - 1]; }

std::string_view SideName(int s) { return s == Sente ? "先手" : "後手"; }

std::string Hand(const GameRecord& record, int s)
{
    std::string line = std::string(SideName(s)) + "の持駒：";
    std::string pieces;
    for (int type : HandOrder) {
        const int count = record.start[type][HandRow(s)];
        if (count == 0)
            continue;
        if (!pieces.empty())
            pieces += "　";
        pieces += std::string(KifMoveNames[type])
            + std::string(count > 1 ? KanjiNumerals[count - 1] : "");
    }
    return line + (pieces.empty() ? "なし" : pieces) + "\n";
}

std::string Diagram(const GameRecord& record)
{
    std::string text = "  ５ ４ ３ ２ １\n+---------------+\n";
    for (int y = 1; y <= BoardSize; ++y) {
        text += "|";
        for (int x = 1; x <= BoardSize; ++x) {
            const int code = record.start[x][y];
            if (code == 0)
                text += " ・";
            else
                text += (code > 0 ? " " : "v")
                    + std::string(KifDiagramNames[code > 0 ? code : -code]);
        }
        text += "|" + std::string(RankNumeral(y)) + "\n";
    }
    return text + "+---------------+\n";
}

// A numbered line of the move list: the number right-aligned in four columns.
std::string MoveLine(size_t number, std::string_view text)
{
    std::string digits = std::to_string(number);
    return std::string(digits.size() < 4 ? 4 - digits.size() : 0, ' ') + digits + " "
        + std::string(text) + "\n";
}

// The side to move once every recorded move is made.
int SideToMove(const GameRecord& record)
{
    return record.moves.size() % 2 == 0 ? record.startSide : -record.startSide;
}

// The special move that closes the list, and the last line.
std::string Ending(const GameRecord& record)
{
    const size_t made = record.moves.size();
    const std::string upTo = "まで" + std::to_string(made) + "手で";
    const auto winner = [&] { return std::string(SideName(record.winner)); };
    switch (record.end) {
    case GameEnd::Running:
        return "";
    case GameEnd::Mate:
        return upTo + winner() + "の勝ち\n";
    case GameEnd::OwnKingLeftAttacked:
        // The side to move wins because the move before it was a foul.
        return MoveLine(made + 1, "反則勝ち") + upTo + winner() + "の反則勝ち\n";
    case GameEnd::Resignation:
        return MoveLine(made + 1, "投了") + upTo + winner() + "の勝ち\n";
    case GameEnd::Stopped:
        return MoveLine(made + 1, "中断") + upTo + "中断\n";
    case GameEnd::TimeForfeit:
        return MoveLine(made + 1, "切れ負け") + upTo + "時間切れにより" + winner() + "の勝ち\n";
    case GameEnd::IllegalMove:
        return MoveLine(made + 1, "反則負け") + upTo + winner() + "の反則勝ち\n";
    case GameEnd::Repetition:
        return MoveLine(made + 1, "千日手") + upTo + "千日手"
            + (record.winner == 0 ? "" : "により" + winner() + "の勝ち") + "\n";
    case GameEnd::PerpetualCheck:
        // The foul is the checker's, who may or may not be the side to move.
        return MoveLine(made + 1, record.winner == SideToMove(record) ? "反則勝ち" : "反則負け")
            + upTo + winner() + "の反則勝ち\n";
    case GameEnd::MaxLength:
        return MoveLine(made + 1, "持将棋") + upTo + "持将棋\n";
    }
    return "";
}

} // namespace

std::string KifMoveWithoutOrigin(const RecordedMove& m, int previousX, int previousY)
{
    const Move& move = m.move;
    std::string text = move.toX == previousX && move.toY == previousY
        ? std::string("同　")
        : std::string(FileDigit(move.toX)) + std::string(RankNumeral(move.toY));
    text += KifMoveNames[m.type];
    if (move.fromY > BoardSize)
        return text + "打";
    if (move.promote)
        text += "成";
    else if (m.promotionOptional)
        text += "不成";
    return text;
}

std::string KifMove(const RecordedMove& m, int previousX, int previousY)
{
    const Move& move = m.move;
    std::string text = KifMoveWithoutOrigin(m, previousX, previousY);
    if (move.fromY > BoardSize)
        return text;
    return text + "(" + std::to_string(6 - move.fromX) + std::to_string(move.fromY) + ")";
}

std::string WriteKif(const GameRecord& record, const std::vector<std::string>& comments)
{
    const auto player = [&](int s) {
        if (!record.playerNames[SideIndex(s)].empty())
            return record.playerNames[SideIndex(s)];
        return std::string(record.computerPlays[SideIndex(s)] ? "Com" : "You");
    };
    std::string kif = "手合割：5五将棋\n";
    kif += "先手：" + player(Sente) + "\n";
    kif += "後手：" + player(Gote) + "\n";
    kif += Hand(record, Gote) + Diagram(record) + Hand(record, Sente);
    if (record.startSide == Gote)
        kif += "後手番\n";
    kif += "手数----指手---------消費時間--\n";
    const auto comment = [&](size_t position) {
        if (position < comments.size())
            kif += comments[position] + "\n";
    };
    comment(0);
    int previousX = 0, previousY = 0;
    for (size_t i = 0; i < record.moves.size(); ++i) {
        const Move& move = record.moves[i].move;
        kif += MoveLine(i + 1, KifMove(record.moves[i], previousX, previousY));
        comment(i + 1);
        if (std::ranges::find(record.hintedMoves, i + 1) != record.hintedMoves.end())
            kif += "*hint\n";
        previousX = move.toX;
        previousY = move.toY;
    }
    return kif + Ending(record);
}
