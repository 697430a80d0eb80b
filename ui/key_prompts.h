#pragma once

#include <string>
#include <string_view>

// What the window says to a player at the keyboard, beside the texts of the game itself.

inline constexpr std::string_view PromotionQuestion = "Promote? Y or N";
inline constexpr std::string_view PickCancelled = "Pick cancelled";
inline constexpr std::string_view ComputerThinking = "The computer is thinking";
inline constexpr std::string_view NoMoveYet = "No move yet";
inline constexpr std::string_view TakenBackToStart = "Taken back to the start";

// Why a person cannot move now, or empty when one can.
std::string WhyNoInput();

// Why a press on cell (x, y) of ply 1 by the keyboard does nothing now, or empty when it acts:
// a pick of the own piece there, a pick in the own hand, or a move to a destination of the pick.
std::string WhyCellDoesNothing(int x, int y);

// A pick made: "Picked 3c, Sente silver", "Picked Sente's silver in hand".
std::string PickedText(int x, int y);

// A take back done, with the move now last: "Taken back; the last move: Sente pawn 1d to 1c".
std::string TakenBackText(std::string_view lastMove);

// A position of a record shown: its title ("Velmora - move 3 of 5") and the move that led there,
// said as the record just opened or as a step through it.
std::string ShownText(std::string_view title, std::string_view move, bool opened);
