#include "typed_move.h"

#include "notation.h"

#include "record/kif_reading.h"
#include "rules/legality.h"
#include "rules/usi_move.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

enum class Promotion { Unsaid, Yes, No };

struct Square {
    int x = 0, y = 0;
};

// What the text names, before the rules are asked about it.
struct TypedMove {
    Notation notation = Notation::Usi;
    int type = 0; // the piece named; 0 when a USI board move names none
    bool drop = false; // a drop was said
    bool dropIfOnlyHand = false; // no drop was said, but one is meant where no board piece can go
    std::optional<Square> from; // the origin, where the text gives one
    Square to;
    Promotion promotion = Promotion::Unsaid;
    bool capture = false; // Western 'x'
    int side = 0; // the side mark typed, 0 for none
    std::string relative; // KIF's words for which piece moves: 右 左 上 引 直 寄
};

// A reading is the move named, or why the text names none.
struct Reading {
    std::optional<TypedMove> move;
    std::string reason;
};

Reading Refuse(std::string reason) { return { std::nullopt, std::move(reason) }; }

// The start of what was typed, to quote: at most about 24 bytes, never half a character.
std::string Quoted(std::string_view text)
{
    size_t n = std::min<size_t>(text.size(), 24);
    while (n > 0 && n < text.size() && (static_cast<unsigned char>(text[n]) & 0xc0) == 0x80)
        --n;
    return "'" + std::string(text.substr(0, n)) + "'";
}

std::string Unreadable(std::string_view text)
{
    return "cannot read " + Quoted(text) + " as a move";
}

Square SquareOfFileRank(int file, int rank) { return { BoardSize + 1 - file, rank }; }

std::string Name(Square q) { return SquareName(q.x, q.y); }

// USI: the rules' own reader; a board move without '+' does not promote.
std::optional<TypedMove> ReadUsi(std::string_view text, int s)
{
    std::string error;
    const auto move = ReadUsiMove(text, s, error);
    if (!move)
        return std::nullopt;
    TypedMove typed;
    typed.to = { move->toX, move->toY };
    if (move->fromY > BoardSize) {
        typed.drop = true;
        typed.type = move->fromX;
    } else {
        typed.from = Square { move->fromX, move->fromY };
        typed.promotion = move->promote ? Promotion::Yes : Promotion::No;
    }
    return typed;
}

// A USI square, "3c", from the front of text.
std::optional<Square> ConsumeUsiSquare(std::string_view& text)
{
    if (text.size() < 2 || text[0] < '1' || text[0] > '0' + BoardSize || text[1] < 'a'
        || text[1] > 'a' + BoardSize - 1)
        return std::nullopt;
    const Square q = SquareOfFileRank(text[0] - '0', text[1] - 'a' + 1);
    text.remove_prefix(2);
    return q;
}

// Western letters are the SFEN letters, '+' before a promotable one, and T for a tokin.
int ConsumeWesternPiece(std::string_view& text)
{
    const bool promoted = Consume(text, "+");
    if (text.empty())
        return 0;
    const char letter = text[0];
    text.remove_prefix(1);
    if (letter == 't')
        return promoted ? 0 : Tokin;
    const int type = TypeOfLetter(letter);
    if (!promoted || type == 0)
        return type;
    return IsPromotable(type) ? type + PromotionOffset : 0;
}

// Western: [+]piece [origin] [- x *] destination [+ =], in either case.
Reading ReadWestern(std::string_view typed)
{
    // Spaces say nothing in Western notation: "G 4e - 3d" is "G4e-3d".
    std::string lower;
    for (const char c : typed)
        if (c != ' ')
            lower += c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
    std::string_view text = lower;
    TypedMove move;
    move.notation = Notation::English;
    move.type = ConsumeWesternPiece(text);
    if (move.type == 0)
        return Refuse(Unreadable(typed));
    const auto first = ConsumeUsiSquare(text);
    const char separator = !text.empty() && std::strchr("-x*", text[0]) ? text[0] : 0;
    if (separator)
        text.remove_prefix(1);
    const auto second = ConsumeUsiSquare(text);
    if (!first && !second)
        return Refuse(Unreadable(typed));
    move.to = second ? *second : *first;
    if (first && second)
        move.from = first;
    move.drop = separator == '*';
    move.capture = separator == 'x';
    move.dropIfOnlyHand = separator == 0 && !move.from;
    if (Consume(text, "+"))
        move.promotion = Promotion::Yes;
    else if (Consume(text, "="))
        move.promotion = Promotion::No;
    if (!text.empty() || (move.drop && move.from))
        return Refuse(Unreadable(typed));
    return { move, "" };
}

