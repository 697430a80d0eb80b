#include "review_texts.h"

#include <cmath>
#include <cstdio>

// Marks a template for Qt's lupdate, which finds the texts by this name, in the context "Review";
// the file itself stays free of Qt, and the window translates each template through
// SetReviewTranslation.
#define QT_TRANSLATE_NOOP(context, text) text

namespace {

ReviewTranslation translation = nullptr;

std::string Translated(const char* text) { return translation ? translation(text) : text; }

// The template translated, its places %1 to %9 filled in one pass, so that a filled-in text that
// holds a per cent sign is never read as a place.
std::string Filled(const char* text, const std::vector<std::string>& values)
{
    const std::string pattern = Translated(text);
    std::string filled;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next <= '9' && size_t(next - '1') < values.size()) {
            filled += values[size_t(next - '1')];
            ++i;
        } else {
            filled += pattern[i];
        }
    }
    return filled;
}

std::string Joined(const std::vector<std::string>& moves)
{
    std::string text;
    for (const std::string& move : moves)
        text += (text.empty() ? "" : " ") + move;
    return text;
}

// A mate line, with an ellipsis when the analysis saw less of it than the mate's length.
std::string MateLine(const Explanation& e)
{
    return Joined(e.line) + (e.line.size() < size_t(e.matePlies) ? " …" : "");
}

// The chance of winning as people say it: the expected score in per cent.
std::string Percent(double chance) { return std::to_string(std::lround(50 * (chance + 1))) + "%"; }

std::string Padded(const std::string& text, size_t width)
{
    return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

} // namespace

void SetReviewTranslation(ReviewTranslation translate) { translation = translate; }

std::string SideName(int side)
{
    return Translated(
        side == Sente ? QT_TRANSLATE_NOOP("Review", "Sente") : QT_TRANSLATE_NOOP("Review", "Gote"));
}

std::string JudgementName(Judgement judgement)
{
    switch (judgement) {
    case Judgement::Inaccuracy:
        return Translated(QT_TRANSLATE_NOOP("Review", "inaccuracy"));
    case Judgement::Mistake:
        return Translated(QT_TRANSLATE_NOOP("Review", "mistake"));
    case Judgement::Blunder:
        return Translated(QT_TRANSLATE_NOOP("Review", "blunder"));
    case Judgement::Good:
        break;
    }
    return "good";
}

std::string JudgementPlural(Judgement judgement)
{
    switch (judgement) {
    case Judgement::Inaccuracy:
        return Translated(QT_TRANSLATE_NOOP("Review", "inaccuracies"));
    case Judgement::Mistake:
        return Translated(QT_TRANSLATE_NOOP("Review", "mistakes"));
    case Judgement::Blunder:
        return Translated(QT_TRANSLATE_NOOP("Review", "blunders"));
    case Judgement::Good:
        break;
    }
    return "good moves";
}

std::string PieceName(int type)
{
    // clang-format off
    static const char* const names[PieceTypeCount + 1] = {
        "", QT_TRANSLATE_NOOP("Review", "pawn"), QT_TRANSLATE_NOOP("Review", "silver"), QT_TRANSLATE_NOOP("Review", "bishop"), QT_TRANSLATE_NOOP("Review", "rook"), QT_TRANSLATE_NOOP("Review", "gold"),
        QT_TRANSLATE_NOOP("Review", "king"), QT_TRANSLATE_NOOP("Review", "tokin"), QT_TRANSLATE_NOOP("Review", "promoted silver"), QT_TRANSLATE_NOOP("Review", "horse"),
        QT_TRANSLATE_NOOP("Review", "dragon"),
    };
    // clang-format on
    return type == 0 ? "" : Translated(names[type]);
}

std::string MissedMateText(const Explanation& e)
{
    return Filled(QT_TRANSLATE_NOOP("Review", "%1 missed a mate in %2: %3"),
        { e.move, std::to_string(e.matePlies), MateLine(e) });
}

