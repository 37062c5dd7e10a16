// Every real sample file through both views: one root per entity, and the
// lower tree of the most referred-to entity and of one that nobody refers
// to lists exactly the document's referrer list.
#include "views/ViewsTest.h"

#include "support/SampleFiles.h"

#include <algorithm>

namespace {

class SampleFilesTest : public ViewsTest {
protected:
    Strings Texts(const std::vector<std::int32_t>& aNumbers)
    {
        Strings aTexts;
        for (std::int32_t n : aNumbers)
            if (auto strText = EntityText(Doc(), n))
                aTexts.push_back(*strText);
        return aTexts;
    }
};

TEST_F(SampleFilesTest, TheLowerTreeListsTheDocumentsReferrers)
{
    SKIP_WITHOUT_SAMPLES();
    const std::vector<std::string> aFiles = testsupport::SampleIfcFiles();
    ASSERT_FALSE(aFiles.empty()) << "no sample files in " << testsupport::SamplesDir();

    for (const std::string& strPath : aFiles) {
        SCOPED_TRACE(strPath);
        ASSERT_TRUE(Open(strPath));
        CompleteInverse();
        std::vector<std::int32_t> aNumbers = IterationOrder(Doc());
        std::sort(aNumbers.begin(), aNumbers.end());
        const auto roots = Children(Upper());
        ASSERT_EQ(roots.size(), aNumbers.size());

        std::size_t iMost = 0;
        std::size_t iNone = 0;
        for (std::size_t i = 1; i < aNumbers.size(); ++i) {
            const std::size_t nReferrers = Referrers(Doc(), aNumbers[i]).size();
            if (nReferrers > Referrers(Doc(), aNumbers[iMost]).size())
                iMost = i;
            if (nReferrers == 0 && iNone == 0)
                iNone = i;
        }
        ASSERT_NE(iNone, 0u) << "every entity is referred to";

        Select(Upper(), roots[iMost]);
        const auto referrers = Referrers(Doc(), aNumbers[iMost]);
        ASSERT_EQ(RootLabels(Lower()), Texts(referrers));

        // The first referrer leads to its own root in the upper tree.
        PostAndPump(Lower(), WM_RBUTTONDBLCLK, LabelPoint(Lower(), Children(Lower()).at(0)));
        EXPECT_EQ(Doc().GetCurrentEntity(), referrers[0]);
        EXPECT_EQ(Label(Upper(), Caret(Upper())), *EntityText(Doc(), referrers[0]));

        Select(Upper(), roots[iNone]);
        EXPECT_EQ(Doc().GetCurrentEntity(), aNumbers[iNone]);
        EXPECT_TRUE(Children(Lower()).empty());
    }
}

} // namespace
