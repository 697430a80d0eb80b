#include "review_report.h"

#include "review/review_texts.h"

#include <cstdio>

namespace {

// The names a program reads: fixed, whatever language the texts are in.
std::string SideKey(int side) { return side == Sente ? "sente" : "gote"; }

// clang-format off
constexpr struct { Judgement judgement; const char* name; const char* count; } JudgementKeys[] = {
    { Judgement::Inaccuracy, "inaccuracy", "inaccuracies" },
    { Judgement::Mistake,    "mistake",    "mistakes" },
    { Judgement::Blunder,    "blunder",    "blunders" },
};
// clang-format on

std::string JudgementKey(Judgement judgement)
{
    for (const auto& key : JudgementKeys)
        if (key.judgement == judgement)
            return key.name;
    return "good";
}

std::string ReasonKey(Reason reason)
{
    switch (reason) {
    case Reason::MissedMate:
        return "missed-mate";
    case Reason::AllowedMate:
        return "allowed-mate";
    case Reason::LostExchange:
        return "lost-exchange";
    case Reason::LeftHanging:
        return "left-hanging";
    case Reason::LosesPiece:
        return "loses-piece";
    case Reason::MissedCapture:
        return "missed-capture";
    case Reason::ChanceFell:
        break;
    }
    return "chance-fell";
}

std::string Quoted(const std::string& text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

std::string Fraction(double value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%.3f", value);
    return text;
}

// The fields every judged move has, without braces.
std::string MoveFields(const ReviewedMove& m)
{
    std::string fields = "\"number\": " + std::to_string(m.number) + ", \"side\": "
        + Quoted(SideKey(m.side)) + ", \"move\": " + Quoted(m.move) + ", \"judgement\": "
        + Quoted(JudgementKey(m.judgement)) + ", \"loss\": " + Fraction(m.loss);
    if (!m.better.empty())
        fields += ", \"better\": " + Quoted(m.better);
    return fields;
}

} // namespace

std::string ReviewText(const GameReview& review, const SearchLimits& limits)
{
    std::string text
        = AnalysisLimitsText(limits.depth, limits.nodes) + "\n\n" + CountsTable(review);
    for (const SideReview& side : review.sides) {
        text += "\n" + WorstMomentsHeading(side.side) + "\n";
        if (side.worst.empty())
            text += "  " + NoWorstMomentsText() + "\n";
        for (const ReviewedMove& m : side.worst)
            text += "  " + MomentText(m) + "\n";
    }
    return text;
}

std::string ReviewJson(const GameReview& review, const SearchLimits& limits)
{
    std::string json = "{\n  \"analysis\": {\"depth\": " + std::to_string(limits.depth)
        + ", \"nodes\": " + std::to_string(limits.nodes) + "},\n  \"moves\": [";
    for (size_t i = 0; i < review.judged.size(); ++i)
        json += std::string(i == 0 ? "\n" : ",\n") + "    {" + MoveFields(review.judged[i]) + "}";
    json += review.judged.empty() ? "],\n" : "\n  ],\n";
    json += "  \"sides\": [";
    for (size_t s = 0; s < review.sides.size(); ++s) {
        const SideReview& side = review.sides[s];
        json += std::string(s == 0 ? "\n" : ",\n") + "    {\"side\": " + Quoted(SideKey(side.side));
        for (const auto& key : JudgementKeys)
            json += ", " + Quoted(key.count) + ": "
                + std::to_string(side.counts[size_t(key.judgement)]);
        json += ", \"worst\": [";
        for (size_t i = 0; i < side.worst.size(); ++i) {
            const ReviewedMove& m = side.worst[i];
            json += std::string(i == 0 ? "\n" : ",\n") + "      {" + MoveFields(m)
                + ", \"reason\": " + Quoted(ReasonKey(m.explanation.reason))
                + ", \"explanation\": " + Quoted(ExplanationText(m.explanation)) + "}";
        }
        json += side.worst.empty() ? "]}" : "\n    ]}";
    }
    return json + "\n  ]\n}\n";
}