std::string AllowedMateText(const Explanation& e)
{
    return Filled(QT_TRANSLATE_NOOP("Review", "%1 allowed a mate in %2: %3"),
        { e.move, std::to_string(e.matePlies), MateLine(e) });
}

std::string LostExchangeText(const Explanation& e)
{
    return Filled(QT_TRANSLATE_NOOP("Review",
                      "%1 took the %2 on %3 but loses the exchange there: %4 takes the %5"),
        { e.move, PieceName(e.capturedType), e.square, e.reply, PieceName(e.pieceType) });
}

std::string LeftHangingText(const Explanation& e)
{
    return Filled(QT_TRANSLATE_NOOP("Review", "%1 left the %2 on %3 to be taken: %4 wins it"),
        { e.move, PieceName(e.pieceType), e.square, e.reply });
}

std::string LosesPieceText(const Explanation& e)
{
    return Filled(QT_TRANSLATE_NOOP("Review", "%1 loses a %2 within three moves: %3"),
        { e.move, PieceName(e.pieceType), Joined(e.line) });
}

std::string MissedCaptureText(const Explanation& e)
{
    return Filled(QT_TRANSLATE_NOOP("Review", "%1 let the %2 on %3 go: %4 wins it"),
        { e.move, PieceName(e.pieceType), e.square, e.reply });
}

std::string ChanceFellText(const Explanation& e)
{
    return Filled(QT_TRANSLATE_NOOP("Review", "%1 let the winning chance fall from %2 to %3"),
        { e.move, Percent(e.chanceBefore), Percent(e.chanceAfter) });
}

std::string ExplanationText(const Explanation& e)
{
    switch (e.reason) {
    case Reason::MissedMate:
        return MissedMateText(e);
    case Reason::AllowedMate:
        return AllowedMateText(e);
    case Reason::LostExchange:
        return LostExchangeText(e);
    case Reason::LeftHanging:
        return LeftHangingText(e);
    case Reason::LosesPiece:
        return LosesPieceText(e);
    case Reason::MissedCapture:
        return MissedCaptureText(e);
    case Reason::ChanceFell:
        break;
    }
    return ChanceFellText(e);
}

std::string BetterText(const std::string& move)
{
    return Filled(QT_TRANSLATE_NOOP("Review", "Better was %1."), { move });
}

std::string AnalysisLimitsText(int depth, uint64_t nodes)
{
    return Filled(
        QT_TRANSLATE_NOOP("Review", "Each position searched to depth %1, at most %2 nodes."),
        { std::to_string(depth), std::to_string(nodes) });
}

std::string CountsTable(const GameReview& review)
{
    constexpr size_t SideColumn = 6, Column = 14;
    const Judgement judgements[]
        = { Judgement::Inaccuracy, Judgement::Mistake, Judgement::Blunder };
    std::string table(SideColumn, ' ');
    for (const Judgement j : judgements)
        table += Padded(JudgementPlural(j), Column);
    table += "\n";
    for (const SideReview& side : review.sides) {
        table += SideName(side.side) + std::string(SideColumn - SideName(side.side).size(), ' ');
        for (const Judgement j : judgements)
            table += Padded(std::to_string(side.counts[size_t(j)]), Column);
        table += "\n";
    }
    return table;
}

std::string WorstMomentsHeading(int side)
{
    return Filled(QT_TRANSLATE_NOOP("Review", "%1's worst moments:"), { SideName(side) });
}

std::string NoWorstMomentsText() { return Translated(QT_TRANSLATE_NOOP("Review", "none")); }

std::string MomentText(const ReviewedMove& move)
{
    const std::string why = ExplanationText(move.explanation);
    // A sentence that trails off in an ellipsis takes no full stop.
    std::string text = Filled(why.ends_with("…") ? QT_TRANSLATE_NOOP("Review", "Move %1, %2: %3")
                                                 : QT_TRANSLATE_NOOP("Review", "Move %1, %2: %3."),
        { std::to_string(move.number), JudgementName(move.judgement), why });
    if (!move.better.empty())
        text += " " + BetterText(move.better);
    return text;
}
