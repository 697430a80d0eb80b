#include "record_reader.h"

#include "kif_reading.h"

#include "engine/classic/mate_search.h"
#include "rules/check.h"
#include "rules/legality.h"
#include "rules/ply_snapshot.h"
#include "rules/sfen.h"
#include "rules/usi_move.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

namespace {

constexpr std::string_view WideColon = "\uff1a";
constexpr std::string_view ByteOrderMark = "\xef\xbb\xbf";

bool IsSfenBoardCharacter(char c)
{
    return (c >= '1' && c <= '0' + BoardSize) || c == '/' || c == '+' || TypeOfLetter(c) != 0;
}

// Pieces of the larger games, named when a record holds one.
constexpr std::string_view ForeignPieces[] = { "成香", "成桂", "香", "桂", "杏", "圭" };
// The handicaps of 9 x 9 shogi: a record of one is of another game.
constexpr std::string_view NineByNineHandicaps[] = { "平手", "香落ち", "右香落ち", "角落ち",
    "飛車落ち", "飛香落ち", "二枚落ち", "三枚落ち", "四枚落ち", "五枚落ち", "左五枚落ち",
    "六枚落ち", "左七枚落ち", "右七枚落ち", "八枚落ち", "十枚落ち" };
// The special moves that close a KIF move list.
constexpr std::string_view SpecialMoves[] = { "投了", "中断", "詰み", "反則勝ち", "反則負け",
    "千日手", "持将棋", "切れ負け", "入玉勝ち", "不詰", "封じ手" };

// The start of text for a message: at most about n bytes, never cutting a character in two.
std::string Excerpt(std::string_view text, size_t n = 40)
{
    if (text.size() <= n)
        return std::string(text);
    while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xc0) == 0x80)
        --n;
    return std::string(text.substr(0, n));
}

// Where the text stops being UTF-8 without control characters: the 1-based line, 0 when never.
int LineOfBadByte(std::string_view text)
{
    int line = 1;
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\n')
            ++line;
        if (c < 0x80) {
            if (c < 0x20 && c != '\n' && c != '\r' && c != '\t')
                return line;
            ++i;
            continue;
        }
        // The lead byte says how many continuation bytes follow and the range of the first.
        int more = 0;
        unsigned char low = 0x80, high = 0xbf;
        if (c >= 0xc2 && c <= 0xdf)
            more = 1;
        else if (c >= 0xe0 && c <= 0xef)
            more = 2, low = c == 0xe0 ? 0xa0 : 0x80, high = c == 0xed ? 0x9f : 0xbf;
        else if (c >= 0xf0 && c <= 0xf4)
            more = 3, low = c == 0xf0 ? 0x90 : 0x80, high = c == 0xf4 ? 0x8f : 0xbf;
        else
            return line;
        for (int k = 1; k <= more; ++k) {
            if (i + k >= text.size())
                return line;
            const auto next = static_cast<unsigned char>(text[i + k]);
            if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xbf))
                return line;
        }
        i += size_t(more) + 1;
    }
    return 0;
}

