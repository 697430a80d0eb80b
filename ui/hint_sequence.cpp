#include "hint_sequence.h"

#include "spoken_text.h"

#include "engine/board/game_position.h"
#include "engine/board/rules_move.h"
#include "rules/usi_move.h"

namespace {

// The move the search plays for the side to move; none when it has no move.
std::optional<Move> BestMove(StrongEngine& engine, const GamePosition& position,
    const SearchLimits& limits, const SearchCallbacks& callbacks)
{
    const SearchResult result = engine.Search(position, {}, limits, {}, callbacks);
    if (!result.hasMove)
        return std::nullopt;
    return RulesMove(result.best, position.side);
}

std::string PieceName(int type) { return std::string(EnglishPieceNames[type]); }

// The English words of a move without its mover, who is named before them.
std::string EnglishWithoutSide(const MoveFacts& facts)
{
    const std::string words = SpokenMove(facts, Notation::English);
    return words.substr(EnglishSideName(facts.side).size() + 1);
}

std::string ThreatWords(const HintFindings& findings, int player, Notation notation)
{
    const std::string opponent(EnglishSideName(-player));
    if (findings.inCheck)
        return "You are in check: " + opponent + " threatens to take your king";
    if (!findings.threat)
        return opponent + " threatens nothing";
    const MoveFacts f = FactsOfMove(1, *findings.threat, -player);
    if (notation != Notation::English)
        return opponent + " threatens " + SpokenMove(f, notation);
    // A quiet move threatens nothing yet; saying "threatens" would send a beginner looking for
    // a danger that is not there.
    const bool direct = f.captured != 0 || f.promotes || f.check;
    std::string words = opponent
        + (direct ? " threatens " : " threatens nothing direct; were it its move, it would play ");
    if (f.drop)
        words += "to drop a " + PieceName(f.piece) + " on " + SquareName(f.toX, f.toY);
    else
        words += PieceName(f.piece) + " " + SquareName(f.fromX, f.fromY) + " to "
            + SquareName(f.toX, f.toY);
    if (f.captured != 0)
        words += ", taking your " + PieceName(f.captured);
    if (f.promotes)
        words += ", promoting";
    return words + (f.check ? ", with check" : "");
}

} // namespace

void HintSearch::Start(int player, const RuleSet& rules, const SearchLimits& limits)
{
    const GamePosition own = PositionOfPly(1, player, rules);
    const GamePosition theirs = PositionOfPly(1, -player, rules);
    search_.Start([this, own, theirs, limits](StrongEngine& engine) {
        const SearchCallbacks callbacks = search_.StoppableCallbacks(engine);
        HintFindings found;
        found.inCheck = KingAttacked(own.board, own.side);
        // Only a player not in check leaves a position in which the opponent could move.
        if (!found.inCheck)
            found.threat = BestMove(engine, theirs, limits, callbacks);
        found.best = BestMove(engine, own, limits, callbacks);
        findings_ = found;
    });
}

HintFindings HintSearch::Take()
{
    search_.Wait();
    return findings_;
}

Hint HintFor(const HintFindings& findings, int player, HintStep step, Notation notation)
{
    if (step == HintStep::Threat)
        return { step, ThreatWords(findings, player, notation) };
    if (!findings.best)
        return { step, "You have no move" };
    const Move& m = *findings.best;
    const MoveFacts f = FactsOfMove(1, m, player);
    if (step == HintStep::Piece)
        return { step,
            f.drop ? "Drop your " + PieceName(f.piece) + " from your hand"
                   : "Move your " + PieceName(f.piece) + " on " + SquareName(m.fromX, m.fromY),
            m.fromX, m.fromY };
    return { step,
        "Play " + (notation == Notation::English ? EnglishWithoutSide(f) : SpokenMove(f, notation)),
        m.toX, m.toY };
}
