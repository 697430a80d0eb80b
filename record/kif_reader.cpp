#include "kif_reader.h"

#include "kif_reading.h"
#include "text.h"

#include "rules/sfen.h"
#include "rules/usi_move.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

constexpr std::string_view WideColon = "\uff1a";

// Pieces of the larger games, named when a record holds one.
constexpr std::string_view ForeignPieces[] = { "成香", "成桂", "香", "桂", "杏", "圭" };
// The handicaps of 9 x 9 shogi: a record of one is of another game.
constexpr std::string_view NineByNineHandicaps[] = { "平手", "香落ち", "右香落ち", "角落ち",
    "飛車落ち", "飛香落ち", "二枚落ち", "三枚落ち", "四枚落ち", "五枚落ち", "左五枚落ち",
    "六枚落ち", "左七枚落ち", "右七枚落ち", "八枚落ち", "十枚落ち" };
// The special moves that close a KIF move list.
constexpr std::string_view SpecialMoves[] = { "投了", "中断", "詰み", "反則勝ち", "反則負け",
    "千日手", "持将棋", "切れ負け", "入玉勝ち", "不詰", "封じ手" };

} // namespace

bool KifReader::Read(const std::vector<std::string_view>& lines)
{
    for (size_t i = 0; i < lines.size() && special_.empty(); ++i) {
        const int line = int(i + 1);
        std::string_view text = Trim(lines[i]);
        if (text.empty() || text[0] == '#' || text[0] == '*' || text[0] == '&')
            continue;
        if (text.starts_with("変化") || text.starts_with("まで"))
            break; // the main line is over: variations or the closing line follow
        if (text[0] >= '0' && text[0] <= '9') {
            if (!ReadKifMove(lines, i, text))
                return false;
            continue;
        }
        if (builder_.Started())
            return builder_.Fail(line, "not a move: '" + Excerpt(text) + "'");
        if (!ReadLineBeforeMoves(line, text))
            return false;
    }
    if (kif_.diagramOpen)
        return builder_.Fail(int(lines.size()),
            "the board diagram ends after " + std::to_string(kif_.rows) + " of 5 rows");
    if (!builder_.Started() && !StartKif(int(lines.size())))
        return false;
    builder_.Finish(special_);
    return true;
}

bool KifReader::ReadLineBeforeMoves(int line, std::string_view text)
{
    if (text.starts_with("手数"))
        return true; // the heading of the move list
    if (text == "後手番" || text == "上手番" || text == "先手番" || text == "下手番") {
        kif_.side = text == "先手番" || text == "下手番" ? Sente : Gote;
        return true;
    }
    const bool diagram = text[0] == '|' || text[0] == '+' || text.starts_with("１")
        || text.starts_with("５") || text.starts_with("９");
    if (diagram)
        return ReadDiagramLine(line, text);
    const size_t colon = std::min(text.find(WideColon), text.find(':'));
    if (colon == std::string_view::npos)
        return builder_.Fail(line,
            "not a KIF record, an SFEN position or a USI position line: '" + Excerpt(text) + "'");
    const size_t skip = text.substr(colon).starts_with(WideColon) ? WideColon.size() : 1;
    return ReadKifHeader(line, text.substr(0, colon), Trim(text.substr(colon + skip)));
}

bool KifReader::ReadKifHeader(int line, std::string_view key, std::string_view value)
{
    if (key == "手合割")
        return ReadHandicap(line, value);
    if (key == "先手" || key == "下手" || key == "後手" || key == "上手") {
        builder_.NamePlayer(key == "先手" || key == "下手" ? Sente : Gote, value);
        return true;
    }
    if (key == "先手の持駒" || key == "下手の持駒")
        return ReadHand(line, value, Sente);
    if (key == "後手の持駒" || key == "上手の持駒")
        return ReadHand(line, value, Gote);
    return true; // date, event, time control and the like
}

bool KifReader::ReadHandicap(int line, std::string_view value)
{
    if (value == "5五将棋" || value == "５五将棋") {
        kif_.handicapLine = line;
        return true;
    }
    if (value == "その他")
        return true; // the diagram says what the start is
    for (std::string_view name : NineByNineHandicaps)
        if (value == name)
            return builder_.Fail(
                line, "手合割 '" + std::string(value) + "' is a game of 9 x 9 shogi");
    return builder_.Fail(line, "unknown handicap '" + Excerpt(value) + "'");
}

