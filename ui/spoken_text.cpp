#include "spoken_text.h"

MoveFacts FactsOfMove(int, const Move& move, int side, std::optional<std::pair<int, int>>)
{
    return { side, 0, false, move.fromX, move.fromY, move.toX, move.toY, move.promote == 1, false,
        0, false, false };
}
std::string SpokenMove(const MoveFacts&, Notation) { return ""; }
std::string SquareDescription(int, int, int) { return ""; }
std::string HandDescription(int, int) { return ""; }
std::string RankDescription(int, int) { return ""; }
std::string FileDescription(int, int) { return ""; }
std::string PieceLocations(int, int, int) { return ""; }
std::string AttackersOf(int, int, int) { return ""; }
std::string TurnDescription(int, std::string_view, int, std::string_view) { return ""; }
std::string_view RulesName(const RuleSet&) { return ""; }
std::string GameEndSentence(GameEnd, int) { return ""; }
std::string MessageInWords(std::string_view message) { return std::string(message); }
