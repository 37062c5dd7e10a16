// The entity store's lookup and its iteration order, which the user sees as
// the order of every referrer list.
#include "ModelTestFiles.h"
#include "model/TextOffsets.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::Optional;

namespace {

std::string EntityLines(const std::vector<std::int32_t>& aNumbers)
{
    std::string strFile = "HEAD;\n";
    for (std::int32_t n : aNumbers)
        strFile += "#" + std::to_string(n) + "=E;\n";
    return strFile;
}

class EntityStoreTest : public ::testing::Test {
protected:
    void Load(const std::vector<std::int32_t>& aNumbers)
    {
        ASSERT_TRUE(m_doc.LoadEntityFile(m_folder.Write("order.ifc", EntityLines(aNumbers))));
    }

    CTempFolder m_folder;
    CKantorDoc m_doc;
};

// (The order of the numbers of real files, buckets of sixteen each newest
// first, is compared with a plain scan of every sample file.)
TEST_F(EntityStoreTest, BucketsWrapAroundAtTheBucketCount)
{
    // (1600016 >> 4) % 100001 == 0 and (1600032 >> 4) % 100001 == 1.
    Load({1600032, 20, 5, 1600016, 2147483647});
    EXPECT_THAT(IterationOrder(m_doc), ElementsAre(1600016, 5, 0, 20, 1600032, 2147483647));
}

TEST_F(EntityStoreTest, LooksUpDenseAndSparseNumbers)
{
    Load({1, 2, 3, 1000000000, 2147483647});
    const CEntityStore& store = m_doc.GetEntityMap();
    for (std::int32_t n : {1000000000, 2147483647, 3})
        EXPECT_THAT(EntityText(m_doc, n), Optional("#" + std::to_string(n) + "=E;"));
    for (std::int32_t n : {4, 999999999, -1, -2147483647 - 1, 2147483646})
        EXPECT_FALSE(store.Contains(n)) << n;
    std::string_view strText = "unchanged";
    EXPECT_FALSE(store.Lookup(5, strText));
    EXPECT_EQ(strText, "unchanged");
    EXPECT_EQ(store.GetCount(), 6u);
}

// Text offsets keep four bytes each; those of a text beyond 4 GiB, which no
// test file reaches, must still read back whole, across one window or more.
TEST(TextOffsetsTest, ReadBackAcrossFourGiBWindows)
{
    constexpr std::uint64_t k4G = std::uint64_t{1} << 32;
    const std::vector<std::uint64_t> aOffsets{0,       7,           k4G - 1,     k4G,    k4G,
                                              k4G + 5, 3 * k4G + 1, 3 * k4G + 1, 5 * k4G};
    CTextOffsets offsets(aOffsets[0]);
    for (std::size_t i = 1; i < aOffsets.size(); ++i) {
        offsets.push_back(aOffsets[i]);
        EXPECT_EQ(offsets.back(), aOffsets[i]) << i;
    }
    ASSERT_EQ(offsets.size(), aOffsets.size());
    for (std::size_t i = 0; i < aOffsets.size(); ++i)
        EXPECT_EQ(offsets[i], aOffsets[i]) << i;
}

} // namespace
