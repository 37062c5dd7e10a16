// The views' hash map: growth from the smallest table, replacement, keys
// that differ only in high bits, and the direct table for dense numbers.
#include "views/FlatHashMap.h"
#include "views/EntityItemMaps.h"

#include <gtest/gtest.h>

namespace {

TEST(FlatHashMapTest, GrowsFromTheSmallestTableAndKeepsEveryEntry)
{
    CFlatHashMap<std::int32_t> map;
    map.RemoveAll(0);
    // Keys 40 apart, like item addresses, and keys that differ only far up.
    for (std::int32_t i = 0; i < 50000; ++i) {
        map.SetAt(0x7f0000000000ull + 40ull * static_cast<std::uint64_t>(i), i);
        map.SetAt(((static_cast<std::uint64_t>(i) + 1) << 48) + 8, -i);
    }
    EXPECT_EQ(map.GetCount(), 100000u);
    map.SetAt(0x7f0000000000ull, 77);
    EXPECT_EQ(map.GetCount(), 100000u) << "a key entered again is replaced, not added";
    std::int32_t n = 0;
    for (std::int32_t i = 1; i < 50000; ++i) {
        ASSERT_TRUE(map.Lookup(0x7f0000000000ull + 40ull * static_cast<std::uint64_t>(i), n));
        ASSERT_EQ(n, i);
        ASSERT_TRUE(map.Lookup(((static_cast<std::uint64_t>(i) + 1) << 48) + 8, n));
        ASSERT_EQ(n, -i);
    }
    EXPECT_TRUE(map.Lookup(0x7f0000000000ull, n));
    EXPECT_EQ(n, 77);
    EXPECT_FALSE(map.Lookup(0x7f0000000000ull + 20, n));
    map.RemoveAll(10);
    EXPECT_FALSE(map.Lookup(0x7f0000000000ull, n));
    EXPECT_EQ(map.GetCount(), 0u);
}

TEST(FlatHashMapTest, EntityMapsHoldEntityZeroAndSparseNumbers)
{
    auto item = [](std::uintptr_t i) { return reinterpret_cast<HTREEITEM>(i * 64); };
    for (std::int32_t nHighest : {1000, 2000000000}) {
        CEntityItemMap map;
        map.RemoveAll(10, nHighest);
        map.SetAt(0, item(1));
        map.SetAt(nHighest, item(2));
        HTREEITEM hZero = nullptr, hHighest = nullptr, hOther = nullptr;
        EXPECT_EQ((std::vector{map.Lookup(0, hZero), map.Lookup(nHighest, hHighest), map.Lookup(5, hOther),
                               map.Lookup(-1, hOther), map.Lookup(nHighest - 1, hOther)}),
                  (std::vector{true, true, false, false, false}))
            << nHighest;
        EXPECT_EQ(std::pair(hZero, hHighest), std::pair(item(1), item(2)));
    }
}

} // namespace