std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        lines.push_back(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

std::vector<std::string_view> SplitWords(std::string_view text)
{
    std::vector<std::string_view> words;
    for (size_t i = 0; i < text.size();) {
        const size_t end = std::min(text.find(' ', i), text.size());
        if (end > i)
            words.push_back(text.substr(i, end - i));
        i = end + 1;
    }
    return words;
}

// Puts ply 1 and its target map back however reading ends: the game on screen stays as it was.
class Ply1Guard {
public:
    Ply1Guard() { std::memcpy(targets_, TargetMap[1], sizeof targets_); }
    ~Ply1Guard()
    {
        ply_.Restore(1);
        std::memcpy(TargetMap[1], targets_, sizeof targets_);
    }
    Ply1Guard(const Ply1Guard&) = delete;
    Ply1Guard& operator=(const Ply1Guard&) = delete;

private:
    PlySnapshot ply_ { 1 };
    int8_t targets_[BoardSize + 1][BoardSize + 1];
};

// A KIF start as the header describes it, turned into SFEN once the moves begin.
struct KifStart {
    int handicapLine = 0; // the line of a minishogi 手合割, 0 when none
    int diagramLine = 0; // the line where the board diagram began, 0 when none
    int rows = 0; // diagram rows read
    bool diagramOpen = false;
    std::string board[BoardSize]; // the diagram's rows, in SFEN
    std::string hands[SideSlots]; // SFEN letters of each hand
    int side = Sente;
};

// Reads one text into a record, replaying every move on ply 1; the first refusal ends it.
class RecordReader {
public:
    RecordReader(const RuleSet& rules, GameRecord& record)
        : rules_(rules)
        , record_(record)
    {
    }

    bool Read(std::string_view text);
    const std::string& Error() const { return error_; }

private:
    // Line 0 is the text as a whole.
    bool Fail(int line, const std::string& reason)
    {
        error_ = line == 0 ? reason : "line " + std::to_string(line) + ": " + reason;
        return false;
    }

    bool ReadUsi(const std::vector<std::string_view>& lines, size_t first);
    bool ReadSfenLine(const std::vector<std::string_view>& lines, size_t first);
    bool ReadMoreLines(const std::vector<std::string_view>& lines, size_t first, const char* what);
    bool ReadUsiMoves(int line, const std::vector<std::string_view>& words, size_t from);

    bool ReadKif(const std::vector<std::string_view>& lines);
    bool ReadKifHeader(int line, std::string_view key, std::string_view value);
    bool ReadHandicap(int line, std::string_view value);
    bool ReadHand(int line, std::string_view value, int s);
    bool ReadDiagramLine(int line, std::string_view text);
    bool ReadDiagramRow(int line, std::string_view text);
    bool StartKif(int line);
    bool ReadKifMove(const std::vector<std::string_view>& lines, size_t i, std::string_view text);
    bool ParseKifMove(int line, std::string_view text, Move& move);
    bool NextIsFoulWin(const std::vector<std::string_view>& lines, size_t after) const;

    bool Start(int line, std::string_view sfen);
    bool Play(int line, const Move& move, std::string_view text, bool foulAllowed);
    void Finish(std::string_view special);

    const RuleSet& rules_;
    GameRecord& record_;
    std::string error_;
    int side_ = Sente; // the side to move in the replay
    bool started_ = false;
    bool foul_ = false; // the last move left the mover's king attacked
    KifStart kif_;
    std::string special_;
};

bool RecordReader::Read(std::string_view text)
{
    if (text.size() > MaxRecordBytes)
        return Fail(0, "the text is larger than 1 MB, far more than a game record");
    if (const int bad = LineOfBadByte(text))
        return Fail(bad, "not text in UTF-8 or Shift_JIS");
    Consume(text, ByteOrderMark);
    const std::vector<std::string_view> lines = SplitLines(text);
    size_t first = 0;
    while (first < lines.size() && Trim(lines[first]).empty())
        ++first;
    if (first == lines.size())
        return Fail(0, "the text is empty");
    const std::string_view head = Trim(lines[first]);
    if (head.starts_with("position ") || head == "position")
        return ReadUsi(lines, first);
    const std::string_view word = SplitWords(head)[0];
    const bool sfenBoard = word.find('/') != std::string_view::npos
        && std::all_of(word.begin(), word.end(), IsSfenBoardCharacter);
    if (word == "sfen" || sfenBoard)
        return ReadSfenLine(lines, first);
    return ReadKif(lines);
}

bool RecordReader::ReadMoreLines(
    const std::vector<std::string_view>& lines, size_t first, const char* what)
{
    for (size_t i = first + 1; i < lines.size(); ++i)
        if (!Trim(lines[i]).empty())
            return Fail(int(i + 1), std::string("more text after the ") + what);
    return true;
}

bool RecordReader::ReadUsi(const std::vector<std::string_view>& lines, size_t first)
{
    const int line = int(first + 1);
    const auto words = SplitWords(Trim(lines[first]));
    size_t next = 2;
    std::string sfen;
    if (words.size() >= 2 && words[1] == "startpos") {
        sfen = rules_.startSfen;
    } else if (words.size() >= 2 && words[1] == "sfen") {
        for (; next < words.size() && words[next] != "moves"; ++next)
            sfen += std::string(sfen.empty() ? "" : " ") + std::string(words[next]);
    } else {
        return Fail(line, "a USI position is 'position startpos' or 'position sfen ...'");
    }
    if (next < words.size() && words[next] != "moves")
        return Fail(line, "'" + std::string(words[next]) + "' where 'moves' belongs");
    return Start(line, sfen) && ReadUsiMoves(line, words, next + 1)
        && ReadMoreLines(lines, first, "USI position");
}

bool RecordReader::ReadSfenLine(const std::vector<std::string_view>& lines, size_t first)
{
    const int line = int(first + 1);
    auto words = SplitWords(Trim(lines[first]));
    size_t next = words[0] == "sfen" ? 1 : 0;
    std::string sfen;
    for (; next < words.size() && words[next] != "moves"; ++next)
        sfen += std::string(sfen.empty() ? "" : " ") + std::string(words[next]);
    return Start(line, sfen) && ReadUsiMoves(line, words, next + 1)
        && ReadMoreLines(lines, first, "SFEN position");
}

bool RecordReader::ReadUsiMoves(int line, const std::vector<std::string_view>& words, size_t from)
{
    for (size_t i = from; i < words.size(); ++i) {
        std::string error;
        const auto move = ReadUsiMove(words[i], side_, error);
        if (!move)
            return Fail(line, "move " + std::to_string(record_.moves.size() + 1) + ": " + error);
        if (!Play(line, *move, words[i], false))
            return false;
    }
    Finish("");
    return true;
}

bool RecordReader::ReadKif(const std::vector<std::string_view>& lines)
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
        if (started_)
            return Fail(line, "not a move: '" + Excerpt(text) + "'");
        if (text.starts_with("手数"))
            continue; // the heading of the move list
        if (text == "後手番" || text == "上手番" || text == "先手番" || text == "下手番") {
            kif_.side = text == "先手番" || text == "下手番" ? Sente : Gote;
            continue;
        }
        const size_t colon = std::min(text.find(WideColon), text.find(':'));
        const bool diagram = text[0] == '|' || text[0] == '+' || text.starts_with("１")
            || text.starts_with("５") || text.starts_with("９");
        if (diagram) {
            if (!ReadDiagramLine(line, text))
                return false;
        } else if (colon != std::string_view::npos) {
            const size_t skip = text.substr(colon).starts_with(WideColon) ? WideColon.size() : 1;
            if (!ReadKifHeader(line, text.substr(0, colon), Trim(text.substr(colon + skip))))
                return false;
        } else {
            return Fail(line,
                "not a KIF record, an SFEN position or a USI position line: '" + Excerpt(text)
                    + "'");
        }
    }
    if (kif_.diagramOpen)
        return Fail(int(lines.size()),
            "the board diagram ends after " + std::to_string(kif_.rows) + " of 5 rows");
    if (!started_ && !StartKif(int(lines.size())))
        return false;
    Finish(special_);
    return true;
}

