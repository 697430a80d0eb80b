#include "usi/bench.h"

#include "tests/support/text_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string FileText(const char* path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

// Every decision of the computer on the suite, its score and the generator's state after it, and
// the signature over them all, against the committed bench. A deliberate change of a decision
// comes with a new file: build/usi/velmora-usi bench > tests/usi/bench.expected
TEST(DecisionSignature, MatchesTheCommittedBench)
{
    std::ostringstream out, timing;
    RunBench(out, timing);
    const std::vector<std::string> expected = Lines(FileText(VELMORA_BENCH_EXPECTED));
    const std::vector<std::string> actual = Lines(out.str());
    ASSERT_GT(expected.size(), 1u) << VELMORA_BENCH_EXPECTED;
    for (size_t i = 0; i < std::max(expected.size(), actual.size()); ++i) {
        const std::string want = i < expected.size() ? expected[i] : "(nothing)";
        const std::string got = i < actual.size() ? actual[i] : "(nothing)";
        ASSERT_EQ(got, want) << "the first position that differs is "
                             << want.substr(0, want.find(' ')) << ", line " << i + 1;
    }
}