bool KifReader::ReadHand(int line, std::string_view value, int s)
{
    std::string& hand = kif_.hands[SideIndex(s)];
    hand.clear();
    if (value == "なし")
        return true;
    while (!(value = Trim(value)).empty()) {
        const std::string token = Excerpt(value, 12);
        const auto piece = ConsumePiece(value);
        if (!piece || piece->type > Gold)
            return builder_.Fail(line,
                "cannot read '" + token + "' as pieces in " + (s == Sente ? "Sente" : "Gote")
                    + "'s hand");
        int count = Consume(value, "十") ? 10 : 0;
        const int units = ConsumeOneOf(value, KanjiNumerals);
        count += units >= 0 ? units + 1 : (count == 0 ? 1 : 0);
        hand += (count > 1 ? std::to_string(count) : "") + SfenPiece(piece->type * s);
    }
    return true;
}

bool KifReader::ReadDiagramLine(int line, std::string_view text)
{
    if (text[0] == '|')
        return ReadDiagramRow(line, text);
    if (text[0] != '+') { // the file numbers above the board
        int files = 0;
        for (std::string_view rest = text; !(rest = Trim(rest)).empty(); ++files)
            if (ConsumeOneOf(rest, WideDigits) < 0)
                return builder_.Fail(line, "cannot read the file numbers of the board diagram");
        return files == BoardSize
            ? true
            : builder_.Fail(
                line, "a board diagram of " + std::to_string(files) + " files; minishogi has 5");
    }
    if (text != "+---------------+")
        return builder_.Fail(line, "the border of the board diagram is not 5 squares wide");
    if (kif_.diagramOpen) {
        if (kif_.rows != BoardSize)
            return builder_.Fail(line,
                "the board diagram has " + std::to_string(kif_.rows) + " rows; minishogi has 5");
        kif_.diagramOpen = false;
        return true;
    }
    if (kif_.diagramLine != 0)
        return builder_.Fail(line, "a second board diagram");
    kif_.diagramOpen = true;
    kif_.diagramLine = line;
    return true;
}

bool KifReader::ReadDiagramRow(int line, std::string_view text)
{
    if (!kif_.diagramOpen || kif_.rows == BoardSize)
        return builder_.Fail(line, "a row of the board diagram outside its border");
    std::string& row = kif_.board[kif_.rows++];
    text.remove_prefix(1);
    int empty = 0;
    for (int x = 1; x <= BoardSize; ++x) {
        if (text.empty() || (text[0] != ' ' && text[0] != 'v'))
            return builder_.Fail(
                line, "cannot read square " + std::to_string(x) + " of the diagram row");
        const bool gote = text[0] == 'v';
        text.remove_prefix(1);
        if (Consume(text, "・")) {
            ++empty;
            continue;
        }
        const std::string token = Excerpt(text, 3);
        const auto piece = ConsumePiece(text);
        if (!piece || piece->kanji == "成銀")
            return builder_.Fail(line, "'" + token + "' is not a minishogi piece");
        if (empty > 0)
            row += std::to_string(empty);
        empty = 0;
        row += SfenPiece(gote ? -piece->type : piece->type);
    }
    if (empty > 0)
        row += std::to_string(empty);
    if (!text.starts_with('|'))
        return builder_.Fail(line, "the diagram row has more than 5 squares");
    return true;
}

bool KifReader::StartKif(int line)
{
    if (kif_.diagramLine == 0) {
        if (kif_.handicapLine == 0)
            return builder_.Fail(
                line, "the record names no start: no 手合割 line and no board diagram");
        // Other programs write the usual minishogi start as its name alone.
        return builder_.Start(kif_.handicapLine, StandardStartSfen);
    }
    std::string sfen;
    for (const std::string& row : kif_.board)
        sfen += (sfen.empty() ? "" : "/") + row;
    const std::string hands = kif_.hands[SideIndex(Sente)] + kif_.hands[SideIndex(Gote)];
    sfen += std::string(kif_.side == Sente ? " b " : " w ") + (hands.empty() ? "-" : hands) + " 1";
    return builder_.Start(kif_.diagramLine, sfen);
}

// Whether the next line that is not blank or a comment closes the move list with a foul by the
// mover: then the mover's king left attacked is how the game ended, not a misread.
bool KifReader::NextIsFoulWin(const std::vector<std::string_view>& lines, size_t after) const
{
    for (size_t i = after + 1; i < lines.size(); ++i) {
        std::string_view text = Trim(lines[i]);
        if (text.empty() || text[0] == '*' || text[0] == '#' || text[0] == '&')
            continue;
        const size_t digits = text.find_first_not_of("0123456789");
        return digits > 0 && digits != std::string_view::npos
            && Trim(text.substr(digits)).starts_with("反則勝ち");
    }
    return false;
}