// A digit 1 to 9, full width or not, from the front of text; 0 when none.
int ConsumeDigit(std::string_view& text)
{
    if (!text.empty() && text[0] >= '1' && text[0] <= '9') {
        const int digit = text[0] - '0';
        text.remove_prefix(1);
        return digit;
    }
    return ConsumeOneOf(text, WideDigits) + 1;
}

constexpr std::string_view RelativeWords[] = { "右", "左", "上", "引", "直", "寄" };

// KIF's origin in parentheses, "(45)", in ASCII or full width.
bool ConsumeOrigin(std::string_view& text, std::optional<Square>& from)
{
    if (!Consume(text, "(") && !Consume(text, "（"))
        return true;
    const int file = ConsumeDigit(text);
    const int rank = ConsumeDigit(text);
    if (file < 1 || file > BoardSize || rank < 1 || rank > BoardSize)
        return false;
    from = SquareOfFileRank(file, rank);
    return Consume(text, ")") || Consume(text, "）");
}

// Japanese: [▲△] (file rank | 同) piece [右左上引直寄] [打 成 不成] [(origin)].
Reading ReadJapanese(std::string_view typed, std::optional<std::pair<int, int>> lastTo)
{
    std::string_view text = typed;
    TypedMove move;
    move.notation = Notation::Japanese;
    if (Consume(text, SideMark(Sente)) || Consume(text, "☗"))
        move.side = Sente;
    else if (Consume(text, SideMark(Gote)) || Consume(text, "☖"))
        move.side = Gote;
    text = Trim(text);
    if (Consume(text, "同")) {
        if (!lastTo)
            return Refuse("同 is the square of the last move, and there is none");
        move.to = { lastTo->first, lastTo->second };
    } else {
        const int file = ConsumeDigit(text);
        int rank = ConsumeOneOf(text, KanjiNumerals) + 1;
        if (rank == 0)
            rank = ConsumeDigit(text);
        if (file == 0 || rank == 0)
            return Refuse(Unreadable(typed));
        if (file > BoardSize || rank > BoardSize)
            return Refuse(Quoted(typed) + " is off the 5 x 5 board");
        move.to = SquareOfFileRank(file, rank);
    }
    text = Trim(text);
    const auto piece = ConsumePiece(text);
    if (!piece)
        return Refuse(Unreadable(typed));
    move.type = piece->type;
    for (int word; (word = ConsumeOneOf(text, RelativeWords)) >= 0;)
        move.relative += RelativeWords[word];
    if (Consume(text, "打"))
        move.drop = true;
    else if (Consume(text, "不成") || Consume(text, "生"))
        move.promotion = Promotion::No;
    else if (Consume(text, "成"))
        move.promotion = Promotion::Yes;
    move.dropIfOnlyHand = !move.drop;
    if (!ConsumeOrigin(text, move.from) || !Trim(text).empty())
        return Refuse(Unreadable(typed));
    if (move.from)
        move.dropIfOnlyHand = false;
    return { move, "" };
}

