#include "record_builder.h"

#include "engine/classic/mate_search.h"
#include "rules/check.h"
#include "rules/legality.h"
#include "rules/sfen.h"

#include <cstring>

bool RecordBuilder::Fail(int line, const std::string& reason)
{
    error_ = line == 0 ? reason : "line " + std::to_string(line) + ": " + reason;
    return false;
}

bool RecordBuilder::Start(int line, std::string_view sfen)
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

void RecordBuilder::NamePlayer(int s, std::string_view name)
{
    // The window writes its players as "Com" and "You"; any other name is kept as it stands.
    record_.computerPlays[SideIndex(s)] = name == "Com";
    record_.playerNames[SideIndex(s)] = name == "Com" || name == "You" ? "" : std::string(name);
}

bool RecordBuilder::Play(int line, const Move& move, std::string_view text, bool foulAllowed)
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

void RecordBuilder::Finish(std::string_view special)
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