bool KifReader::ReadKifMove(
    const std::vector<std::string_view>& lines, size_t i, std::string_view text)
{
    const int line = int(i + 1);
    size_t digits = text.find_first_not_of("0123456789");
    if (digits == std::string_view::npos || digits > 6)
        return builder_.Fail(line, "cannot read the move number");
    const int number = std::stoi(std::string(text.substr(0, digits)));
    const size_t expected = builder_.Moves().size() + 1;
    if (!builder_.Started() && !StartKif(line))
        return false;
    if (number != int(expected))
        return builder_.Fail(line,
            "move number " + std::to_string(number) + " where " + std::to_string(expected)
                + " belongs");
    std::string_view move = Trim(text.substr(digits));
    const int special = ConsumeOneOf(move, SpecialMoves);
    if (special >= 0) {
        special_ = SpecialMoves[special];
        return true;
    }
    // What stands after the move, such as the time taken, is not read.
    const std::string_view shown = move.substr(0, move.find(' '));
    Move m;
    return ParseKifMove(line, move, m) && builder_.Play(line, m, shown, NextIsFoulWin(lines, i));
}

bool KifReader::ReadDestination(
    int line, std::string_view& text, std::string_view shown, Move& move)
{
    if (Consume(text, "同")) {
        if (builder_.Moves().empty())
            return builder_.Fail(line, "'同' with no move before it");
        move.toX = builder_.Moves().back().move.toX;
        move.toY = builder_.Moves().back().move.toY;
        text = Trim(text);
        return true;
    }
    const int file = ConsumeOneOf(text, WideDigits) + 1;
    const int rank = ConsumeOneOf(text, KanjiNumerals) + 1;
    if (file == 0 || rank == 0)
        return builder_.Fail(line, "cannot read the move '" + Excerpt(shown) + "'");
    if (file > BoardSize || rank > BoardSize)
        return builder_.Fail(line, "'" + Excerpt(shown) + "' goes off the 5 x 5 board");
    move.toX = int8_t(BoardSize + 1 - file);
    move.toY = int8_t(rank);
    return true;
}

bool KifReader::ParseKifMove(int line, std::string_view text, Move& move)
{
    const std::string_view shown = text.substr(0, text.find(' '));
    const auto unreadable
        = [&] { return builder_.Fail(line, "cannot read the move '" + Excerpt(shown) + "'"); };
    if (!ReadDestination(line, text, shown, move))
        return false;
    for (std::string_view foreign : ForeignPieces)
        if (text.starts_with(foreign))
            return builder_.Fail(line, "'" + std::string(foreign) + "' is not a minishogi piece");
    const auto piece = ConsumePiece(text);
    if (!piece)
        return unreadable();
    const bool drop = Consume(text, "打");
    if (!drop && !Consume(text, "不成") && !Consume(text, "生"))
        move.promote = Consume(text, "成") ? 1 : 0;
    if (Consume(text, "(")) {
        if (drop || text.size() < 3 || text[0] < '1' || text[0] > '5' || text[1] < '1'
            || text[1] > '5' || text[2] != ')')
            return unreadable();
        move.fromX = int8_t(BoardSize + 1 - (text[0] - '0'));
        move.fromY = int8_t(text[1] - '0');
        text.remove_prefix(3);
        if (std::abs(Position[1][move.fromX][move.fromY]) != piece->type)
            return builder_.Fail(line,
                "'" + std::string(shown) + "' moves a " + std::string(piece->kanji)
                    + " that is not on " + SquareName(move.fromX, move.fromY));
    } else if (drop
        || (piece->type <= Gold && Position[1][piece->type][HandRow(builder_.Side())] > 0)) {
        // A drop, whether or not the record wrote 打 for it.
        if (piece->type > Gold || move.promote)
            return unreadable();
        move.fromX = int8_t(piece->type);
        move.fromY = int8_t(HandRow(builder_.Side()));
    } else {
        return builder_.Fail(line, "'" + std::string(shown) + "' names no square it moves from");
    }
    text = Trim(text);
    return text.empty() || text[0] == '(' || text[0] == '+' ? true : unreadable();
}
