#include "engine/board/legal_moves.h"
#include "engine/board/rules_move.h"
#include "rules/legality.h"
#include "rules/usi_move.h"
#include "tests/support/random_play.h"
#include "tests/support/sfen_fixture.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

std::string Usi(const SearchMove& m, int s) { return WriteUsiMove(RulesMove(m, s)); }

} // namespace

// The checks are exactly the legal moves after which the enemy king is attacked.
TEST(AnyLegalCheck, ListsEveryLegalMoveThatChecksAndNoOther)
{
    for (const std::string& sfen : RandomPlayPositions(5, 200, 80)) {
        const int side = LoadSfen(sfen);
        const SearchBoard b = LoadBoard(1, 0);
        for (const RuleSet* rules : RuleSets) {
            std::set<std::string> expected, listed;
            AnyLegalMove(b, side, *rules, [&](const SearchMove& m) {
                SearchBoard next = b;
                Play(next, side, m);
                if (KingAttacked(next, -side))
                    expected.insert(Usi(m, side));
                return false;
            });
            AnyLegalCheck(b, side, *rules, [&](const SearchMove& m) {
                EXPECT_TRUE(listed.insert(Usi(m, side)).second)
                    << sfen << " twice: " << Usi(m, side);
                return false;
            });
            EXPECT_EQ(listed, expected) << sfen;
        }
    }
}
