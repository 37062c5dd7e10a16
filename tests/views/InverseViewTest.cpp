// The lower view: the referrer list of the current entity in the
// document's order, the placeholder, refilling only for another entity,
// navigation by right double click, unfolding and hover marking.
#include "views/ViewsTest.h"

#include "res/Resource.h"
#include "res/StringTable.h"

#include <fstream>
#include <string>

namespace {

// The header names #5, so the header entry refers to 5. In the store's
// order (all numbers below 16 share one bucket, latest first) the
// referrers of 5 are 9, 8, 7, 7, 0.
const std::string kFile = "ISO-10303-21;\nHEADER;\nFILE_DESCRIPTION(('see #5'));\nENDSEC;\nDATA;\n"
                          "#5=IFCP('five');\n#7=IFCQ(#5,#5);\n#8=IFCS(#8,#5);\n#9=IFCR(#5,#7);\n";
const std::string kHeaderText = "ISO-10303-21;HEADER;FILE_DESCRIPTION(('see #5'));ENDSEC;DATA;";

class InverseViewTest : public ViewsTest {
protected:
    void SetUp() override
    {
        ViewsTest::SetUp();
        ASSERT_TRUE(OpenText(kFile));
        CompleteInverse();
    }
    // Selects the entity's root in the upper tree, as a click would.
    void SelectUpper(const std::string& strLabelStart)
    {
        Select(Upper(), TreeRootOf(Upper(), strLabelStart));
    }
    void RightDoubleClick(HTREEITEM hItem)
    {
        PostAndPump(Lower(), WM_RBUTTONDBLCLK, LabelPoint(Lower(), hItem));
    }
    // The lower tree's roots as the texts of their entities.
    Strings ExpectedTexts(const std::vector<std::int32_t>& aNumbers)
    {
        Strings aTexts;
        for (std::int32_t n : aNumbers)
            aTexts.push_back(*EntityText(Doc(), n));
        return aTexts;
    }
};

TEST_F(InverseViewTest, ListsTheReferrersInTheDocumentsOrderAndThePlaceholderForNoEntity)
{
    EXPECT_EQ(TreeLabels(Lower()), Strings{res::LoadString(res::IDS_NO_ENTITY_SELECTED)});
    SelectUpper("#5=");
    ASSERT_EQ(Referrers(Doc(), 5), (std::vector<std::int32_t>{9, 8, 7, 7, 0}));
    EXPECT_EQ(TreeLabels(Lower()), ExpectedTexts({9, 8, 7, 7, 0}));
    SelectUpper("#9=");
    EXPECT_TRUE(TreeChildren(Lower()).empty()) << "an entity nobody refers to: an empty tree, no placeholder";
    SelectUpper("ISO-10303-21;");
    EXPECT_EQ(TreeLabels(Lower()), Strings{res::LoadString(res::IDS_NO_ENTITY_SELECTED)});
    SelectUpper("#5=");
    ASSERT_TRUE(Open(m_folder.Write("other.ifc", kFile)));
    EXPECT_EQ(TreeLabels(Lower()), Strings{res::LoadString(res::IDS_NO_ENTITY_SELECTED)}) << "another file";
}

TEST_F(InverseViewTest, RightDoubleClickMakesTheClickedEntityCurrentInBothViews)
{
    SelectUpper("#5=");
    RightDoubleClick(TreeChildren(Lower()).at(2)); // the first #7
    EXPECT_EQ(Current(), std::pair(7, TreeRootOf(Upper(), "#7=")));
    EXPECT_EQ(TreeLabels(Lower()), ExpectedTexts({9}));

    // The navigation is an unfolded child's as well.
    HTREEITEM hNine = TreeChildren(Lower()).at(0);
    DoubleClick(Lower(), hNine);
    ASSERT_EQ(TreeLabels(Lower(), hNine), ExpectedTexts({5, 7}));
    RightDoubleClick(TreeChildren(Lower(), hNine).at(0));
    EXPECT_EQ(Current(), std::pair(5, TreeRootOf(Upper(), "#5=")));
    EXPECT_EQ(TreeLabels(Lower()), ExpectedTexts({9, 8, 7, 7, 0}));
}

TEST_F(InverseViewTest, TheHeaderAsReferrerLeadsBackToTheHeaderItem)
{
    SelectUpper("#5=");
    ASSERT_EQ(TreeLabel(Lower(), TreeChildren(Lower()).back()), kHeaderText);
    RightDoubleClick(TreeChildren(Lower()).back());
    EXPECT_EQ(Current(), std::pair(0, TreeChildren(Upper()).at(0)));
    EXPECT_EQ(TreeLabels(Lower()), Strings{res::LoadString(res::IDS_NO_ENTITY_SELECTED)});
}

TEST_F(InverseViewTest, AnEntityAmongItsOwnReferrersChangesNothingButTheLowerSelection)
{
    SelectUpper("#8=");
    const auto before = TreeChildren(Lower());
    ASSERT_EQ(TreeLabels(Lower()), ExpectedTexts({8}));
    m_recorder.Watch(Lower());
    RightDoubleClick(before[0]);
    EXPECT_EQ(Current(), std::pair(8, TreeRootOf(Upper(), "#8=")));
    EXPECT_EQ(TreeChildren(Lower()), before) << "not refilled";
    EXPECT_EQ(TreeCaret(Lower()), before[0]);
    EXPECT_EQ(m_recorder.Count(WM_RBUTTONDBLCLK), 0) << "the view consumes the right double click";
}

TEST_F(InverseViewTest, RightDoubleClickOnThePlaceholderOrBesideTheItemsDoesNothing)
{
    const auto placeholder = TreeChildren(Lower());
    RightDoubleClick(placeholder.at(0));
    PostAndPump(Lower(), WM_RBUTTONDBLCLK, POINT{5, 150});
    EXPECT_EQ(Current(), std::pair(0, TreeChildren(Upper()).at(0)));
    EXPECT_EQ(TreeChildren(Lower()), placeholder);
}

TEST_F(InverseViewTest, MouseMovesMarkTheItemAndReachTheTreeToo)
{
    SelectUpper("#5=");
    const auto roots = TreeChildren(Lower());
    m_recorder.Watch(Lower());
    MoveMouse(Lower(), LabelPoint(Lower(), roots[1]));
    EXPECT_TRUE(TreeState(Lower(), roots[1]) & TVIS_BOLD);
    MoveMouse(Upper(), POINT{5, 5});
    EXPECT_FALSE(TreeState(Lower(), roots[1]) & TVIS_BOLD);
    EXPECT_GE(m_recorder.Count(WM_MOUSEMOVE), 1);
    EXPECT_EQ(m_recorder.Count(WM_MOUSELEAVE), 1);
}

// While the computation runs, a fill shows the referrers found so far and
// stays as it is until another entity is selected.
TEST_F(ViewsTest, PartialReferrerListsAreNotRefreshedUntilAnotherEntityIsSelected)
{
    std::string strFile = "ISO-10303-21;\nHEADER;\nENDSEC;\nDATA;\n#1=TARGET;\n";
    for (int n = 2; n <= 3000; ++n)
        strFile += "#" + std::to_string(n) + "=REF(#1);\n";
    ASSERT_TRUE(OpenText(strFile));
    ASSERT_TRUE(Doc().ComputeInverseStep());
    Select(Upper(), TreeChildren(Upper()).at(1));
    const std::size_t nPartial = TreeChildren(Lower()).size();
    ASSERT_EQ(nPartial, Referrers(Doc(), 1).size());
    ASSERT_GT(nPartial, 0u);
    ASSERT_LT(nPartial, 2999u);

    CompleteInverse();
    EXPECT_EQ(TreeChildren(Lower()).size(), nPartial) << "no refresh as the computation advances";
    Select(Upper(), TreeChildren(Upper()).at(1));
    EXPECT_EQ(TreeChildren(Lower()).size(), nPartial) << "the same item again: no update";
    Select(Upper(), TreeChildren(Upper()).at(2));
    Select(Upper(), TreeChildren(Upper()).at(1));
    EXPECT_EQ(TreeChildren(Lower()).size(), 2999u);
}

// Resident memory of the process, in kilobytes.
long ResidentKb()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

// Items hold their entity's text without a copy of their own, so the
// memory of a tree does not grow with how often a long text is listed:
// here the lower tree of #2 lists #3, a text of half a megabyte that
// names #2 400 times, 400 times.
TEST_F(ViewsTest, ListingALongTextOftenTakesNoMemoryForEachMention)
{
    std::string strFile =
        "ISO-10303-21;\nHEADER;\nENDSEC;\nDATA;\n#2=TARGET;\n#3=SOURCE('" + std::string(1 << 19, 'x') + "'";
    for (int i = 0; i < 400; ++i)
        strFile += ",#2";
    strFile += ");\n";
    ASSERT_TRUE(OpenText(strFile));
    CompleteInverse();
    const long nBeforeKb = ResidentKb();
    Select(Upper(), TreeChildren(Upper()).at(1));
    const std::vector<HTREEITEM> aReferrers = TreeChildren(Lower());
    ASSERT_EQ(aReferrers.size(), 400u);
    EXPECT_LT(ResidentKb() - nBeforeKb, 32 * 1024) << "400 copies of the text take 200 MB";
    EXPECT_TRUE(TreeLabel(Lower(), aReferrers.back()) == *EntityText(Doc(), 3));
}

} // namespace
