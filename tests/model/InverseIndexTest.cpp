// CInverseIndex keeps lists of one number in place and longer ones in
// blocks of an arena that move as they grow, are reused once freed, and
// span several chunks when very long; every list must read back whole and
// in order whichever way it was stored.
#include "model/InverseIndex.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <random>
#include <vector>

namespace {

using Lists = std::map<std::int32_t, std::vector<std::int32_t>>;

Lists ReadAll(const CInverseIndex& index)
{
    Lists lists;
    index.ForEach([&](std::int32_t n, CInverseIndex::List list) {
        EXPECT_TRUE(lists.emplace(n, std::vector<std::int32_t>(list.begin(), list.end())).second) << n;
    });
    return lists;
}

TEST(InverseIndexTest, InterleavedListsOfEverySizeReadBackInOrder)
{
    CInverseIndex index;
    index.Reset(5000);
    Lists expected;
    std::mt19937 random(7);
    // Mostly short lists, some of hundreds, numbers below and above the
    // table's limit, one list longer than an arena chunk; none for 4998.
    std::uniform_int_distribution<std::int32_t> anyNumber(-3, 6000);
    std::uniform_int_distribution<std::int32_t> fewNumbers(0, 20);
    for (std::int32_t i = 0; i < 200000; ++i) {
        const std::int32_t n = i % 3 == 0 ? fewNumbers(random) : anyNumber(random);
        if (n == 4998)
            continue;
        index.Add(n, i);
        expected[n].push_back(i);
    }
    for (std::int32_t i = 0; i < (1 << 20) + 3; ++i) {
        index.Add(4999, -i);
        expected[4999].push_back(-i);
    }
    EXPECT_EQ(index.GetCount(), expected.size());
    EXPECT_EQ(ReadAll(index), expected);
    for (const auto& [n, list] : expected) {
        const CInverseIndex::List found = index.Lookup(n);
        EXPECT_EQ(std::vector<std::int32_t>(found.begin(), found.end()), list) << n;
    }
    EXPECT_TRUE(index.Lookup(4998).empty());
    EXPECT_TRUE(index.Lookup(7000).empty());

    index.Reset(10);
    EXPECT_EQ(index.GetCount(), 0u);
    EXPECT_TRUE(index.Lookup(4999).empty());
    index.Add(3, 1);
    index.Add(3, 2);
    EXPECT_EQ(ReadAll(index), (Lists{{3, {1, 2}}}));
}

} // namespace
