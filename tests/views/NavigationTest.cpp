// Following references: going to an entity by number, the history of the
// places jumped between (Back, Forward) with the upper tree's top row, and
// what the history forgets.
#include "views/ViewsTest.h"

namespace {

// Entities 1 to 300; #k refers to #(k + 100) for k up to 200, so the lower
// tree of #(k + 100) lists #k alone, and a right double click there goes
// 100 entities up.
std::string ChainFile()
{
    std::string strText = "ISO-10303-21;\nHEADER;\nFILE_NAME('chain');\nENDSEC;\nDATA;\n";
    for (int k = 1; k <= 300; ++k)
        strText +=
            "#" + std::to_string(k) + "=IFCITEM(" + (k <= 200 ? "#" + std::to_string(k + 100) : "$") + ");\n";
    return strText;
}

class NavigationTest : public ViewsTest {
protected:
    void SetUp() override
    {
        ViewsTest::SetUp();
        ASSERT_TRUE(OpenText(ChainFile()));
        CompleteInverse();
    }
    CKantorDocument& Document() { return *m_pDocument; }
    HTREEITEM TopRow()
    {
        return reinterpret_cast<HTREEITEM>(SendMessageA(Upper(), TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0));
    }
    HTREEITEM Root(std::int32_t n) { return TreeRootOf(Upper(), "#" + std::to_string(n) + "="); }
    // The user selects the entity's root item in the upper tree by a click.
    void ClickUpper(std::int32_t n)
    {
        PostAndPump(Upper(), WM_LBUTTONDOWN, LabelPoint(Upper(), Root(n)));
        PostAndPump(Upper(), WM_LBUTTONUP, LabelPoint(Upper(), Root(n)));
    }
    // A right double click on the lower tree's first item.
    void FollowFirstReferrer()
    {
        PostAndPump(Lower(), WM_RBUTTONDBLCLK, LabelPoint(Lower(), TreeChildren(Lower()).at(0)));
    }
};

TEST_F(NavigationTest, GoingToAnEntityIsWhatARightDoubleClickInTheLowerTreeDoes)
{
    EXPECT_TRUE(Document().NavigateToEntity(250));
    EXPECT_EQ(Current(), std::pair(250, Root(250)));
    EXPECT_EQ(TreeLabels(Lower()), Strings{"#150=IFCITEM(#250);"});
    const POINT point = LabelPoint(Upper(), Root(250));
    RECT client;
    GetClientRect(Upper(), &client);
    EXPECT_TRUE(point.y >= 0 && point.y < client.bottom) << "scrolled into view";

    EXPECT_EQ(std::pair(Document().NavigateToEntity(301), Document().NavigateToEntity(-1)),
              std::pair(false, false));
    EXPECT_EQ(Doc().GetCurrentEntity(), 250) << "no entity: nothing changes";
    EXPECT_TRUE(Document().GoBack());
    EXPECT_EQ(Doc().GetCurrentEntity(), 0) << "one jump recorded, from the header";
    EXPECT_FALSE(Document().GoBack());
}

TEST_F(NavigationTest, BackAndForwardReturnToTheEntitiesAndTopRowsLeft)
{
    ClickUpper(3); // an item in the first page: the header row stays on top; a jump
    const EntityPlace start = Document().GetPlace();
    ASSERT_EQ(start.nEntity, 3);
    Document().NavigateToEntity(300);
    const HTREEITEM hTopAt300 = TopRow();
    ASSERT_NE(hTopAt300, TreeChildren(Upper()).front()) << "the tree scrolled to #300";
    FollowFirstReferrer(); // #200
    FollowFirstReferrer(); // #100
    ASSERT_EQ(Doc().GetCurrentEntity(), 100);
    EXPECT_EQ(std::pair(Document().GetHistory().CanGoBack(), Document().GetHistory().CanGoForward()),
              std::pair(true, false));

    ASSERT_TRUE(Document().GoBack());
    EXPECT_EQ(Current(), std::pair(200, Root(200)));
    EXPECT_EQ(TreeLabels(Lower()), Strings{"#100=IFCITEM(#200);"});
    ASSERT_TRUE(Document().GoBack());
    EXPECT_EQ(std::pair(Doc().GetCurrentEntity(), TopRow()), std::pair(300, hTopAt300));
    ASSERT_TRUE(Document().GoBack());
    EXPECT_EQ(std::pair(Doc().GetCurrentEntity(), TopRow()), std::pair(3, TreeChildren(Upper()).front()))
        << "the top row of the place left";
    ASSERT_TRUE(Document().GoBack());
    EXPECT_EQ(Doc().GetCurrentEntity(), 0) << "the click on #3 was a jump from the header";
    EXPECT_FALSE(Document().GoBack());

    ASSERT_TRUE(Document().GoForward());
    ASSERT_TRUE(Document().GoForward());
    EXPECT_EQ(std::pair(Doc().GetCurrentEntity(), TopRow()), std::pair(300, hTopAt300));
    // A jump from the middle forgets what lay ahead.
    Document().NavigateToEntity(5);
    EXPECT_FALSE(Document().GoForward());
    EXPECT_TRUE(Document().GoBack());
    EXPECT_EQ(Doc().GetCurrentEntity(), 300);
}

TEST_F(NavigationTest, TheTopRowIsKeptBelowItsRootAsFarAsTheRootIsUnfolded)
{
    // #20 unfolded, and the tree scrolled so that its child is the top row.
    const HTREEITEM hTwenty = Root(20);
    SendMessageA(Upper(), TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(hTwenty));
    DoubleClick(Upper(), hTwenty);
    const HTREEITEM hChild = TreeChildren(Upper(), hTwenty).at(0);
    SendMessageA(Upper(), TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(Root(120)));
    SendMessageA(Upper(), TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(hChild));
    ASSERT_EQ(TopRow(), hChild);
    const EntityPlace place = Document().GetPlace();
    EXPECT_EQ(std::pair(place.nTopEntity, place.nTopRowsBelow), std::pair(20, 1));

    Document().NavigateToEntity(290);
    ASSERT_TRUE(Document().RestorePlace(place));
    EXPECT_EQ(TopRow(), hChild);
    // Folded, the row below the root is the next root; the root is the top.
    SendMessageA(Upper(), TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(hTwenty));
    Document().NavigateToEntity(290);
    ASSERT_TRUE(Document().RestorePlace(place));
    EXPECT_EQ(TopRow(), hTwenty);
}

TEST_F(NavigationTest, BackSkipsPlacesWhoseEntityIsGoneAndANewFileForgetsThemAll)
{
    Document().NavigateToEntity(10);
    Document().GetHistory().RecordJump(EntityPlace{777, -1, 0}); // no entity 777
    Document().NavigateToEntity(20);
    ASSERT_TRUE(Document().GoBack());
    EXPECT_EQ(Doc().GetCurrentEntity(), 10) << "the place of #777 is passed over";
    ASSERT_TRUE(Document().GoBack());
    EXPECT_EQ(Doc().GetCurrentEntity(), 0);
    EXPECT_TRUE(Document().GetHistory().CanGoForward());

    ASSERT_TRUE(OpenText(ChainFile()));
    EXPECT_EQ(std::pair(Document().GetHistory().CanGoBack(), Document().GetHistory().CanGoForward()),
              std::pair(false, false));
    Document().NavigateToEntity(10);
    NewDocument();
    EXPECT_EQ(std::pair(Document().GetHistory().CanGoBack(), Document().GoBack()), std::pair(false, false));
}

} // namespace
