// CEntityNumberArray keeps small lists inside the object and larger ones on
// the heap; growth, copies and moves must work across that boundary.
#include "ModelTestFiles.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

CEntityNumberArray Numbers(std::int32_t nCount)
{
    CEntityNumberArray arr;
    for (std::int32_t n = 0; n < nCount; ++n)
        arr.Add(n * 3);
    return arr;
}

std::vector<std::int32_t> Expected(std::int32_t nCount)
{
    std::vector<std::int32_t> a;
    for (std::int32_t n = 0; n < nCount; ++n)
        a.push_back(n * 3);
    return a;
}

TEST(EntityNumberArrayTest, KeepsInsertionOrderWhileGrowing)
{
    for (std::int32_t nCount : {0, 1, 2, 3, 5, 100000})
        EXPECT_EQ(ToVector(Numbers(nCount)), Expected(nCount)) << nCount;
}

TEST(EntityNumberArrayTest, CopiesAndMovesAcrossInlineAndHeapStorage)
{
    for (std::int32_t nFrom : {0, 2, 3, 50}) {
        for (std::int32_t nTo : {0, 2, 3, 50}) {
            const CEntityNumberArray source = Numbers(nFrom);
            CEntityNumberArray copy = Numbers(nTo);
            copy = source;
            copy.Add(-1);
            EXPECT_EQ(ToVector(source), Expected(nFrom));
            EXPECT_EQ(copy.GetSize(), static_cast<std::size_t>(nFrom + 1));
            EXPECT_EQ(copy[static_cast<std::size_t>(nFrom)], -1);

            CEntityNumberArray moved = Numbers(nTo);
            moved = std::move(copy);
            EXPECT_EQ(moved.GetSize(), static_cast<std::size_t>(nFrom + 1));
            EXPECT_TRUE(copy.IsEmpty());
            copy.Add(4);
            EXPECT_EQ(ToVector(copy), std::vector<std::int32_t>{4});
            EXPECT_EQ(ToVector(CEntityNumberArray(std::move(moved))).size(),
                      static_cast<std::size_t>(nFrom + 1));
        }
    }
    CEntityNumberArray same = Numbers(10);
    same = static_cast<const CEntityNumberArray&>(same);
    EXPECT_EQ(ToVector(same), Expected(10));
}

} // namespace