bool RecordReader::ReadKifHeader(int line, std::string_view key, std::string_view value)
{
    if (key == "手合割")
        return ReadHandicap(line, value);
    if (key == "先手" || key == "下手" || key == "後手" || key == "上手") {
        const int s = key == "先手" || key == "下手" ? Sente : Gote;
        // The window writes its players as "Com" and "You"; any other name is kept as it stands.
        record_.computerPlays[SideIndex(s)] = value == "Com";
        record_.playerNames[SideIndex(s)]
            = value == "Com" || value == "You" ? "" : std::string(value);
        return true;
    }
    if (key == "先手の持駒" || key == "下手の持駒")
        return ReadHand(line, value, Sente);
    if (key == "後手の持駒" || key == "上手の持駒")
        return ReadHand(line, value, Gote);
    return true; // date, event, time control and the like
}

bool RecordReader::ReadHandicap(int line, std::string_view value)
{
    if (value == "5五将棋" || value == "５五将棋") {
        kif_.handicapLine = line;
        return true;
    }
    if (value == "その他")
        return true; // the diagram says what the start is
    for (std::string_view name : NineByNineHandicaps)
        if (value == name)
            return Fail(line, "手合割 '" + std::string(value) + "' is a game of 9 x 9 shogi");
    return Fail(line, "unknown handicap '" + Excerpt(value) + "'");
}

bool RecordReader::ReadHand(int line, std::string_view value, int s)
{
    std::string& hand = kif_.hands[SideIndex(s)];
    hand.clear();
    if (value == "なし")
        return true;
    while (!(value = Trim(value)).empty()) {
        const std::string token = Excerpt(value, 12);
        const auto piece = ConsumePiece(value);
        if (!piece || piece->type > Gold)
            return Fail(line,
                "cannot read '" + token + "' as pieces in " + (s == Sente ? "Sente" : "Gote")
                    + "'s hand");
        int count = Consume(value, "十") ? 10 : 0;
        const int units = ConsumeOneOf(value, KanjiNumerals);
        count += units >= 0 ? units + 1 : (count == 0 ? 1 : 0);
        hand += (count > 1 ? std::to_string(count) : "") + SfenPiece(piece->type * s);
    }
    return true;
}

