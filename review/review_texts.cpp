#include "review_texts.h"

#include <cmath>
#include <cstdio>

namespace {

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

std::string SideName(int side) { return side == Sente ? "Sente" : "Gote"; }

std::string JudgementName(Judgement judgement)
{
    switch (judgement) {
    case Judgement::Inaccuracy:
        return "inaccuracy";
    case Judgement::Mistake:
        return "mistake";
    case Judgement::Blunder:
        return "blunder";
    case Judgement::Good:
        break;
    }
    return "good";
}

std::string JudgementPlural(Judgement judgement)
{
    switch (judgement) {
    case Judgement::Inaccuracy:
        return "inaccuracies";
    case Judgement::Mistake:
        return "mistakes";
    case Judgement::Blunder:
        return "blunders";
    case Judgement::Good:
        break;
    }
    return "good moves";
}

std::string PieceName(int type)
{
    // clang-format off
    static const char* const names[PieceTypeCount + 1] = {
        "", "pawn", "silver", "bishop", "rook", "gold", "king",
        "tokin", "promoted silver", "horse", "dragon",
    };
    // clang-format on
    return names[type];
}

std::string MissedMateText(const Explanation& e)
{
    return e.move + " missed a mate in " + std::to_string(e.matePlies) + ": " + MateLine(e);
}

std::string AllowedMateText(const Explanation& e)
{
    return e.move + " allowed a mate in " + std::to_string(e.matePlies) + ": " + MateLine(e);
}

std::string LostExchangeText(const Explanation& e)
{
    return e.move + " took the " + PieceName(e.capturedType) + " on " + e.square
        + " but loses the exchange there: " + e.reply + " takes the " + PieceName(e.pieceType);
}

std::string LeftHangingText(const Explanation& e)
{
    return e.move + " left the " + PieceName(e.pieceType) + " on " + e.square
        + " to be taken: " + e.reply + " wins it";
}

std::string LosesPieceText(const Explanation& e)
{
    return e.move + " loses a " + PieceName(e.pieceType) + " within three moves: " + Joined(e.line);
}

std::string MissedCaptureText(const Explanation& e)
{
    return e.move + " let the " + PieceName(e.pieceType) + " on " + e.square + " go: " + e.reply
        + " wins it";
}

std::string ChanceFellText(const Explanation& e)
{
    return e.move + " let the winning chance fall from " + Percent(e.chanceBefore) + " to "
        + Percent(e.chanceAfter);
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

std::string BetterText(const std::string& move) { return "Better was " + move + "."; }

std::string AnalysisLimitsText(int depth, uint64_t nodes)
{
    return "Each position searched to depth " + std::to_string(depth) + ", at most "
        + std::to_string(nodes) + " nodes.";
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

std::string WorstMomentsHeading(int side) { return SideName(side) + "'s worst moments:"; }

std::string NoWorstMomentsText() { return "none"; }

std::string MomentText(const ReviewedMove& move)
{
    const std::string why = ExplanationText(move.explanation);
    // A sentence that trails off in an ellipsis takes no full stop.
    std::string text = "Move " + std::to_string(move.number) + ", " + JudgementName(move.judgement)
        + ": " + why + (why.ends_with("…") ? "" : ".");
    if (!move.better.empty())
        text += " " + BetterText(move.better);
    return text;
}
