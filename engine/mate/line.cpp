#include "line.h"

#include "engine/board/rules_move.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace {

// Near the end of a line every check is tried, not only the proven ones.
constexpr int PlainFinishPlies = 4;
// The bounds remembered while a line is read, one slot per position in a fixed table: a line
// visits far fewer positions, and a bound lost to a collision is only found again.
constexpr size_t BoundSlots = size_t(1) << 16;

class MateLineReader {
public:
    MateLineReader(ProofPass& pass, const ProofTable& table)
        : pass_(pass)
        , table_(table)
        , bounds_(BoundSlots)
    {
    }

    std::vector<Move> MainLine(const SearchBoard& root)
    {
        const int attacker = pass_.Attacker();
        int plies = 1;
        while (plies <= MaxLinePlies && !MatesWithin(root, attacker, plies))
            plies += 2;
        std::vector<Move> line;
        SearchBoard b = root;
        for (int s = attacker; plies > 0 && !pass_.Stopped(); s = -s) {
            const Step next
                = pass_.AttackerToMove(s) ? ShortestCheck(b, s, plies) : LongestReply(b, s, plies);
            if (!next)
                break;
            line.push_back(RulesMove(next->first, s));
            Play(b, s, next->first);
            plies = next->second;
        }
        if (pass_.Stopped() || plies > 0)
            line.clear(); // cut short: no line rather than one that does not end in mate
        return line;
    }

private:
    using Step = std::optional<std::pair<SearchMove, int>>; // a move and the plies left after it

    Step ShortestCheck(const SearchBoard& b, int s, int plies)
    {
        Step found;
        pass_.ForEachChild(b, s, [&](const SearchMove& m, const SearchBoard& next) {
            if (MatesWithin(next, -s, plies - 1))
                found = { m, plies - 1 };
            return found.has_value();
        });
        return found;
    }

    Step LongestReply(const SearchBoard& b, int s, int plies)
    {
        Step found;
        pass_.ForEachChild(b, s, [&](const SearchMove& m, const SearchBoard& next) {
            int left = 1;
            while (left < plies - 1 && !MatesWithin(next, -s, left))
                left += 2;
            if (!found || left > found->second)
                found = { m, left };
            return false;
        });
        return found;
    }

    // Whether the attacker mates within the plies from the position, using the proven positions
    // of the table and, near the end, any check.
    bool MatesWithin(const SearchBoard& b, int s, int plies)
    {
        if (!pass_.CountNode())
            return false;
        const uint64_t key = HashOf(b, s);
        {
            const Bounds known = BoundsOf(key);
            if (plies >= known.matesWithin)
                return true;
            if (plies <= known.escapesBeyond)
                return false;
        }
        bool mates = false;
        if (pass_.AttackerToMove(s)) {
            pass_.ForEachChild(b, s, [&](const SearchMove&, const SearchBoard& next) {
                if (plies < 1)
                    return true;
                if (!HasLegalMove(next, -s, pass_.Rules()))
                    return mates = true;
                const ProofEntry* e = table_.Find(pass_.TableKey(HashOf(next, -s), plies - 1));
                const bool promising
                    = plies - 1 <= PlainFinishPlies || (e != nullptr && e->Proven());
                mates = plies >= 3 && promising && MatesWithin(next, -s, plies - 1);
                return mates;
            });
        } else {
            bool escapes = false;
            pass_.ForEachChild(b, s, [&](const SearchMove&, const SearchBoard& next) {
                escapes = plies < 2 || !MatesWithin(next, -s, plies - 1);
                return escapes;
            });
            mates = !escapes;
        }
        if (pass_.Stopped())
            return false;
        Bounds& known = SlotOf(key);
        if (mates)
            known.matesWithin = std::min(known.matesWithin, plies);
        else
            known.escapesBeyond = std::max(known.escapesBeyond, plies);
        return mates;
    }

    struct Bounds {
        uint64_t key = 0;
        int matesWithin = MaxLinePlies + 1; // the fewest plies known to be enough
        int escapesBeyond = -1; // the most plies known not to be
    };

    Bounds BoundsOf(uint64_t key) const
    {
        const Bounds& slot = bounds_[key % BoundSlots];
        return slot.key == key ? slot : Bounds { key };
    }

    // The position's slot, taken over from another position if need be.
    Bounds& SlotOf(uint64_t key)
    {
        Bounds& slot = bounds_[key % BoundSlots];
        if (slot.key != key)
            slot = Bounds { key };
        return slot;
    }

    ProofPass& pass_;
    const ProofTable& table_;
    std::vector<Bounds> bounds_;
};

} // namespace

std::vector<Move> ReadMateLine(const SearchBoard& root, ProofPass& pass, const ProofTable& table)
{
    return MateLineReader(pass, table).MainLine(root);
}
