// Real input: Qt mouse, wheel and key events on the window reach the
// control through the platform's event bridge as the messages it handles.
#include "treectrl/TreeTestSupport.h"

#include "platform/MessageLoop.h"
#include "platform/TestHooks.h"
#include "platform/qt/QtBridge.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>

namespace {

using Codes = std::vector<UINT>;

class TreeInputTest : public TreeTest {
protected:
    void SetUp() override
    {
        TreeTest::SetUp();
        window = ExposedWindow();
        ASSERT_NE(window, nullptr);
        items = InsertMany(nullptr, 20, "r");
        child = Insert(items[0], "child");
        testsupport::ProcessEvents();
        parent.Clear();
    }

    QWindow* window = nullptr;
    std::vector<HTREEITEM> items;
    HTREEITEM child = nullptr;
};

TEST_F(TreeInputTest, ClickSelectsAtOnceAndScrollsTheHalfShownRowInOnlyAfterTheDoubleClickTime)
{
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, At(3, 97));
    ASSERT_EQ(parent.Codes(), (Codes{TVN_SELCHANGINGA, TVN_SELCHANGEDA}));
    EXPECT_EQ(parent.notices[0].action, TVC_UNKNOWN);
    EXPECT_EQ(parent.notices[1].action, TVC_UNKNOWN);
    EXPECT_EQ(Caret(), items[6]);
    EXPECT_EQ(GetFocus(), hwnd);
    EXPECT_EQ(TopIndex(), 0) << "no scrolling yet";
    EXPECT_TRUE(PumpUntil([this] { return TopIndex() == 1; }, 5000)) << "the scroll timer brings it in";
    EXPECT_EQ(FirstVisible(), items[1]);
}

TEST_F(TreeInputTest, DoubleClickSelectsThenToggles)
{
    QTest::mouseDClick(window, Qt::LeftButton, Qt::NoModifier, At(3, 5));
    ASSERT_EQ(parent.Codes(),
              (Codes{TVN_SELCHANGINGA, TVN_SELCHANGEDA, TVN_ITEMEXPANDINGA, TVN_ITEMEXPANDEDA}));
    EXPECT_EQ(parent.notices[2].action, TVE_TOGGLE);
    EXPECT_TRUE(State(items[0]) & TVIS_EXPANDED);
    EXPECT_EQ(Next(items[0], TVGN_NEXTVISIBLE), child);
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

TEST_F(TreeInputTest, WheelScrollsThreeRowsPerNotch)
{
    QWidget* widget = WidgetOfWindow(hwnd);
    const QPoint local(20, 20);
    QWheelEvent wheel(local, widget->mapToGlobal(local), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
    EXPECT_EQ(TopIndex(), 3);
    EXPECT_EQ(FirstVisible(), items[3]);
}

TEST_F(TreeInputTest, KeysMoveTheCaretScrollAndBeep)
{
    SetFocus(hwnd); // selects the first visible item
    ASSERT_EQ(Caret(), items[0]);
    QWidget* widget = WidgetOfWindow(hwnd);
    QTest::keyClick(widget, Qt::Key_Down);
    EXPECT_EQ(Caret(), items[1]);
    QTest::keyClick(widget, Qt::Key_PageDown);
    EXPECT_EQ(Caret(), items[6]);
    EXPECT_EQ(TopIndex(), 1);
    QTest::keyClick(widget, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(TopIndex(), 6);
    EXPECT_EQ(Caret(), items[6]) << "Ctrl scrolls without moving the caret";
    QTest::keyClick(widget, Qt::Key_Home);
    EXPECT_EQ(Caret(), items[6]);

    const unsigned long beeps = MessageBeepCount();
    QTest::keyClick(widget, Qt::Key_A);
    EXPECT_EQ(MessageBeepCount(), beeps + 1);

    Select(items[0]);
    QTest::keyClick(widget, Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_TRUE(State(items[0]) & TVIS_EXPANDED);
    QTest::keyClick(widget, Qt::Key_Right);
    EXPECT_EQ(Caret(), child);
}

} // namespace