Reading ReadText(std::string_view text, int s, std::optional<std::pair<int, int>> lastTo)
{
    if (const auto usi = ReadUsi(text, s))
        return { usi, "" };
    const char first = text[0];
    const bool western
        = first == '+' || (first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z');
    return western ? ReadWestern(text) : ReadJapanese(text, lastTo);
}

std::string PieceWords(int side, int type)
{
    return std::string(EnglishSideName(side)) + " " + std::string(EnglishPieceNames[type]);
}

// Whether the move from `from` to `to` of side s goes as KIF's word for it says.
bool MovesAsSaid(std::string_view word, Square from, Square to, int s)
{
    const int forward = (from.y - to.y) * s; // rows gained toward the enemy
    if (word == "上")
        return forward > 0;
    if (word == "引")
        return forward < 0;
    if (word == "寄")
        return forward == 0;
    if (word == "直")
        return forward > 0 && from.x == to.x;
    return true;
}

struct Candidate {
    Move move;
    bool askPromotion; // the mover may promote or not and did not say
};

// Keeps the candidates that KIF's words for which piece moves describe: movement words first,
// then 右 and 左 for the rightmost and leftmost from the mover's side.
void KeepAsSaid(std::vector<Candidate>& candidates, const std::string& relative, int s)
{
    const auto origin = [](const Candidate& c) { return Square { c.move.fromX, c.move.fromY }; };
    for (std::string_view words = relative; !words.empty();) {
        const int word = ConsumeOneOf(words, RelativeWords);
        const std::string_view said = RelativeWords[word];
        std::erase_if(candidates, [&](const Candidate& c) {
            const Square to { c.move.toX, c.move.toY };
            return c.move.fromY > BoardSize || !MovesAsSaid(said, origin(c), to, s);
        });
        if ((said != "右" && said != "左") || candidates.empty())
            continue;
        // Sente's right is the screen's right; Gote's is the screen's left.
        const int sign = (said == "右" ? 1 : -1) * s;
        int best = -BoardSize;
        for (const Candidate& c : candidates)
            best = std::max(best, c.move.fromX * sign);
        std::erase_if(candidates, [&](const Candidate& c) { return c.move.fromX * sign != best; });
    }
}

// Asks the rules about what the text names and turns the answer into a result.
class Resolver {
public:
    Resolver(const TypedMove& typed, int s, const RuleSet& rules)
        : typed_(typed)
        , s_(s)
        , rules_(rules)
    {
    }

    TypedMoveResult Resolve();

private:
    std::optional<std::string> CheckOrigin() const;
    std::vector<Square> Origins() const;
    void Judge(Square from, int code);
    std::string Ambiguity() const;
    std::string PromotionQuestion() const;

    const TypedMove& typed_;
    const int s_;
    const RuleSet& rules_;
    std::vector<Candidate> legal_;
    std::optional<MoveVerdict> refusal_; // the first reason the rules gave against a candidate
};

std::string DropName(int type) { return std::string(EnglishPieceNames[type]); }

std::optional<std::string> Resolver::CheckOrigin() const
{
    const Square to = typed_.to;
    const int type = typed_.type;
    if (typed_.drop) {
        if (type > Gold || typed_.promotion != Promotion::Unsaid)
            return "only an unpromoted piece is dropped, and it does not promote";
        if (Position[1][type][HandRow(s_)] == 0)
            return std::string(EnglishSideName(s_)) + " has no " + DropName(type) + " in hand";
        return std::nullopt;
    }
    if (!typed_.from)
        return std::nullopt;
    const Square from = *typed_.from;
    const int code = Position[1][from.x][from.y];
    if (code * s_ <= 0)
        return "there is no " + std::string(EnglishSideName(s_)) + " piece on " + Name(from);
    if (type != 0 && code * s_ != type)
        return "there is no " + PieceWords(s_, type) + " on " + Name(from);
    if (from.x == to.x && from.y == to.y)
        return "the move goes nowhere: " + Name(from) + " is its own destination";
    return std::nullopt;
}

std::vector<Square> Resolver::Origins() const
{
    if (typed_.drop)
        return { { typed_.type, HandRow(s_) } };
    if (typed_.from)
        return { *typed_.from };
    std::vector<Square> origins;
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            if (Position[1][x][y] == typed_.type * s_)
                origins.push_back({ x, y });
    return origins;
}

void Resolver::Judge(Square from, int code)
{
    const auto judge = [&](int promote, bool ask) {
        const Move move { int8_t(from.x), int8_t(from.y), int8_t(typed_.to.x), int8_t(typed_.to.y),
            int8_t(promote) };
        const MoveVerdict verdict = JudgeMove(1, s_, move, rules_);
        if (verdict == MoveVerdict::Legal)
            legal_.push_back({ move, ask });
        else if (!refusal_)
            refusal_ = verdict;
    };
    if (typed_.promotion == Promotion::Yes)
        judge(1, false);
    else if (typed_.promotion == Promotion::No)
        judge(0, false);
    else
        judge(code == TargetPromoteForced ? 1 : 0, code == TargetPromoteOptional);
}

std::string Resolver::Ambiguity() const
{
    const int type = std::abs(Position[1][legal_[0].move.fromX][legal_[0].move.fromY]);
    std::string text = "ambiguous: the " + std::string(EnglishPieceNames[type]);
    for (size_t i = 0; i < legal_.size(); ++i) {
        text += i == 0 ? " on " : i + 1 < legal_.size() ? ", on " : " or on ";
        text += SquareName(legal_[i].move.fromX, legal_[i].move.fromY);
    }
    return text;
}

std::string Resolver::PromotionQuestion() const
{
    switch (typed_.notation) {
    case Notation::Japanese:
        return "say 成 to promote or 不成 not to";
    case Notation::English:
    case Notation::Usi:
        break;
    }
    return "say + to promote or = not to";
}

TypedMoveResult Resolver::Resolve()
{
    if (typed_.side != 0 && typed_.side != s_)
        return { std::nullopt, "it is " + std::string(EnglishSideName(s_)) + "'s turn" };
    if (const auto refusal = CheckOrigin())
        return { std::nullopt, *refusal };
    const Square to = typed_.to;
    if (typed_.capture && Position[1][to.x][to.y] == 0)
        return { std::nullopt, Name(to) + " is empty: there is nothing to take" };
    bool reached = false;
    for (const Square from : Origins()) {
        GenerateTargets(1, from.x, from.y);
        const int code = TargetMap[1][to.x][to.y];
        if (code > TargetNone) {
            reached = true;
            Judge(from, code);
        }
    }
    const bool handHolds
        = typed_.type >= Pawn && typed_.type <= Gold && Position[1][typed_.type][HandRow(s_)] > 0;
    if (!reached && typed_.dropIfOnlyHand && handHolds) {
        TypedMove drop = typed_;
        drop.drop = true;
        drop.dropIfOnlyHand = false;
        return Resolver(drop, s_, rules_).Resolve();
    }
    if (!reached) {
        if (typed_.drop)
            return { std::nullopt,
                "a " + DropName(typed_.type) + " cannot be dropped on " + Name(to) };
        if (typed_.from)
            return { std::nullopt,
                "the piece on " + Name(*typed_.from) + " cannot go to " + Name(to) };
        return { std::nullopt, "no " + PieceWords(s_, typed_.type) + " can go to " + Name(to) };
    }
    if (legal_.empty())
        return { std::nullopt, std::string("illegal: ") + Describe(*refusal_) };
    KeepAsSaid(legal_, typed_.relative, s_);
    if (legal_.empty())
        return { std::nullopt,
            typed_.relative + " fits no " + PieceWords(s_, typed_.type) + " that can go to "
                + Name(to) };
    if (legal_.size() > 1)
        return { std::nullopt, Ambiguity() };
    if (legal_[0].askPromotion)
        return { std::nullopt, PromotionQuestion() };
    return { legal_[0].move, "" };
}

// Puts the destinations of ply 1 back: they may be showing a picked piece's moves.
class TargetMapGuard {
public:
    TargetMapGuard() { std::memcpy(targets_, TargetMap[1], sizeof targets_); }
    ~TargetMapGuard() { std::memcpy(TargetMap[1], targets_, sizeof targets_); }
    TargetMapGuard(const TargetMapGuard&) = delete;
    TargetMapGuard& operator=(const TargetMapGuard&) = delete;

private:
    int8_t targets_[BoardSize + 1][BoardSize + 1];
};

} // namespace

TypedMoveResult ReadTypedMove(
    std::string_view text, int s, const RuleSet& rules, std::optional<std::pair<int, int>> lastTo)
{
    text = Trim(text);
    if (text.empty())
        return { std::nullopt, "nothing was typed" };
    const Reading reading = ReadText(text, s, lastTo);
    if (!reading.move)
        return { std::nullopt, reading.reason };
    const TargetMapGuard guard;
    return Resolver(*reading.move, s, rules).Resolve();
}
