#pragma once

#include "record_builder.h"

#include <string>
#include <string_view>
#include <vector>

// Reads a KIF record, with or without a board diagram, with comments and a closing line; a KIF
// without a diagram starts where standard minishogi starts.
class KifReader {
public:
    explicit KifReader(RecordBuilder& builder)
        : builder_(builder)
    {
    }

    bool Read(const std::vector<std::string_view>& lines);

private:
    // A line before the moves: the heading of the move list, whose turn it is, a line of the
    // board diagram or a "key：value" line.
    bool ReadLineBeforeMoves(int line, std::string_view text);
    bool ReadKifHeader(int line, std::string_view key, std::string_view value);
    bool ReadHandicap(int line, std::string_view value);
    bool ReadHand(int line, std::string_view value, int s);
    bool ReadDiagramLine(int line, std::string_view text);
    bool ReadDiagramRow(int line, std::string_view text);
    bool StartKif(int line);
    bool ReadKifMove(const std::vector<std::string_view>& lines, size_t i, std::string_view text);
    bool ParseKifMove(int line, std::string_view text, Move& move);
    // The square a move goes to, "１三", or "同" for the square the move before went to; shown
    // is the move as written, for a refusal.
    bool ReadDestination(int line, std::string_view& text, std::string_view shown, Move& move);
    bool NextIsFoulWin(const std::vector<std::string_view>& lines, size_t after) const;

    // The start as the header describes it, turned into SFEN once the moves begin.
    struct KifStart {
        int handicapLine = 0; // the line of a minishogi 手合割, 0 when none
        int diagramLine = 0; // the line where the board diagram began, 0 when none
        int rows = 0; // diagram rows read
        bool diagramOpen = false;
        std::string board[BoardSize]; // the diagram's rows, in SFEN
        std::string hands[SideSlots]; // SFEN letters of each hand
        int side = Sente;
    };

    RecordBuilder& builder_;
    KifStart kif_;
    std::string special_; // the special move that closed the move list
};
