// Real input: Qt mouse events on the window reach the control through the
// platform's event bridge as the messages it handles, with what the
// messages alone cannot show (the timers of a click, screen positions).
// Typing into a label's edit is the bridge's (its edit tests) and the edit
// procedure's (the label edit's message tests).
// Keys and the wheel are mapped by the bridge (its own tests) and handled
// as messages (the keyboard and layout tests).
#include "treectrl/TreeTestSupport.h"

#include "platform/MessageLoop.h"
#include "support/TestSupport.h"

#include <QTest>
#include <QWindow>

namespace {

class TreeInputTest : public TreeTest {
protected:
    void SetUp() override
    {
        TreeTest::SetUp();
        window = ExposedWindow();
        ASSERT_NE(window, nullptr);
        items = InsertMany(nullptr, 20, "r");
        testsupport::ProcessEvents();
        parent.Clear();
    }

    QWindow* window = nullptr;
    std::vector<HTREEITEM> items;
};

TEST_F(TreeInputTest, ClickSelectsAtOnceAndScrollsTheHalfShownRowInOnlyAfterTheDoubleClickTime)
{
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, At(3, 97));
    ASSERT_EQ(parent.Codes(), (Codes{TVN_SELCHANGINGA, TVN_SELCHANGEDA}));
    EXPECT_EQ(std::pair(parent.notices[0].action, parent.notices[1].action),
              std::pair(TVC_UNKNOWN, TVC_UNKNOWN));
    EXPECT_EQ(std::tuple(Caret(), GetFocus(), TopIndex()), std::tuple(items[6], hwnd, 0))
        << "no scrolling yet";
    EXPECT_TRUE(PumpUntil([this] { return TopIndex() == 1; }, 5000)) << "the scroll timer brings it in";
    EXPECT_EQ(FirstVisible(), items[1]);
}

TEST_F(TreeInputTest, RightClickGivesTheContextMenuAtTheScreenPosition)
{
    SetFocus(hwnd);
    parent.Clear();
    QTest::mouseClick(window, Qt::RightButton, Qt::NoModifier, At(10, 2 * 16 + 5));
    ASSERT_EQ(parent.Codes(), (Codes{NM_RCLICK}));
    EXPECT_EQ(parent.notices[0].itemNew.hItem, items[2]);
    ASSERT_EQ(parent.contextMenus.size(), 1u);
    POINT screen{10, 2 * 16 + 5};
    ClientToScreen(hwnd, &screen);
    EXPECT_EQ(parent.contextMenus[0].second, MAKELPARAM(screen.x, screen.y));
}

// A click on the caret's label begins a label edit once the double-click
// time has passed without a second click (the message tests of label
// editing cover the rest).
TEST_F(TreeInputTest, AClickOnTheCaretLabelBeginsAnEditWhenNoDoubleClickFollows)
{
    CreateTree(kViewStyle | TVS_EDITLABELS);
    items = InsertMany(nullptr, 5, "item");
    testsupport::ProcessEvents();
    SetFocus(hwnd);
    Select(items[1]);
    parent.Clear();
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, At(2, 16 + 5));
    ASSERT_TRUE(PumpUntil([this] { return EditControl() != nullptr; }, 5000));
    EXPECT_EQ(parent.Codes(), (Codes{TVN_BEGINLABELEDITA, TVN_SELCHANGINGA, TVN_SELCHANGEDA}));
    EXPECT_EQ(parent.dispNotices[0].info.item.hItem, items[1]);
    EXPECT_EQ(GetFocus(), Data()->m_hwndEdit);
}

} // namespace