bool RecordReader::ReadDiagramLine(int line, std::string_view text)
{
    if (text[0] == '|')
        return ReadDiagramRow(line, text);
    if (text[0] != '+') { // the file numbers above the board
        int files = 0;
        for (std::string_view rest = text; !(rest = Trim(rest)).empty(); ++files)
            if (ConsumeOneOf(rest, WideDigits) < 0)
                return Fail(line, "cannot read the file numbers of the board diagram");
        return files == BoardSize
            ? true
            : Fail(line, "a board diagram of " + std::to_string(files) + " files; minishogi has 5");
    }
    if (text != "+---------------+")
        return Fail(line, "the border of the board diagram is not 5 squares wide");
    if (kif_.diagramOpen) {
        if (kif_.rows != BoardSize)
            return Fail(line,
                "the board diagram has " + std::to_string(kif_.rows) + " rows; minishogi has 5");
        kif_.diagramOpen = false;
        return true;
    }
    if (kif_.diagramLine != 0)
        return Fail(line, "a second board diagram");
    kif_.diagramOpen = true;
    kif_.diagramLine = line;
    return true;
}

bool RecordReader::ReadDiagramRow(int line, std::string_view text)
{
    if (!kif_.diagramOpen || kif_.rows == BoardSize)
        return Fail(line, "a row of the board diagram outside its border");
    std::string& row = kif_.board[kif_.rows++];
    text.remove_prefix(1);
    int empty = 0;
    for (int x = 1; x <= BoardSize; ++x) {
        if (text.empty() || (text[0] != ' ' && text[0] != 'v'))
            return Fail(line, "cannot read square " + std::to_string(x) + " of the diagram row");
        const bool gote = text[0] == 'v';
        text.remove_prefix(1);
        if (Consume(text, "・")) {
            ++empty;
            continue;
        }
        const std::string token = Excerpt(text, 3);
        const auto piece = ConsumePiece(text);
        if (!piece || piece->kanji == "成銀")
            return Fail(line, "'" + token + "' is not a minishogi piece");
        if (empty > 0)
            row += std::to_string(empty);
        empty = 0;
        row += SfenPiece(gote ? -piece->type : piece->type);
    }
    if (empty > 0)
        row += std::to_string(empty);
    if (!text.starts_with('|'))
        return Fail(line, "the diagram row has more than 5 squares");
    return true;
}

bool RecordReader::StartKif(int line)
{
    if (kif_.diagramLine == 0) {
        if (kif_.handicapLine == 0)
            return Fail(line, "the record names no start: no 手合割 line and no board diagram");
        // Other programs write the usual minishogi start as its name alone.
        return Start(kif_.handicapLine, StandardStartSfen);
    }
    std::string sfen;
    for (const std::string& row : kif_.board)
        sfen += (sfen.empty() ? "" : "/") + row;
    const std::string hands = kif_.hands[SideIndex(Sente)] + kif_.hands[SideIndex(Gote)];
    sfen += std::string(kif_.side == Sente ? " b " : " w ") + (hands.empty() ? "-" : hands) + " 1";
    return Start(kif_.diagramLine, sfen);
}

// Whether the next line that is not blank or a comment closes the move list with a foul by the
// mover: then the mover's king left attacked is how the game ended, not a misread.
bool RecordReader::NextIsFoulWin(const std::vector<std::string_view>& lines, size_t after) const
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

