// Random sequences of the operations of TreeExerciser: after every step the
// counters equal a recount, the first visible item sits at row m_nTopIndex,
// and the horizontal extent equals a full scan.
#include "treectrl/TreeExerciser.h"
#include "treectrl/TreeTestSupport.h"

#include <random>

namespace {

class TreePropertyTest : public TreeTest, public ::testing::WithParamInterface<unsigned> { };

TEST_P(TreePropertyTest, CountersEqualARecount)
{
    std::mt19937 rng{GetParam()};
    TreeExerciser exerciser(parent, hwnd, [&rng](unsigned bound) { return static_cast<unsigned>(rng() % bound); });
    for (int step = 0; step < 3000; ++step) {
        exerciser.Step();
        ASSERT_EQ(exerciser.Mismatch(), "") << "step " << step;
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, TreePropertyTest, ::testing::Values(1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u));

} // namespace
