#include "record_reader.h"

#include "kif_reader.h"
#include "kif_reading.h"
#include "line_reader.h"
#include "record_builder.h"
#include "text.h"

#include "rules/ply_snapshot.h"
#include "rules/ply_stack.h"
#include "rules/sfen.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr std::string_view ByteOrderMark = "\xef\xbb\xbf";

bool IsSfenBoardCharacter(char c)
{
    return (c >= '1' && c <= '0' + BoardSize) || c == '/' || c == '+' || TypeOfLetter(c) != 0;
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

// Reads one text into a record, replaying every move on ply 1; the first refusal ends it.
bool Read(RecordBuilder& builder, std::string_view text)
{
    if (text.size() > MaxRecordBytes)
        return builder.Fail(0, "the text is larger than 1 MB, far more than a game record");
    if (const int bad = LineOfBadByte(text))
        return builder.Fail(bad, "not text in UTF-8 or Shift_JIS");
    Consume(text, ByteOrderMark);
    const std::vector<std::string_view> lines = SplitLines(text);
    size_t first = 0;
    while (first < lines.size() && Trim(lines[first]).empty())
        ++first;
    if (first == lines.size())
        return builder.Fail(0, "the text is empty");
    const std::string_view head = Trim(lines[first]);
    if (head.starts_with("position ") || head == "position")
        return ReadUsiLine(builder, lines, first);
    const std::string_view word = SplitWords(head)[0];
    const bool sfenBoard = word.find('/') != std::string_view::npos
        && std::all_of(word.begin(), word.end(), IsSfenBoardCharacter);
    if (word == "sfen" || sfenBoard)
        return ReadSfenLine(builder, lines, first);
    return KifReader(builder).Read(lines);
}

} // namespace

bool ReadGameRecord(
    std::string_view text, const RuleSet& rules, GameRecord& record, std::string& error)
{
    const Ply1Guard guard;
    GameRecord read;
    RecordBuilder builder(rules, read);
    if (!Read(builder, text)) {
        error = builder.Error();
        return false;
    }
    record = std::move(read);
    return true;
}