bool RecordReader::ReadKifMove(
    const std::vector<std::string_view>& lines, size_t i, std::string_view text)
{
    const int line = int(i + 1);
    size_t digits = text.find_first_not_of("0123456789");
    if (digits == std::string_view::npos || digits > 6)
        return Fail(line, "cannot read the move number");
    const int number = std::stoi(std::string(text.substr(0, digits)));
    const size_t expected = record_.moves.size() + 1;
    if (!started_ && !StartKif(line))
        return false;
    if (number != int(expected))
        return Fail(line,
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
    return ParseKifMove(line, move, m) && Play(line, m, shown, NextIsFoulWin(lines, i));
}

bool RecordReader::ParseKifMove(int line, std::string_view text, Move& move)
{
    const std::string_view shown = text.substr(0, text.find(' '));
    const auto unreadable
        = [&] { return Fail(line, "cannot read the move '" + Excerpt(shown) + "'"); };
    if (Consume(text, "同")) {
        if (record_.moves.empty())
            return Fail(line, "'同' with no move before it");
        move.toX = record_.moves.back().move.toX;
        move.toY = record_.moves.back().move.toY;
        text = Trim(text);
    } else {
        const int file = ConsumeOneOf(text, WideDigits) + 1;
        const int rank = ConsumeOneOf(text, KanjiNumerals) + 1;
        if (file == 0 || rank == 0)
            return unreadable();
        if (file > BoardSize || rank > BoardSize)
            return Fail(line, "'" + Excerpt(shown) + "' goes off the 5 x 5 board");
        move.toX = int8_t(BoardSize + 1 - file);
        move.toY = int8_t(rank);
    }
    for (std::string_view foreign : ForeignPieces)
        if (text.starts_with(foreign))
            return Fail(line, "'" + std::string(foreign) + "' is not a minishogi piece");
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
            return Fail(line,
                "'" + std::string(shown) + "' moves a " + std::string(piece->kanji)
                    + " that is not on " + SquareName(move.fromX, move.fromY));
    } else if (drop || (piece->type <= Gold && Position[1][piece->type][HandRow(side_)] > 0)) {
        // A drop, whether or not the record wrote 打 for it.
        if (piece->type > Gold || move.promote)
            return unreadable();
        move.fromX = int8_t(piece->type);
        move.fromY = int8_t(HandRow(side_));
    } else {
        return Fail(line, "'" + std::string(shown) + "' names no square it moves from");
    }
    text = Trim(text);
    return text.empty() || text[0] == '(' || text[0] == '+' ? true : unreadable();
}

bool RecordReader::Start(int line, std::string_view sfen)
{
    SfenHeader header;
    std::string error;
    if (!ReadSfen(sfen, header, error))
        return Fail(line, error.starts_with("sfen: ") ? error.substr(6) : error);
    // A position with two unpromoted pawns of one side on a file is one play never reaches.
    for (int x = 1; x <= BoardSize; ++x)
        for (int s : { Sente, Gote }) {
            int pawns = 0;
            for (int y = 1; y <= BoardSize; ++y)
                pawns += Position[1][x][y] == s * Pawn;
            if (pawns > 1)
                return Fail(line,
                    std::string("two unpromoted pawns of ") + (s == Sente ? "Sente" : "Gote")
                        + " on file " + std::to_string(BoardSize + 1 - x));
        }
    started_ = true;
    side_ = header.side;
    record_.started = true;
    std::memcpy(record_.start, Position[1], sizeof record_.start);
    record_.startSide = int8_t(header.side);
    record_.startSfen = WriteSfen(1, SfenHeader { header.side, 1 });
    return true;
}

bool RecordReader::Play(int line, const Move& move, std::string_view text, bool foulAllowed)
{
    if (foul_)
        return Fail(line, "a move after the game was lost by a foul");
    const std::string name
        = "move " + std::to_string(record_.moves.size() + 1) + " '" + std::string(text) + "'";
    const MoveVerdict verdict = JudgeMove(1, side_, move, rules_);
    foul_ = verdict == MoveVerdict::LeavesKingAttacked && foulAllowed;
    if (verdict != MoveVerdict::Legal && !foul_)
        return Fail(line, name + " is illegal: " + Describe(verdict));
    AppendMove(record_, move, side_);
    side_ = -side_;
    return true;
}

void RecordReader::Finish(std::string_view special)
{
    const int s = side_;
    if (foul_ || special == "反則勝ち") {
        record_.end = GameEnd::OwnKingLeftAttacked;
        record_.winner = s;
    } else if (special == "投了") {
        record_.end = GameEnd::Resignation;
        record_.winner = -s;
    } else if (special == "詰み" || (IsKingAttacked(1, s) && !FindEscape(1, s, 1))) {
        record_.end = GameEnd::Mate;
        record_.winner = -s;
    } else if (!special.empty()) {
        // Any other way a game can end, repetition and time included, is a stop to the window.
        record_.end = GameEnd::Stopped;
        record_.winner = 0;
    }
}

} // namespace

bool ReadGameRecord(
    std::string_view text, const RuleSet& rules, GameRecord& record, std::string& error)
{
    const Ply1Guard guard;
    GameRecord read;
    RecordReader reader(rules, read);
    if (!reader.Read(text)) {
        error = reader.Error();
        return false;
    }
    record = std::move(read);
    return true;
}
