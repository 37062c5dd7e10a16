// CEntityNumberArray keeps small lists in place and larger ones on the heap;
// copies and moves must work across that boundary.
#include "model/EntityNumberArray.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

using ::testing::ElementsAre;

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

std::vector<std::int32_t> ToVector(const CEntityNumberArray& arr)
{
    return {arr.begin(), arr.end()};
}

TEST(EntityNumberArrayTest, KeepsInsertionOrderWhileGrowing)
{
    for (std::int32_t nCount : {0, 1, 2, 3, 5, 1000, 100000}) {
        const CEntityNumberArray arr = Numbers(nCount);
        EXPECT_EQ(arr.GetSize(), static_cast<std::size_t>(nCount));
        EXPECT_EQ(ToVector(arr), Expected(nCount)) << nCount;
    }
}

TEST(EntityNumberArrayTest, CopiesAreIndependent)
{
    for (std::int32_t nFrom : {0, 2, 3, 50}) {
        for (std::int32_t nTo : {0, 2, 3, 50}) {
            const CEntityNumberArray source = Numbers(nFrom);
            CEntityNumberArray copy = Numbers(nTo);
            copy = source;
            copy.Add(-1);
            std::vector<std::int32_t> aExpected = Expected(nFrom);
            EXPECT_EQ(ToVector(source), aExpected);
            aExpected.push_back(-1);
            EXPECT_EQ(ToVector(copy), aExpected);
            EXPECT_EQ(ToVector(CEntityNumberArray(source)), Expected(nFrom));
        }
    }
}

TEST(EntityNumberArrayTest, MovesLeaveTheSourceEmptyAndUsable)
{
    for (std::int32_t nCount : {1, 2, 3, 50}) {
        CEntityNumberArray source = Numbers(nCount);
        CEntityNumberArray target = Numbers(7);
        target = std::move(source);
        EXPECT_EQ(ToVector(target), Expected(nCount));
        EXPECT_TRUE(source.IsEmpty());
        source.Add(4);
        EXPECT_THAT(ToVector(source), ElementsAre(4));

        CEntityNumberArray constructed(std::move(target));
        EXPECT_EQ(ToVector(constructed), Expected(nCount));
        EXPECT_TRUE(target.IsEmpty());
    }
}

TEST(EntityNumberArrayTest, SelfAssignmentKeepsTheContents)
{
    CEntityNumberArray arr = Numbers(10);
    const CEntityNumberArray& same = arr;
    arr = same;
    EXPECT_EQ(ToVector(arr), Expected(10));
}

TEST(EntityNumberArrayTest, RemoveAllEmptiesForReuse)
{
    CEntityNumberArray arr = Numbers(40);
    arr.RemoveAll();
    EXPECT_TRUE(arr.IsEmpty());
    arr.Add(9);
    arr.Add(8);
    arr.Add(7);
    EXPECT_THAT(ToVector(arr), ElementsAre(9, 8, 7));
    EXPECT_EQ(arr[1], 8);
    EXPECT_EQ(arr.GetAt(2), 7);
}

} // namespace
