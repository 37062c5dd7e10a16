// Label editing by real input: Qt key and mouse events on the window reach
// the edit's procedure through the platform's event bridge, so these catch
// what the messages alone cannot (characters typed into the editor, the
// click-on-caret timer, focus taken by a click).
#include "treectrl/TreeTestSupport.h"

#include "platform/MessageLoop.h"
#include "platform/qt/QtBridge.h"
#include "support/TestSupport.h"

#include <QTest>
#include <QWidget>
#include <QWindow>

namespace {

using Codes = std::vector<UINT>;

class LabelEditInputTest : public TreeTest {
protected:
    void SetUp() override
    {
        TreeTest::SetUp();
        CreateTree(kViewStyle | TVS_EDITLABELS);
        QWidget* top = WidgetOfWindow(parent.hwnd());
        ASSERT_NE(top, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(top));
        window = top->windowHandle();
        items = InsertMany(nullptr, 5, "item");
        edit = Data()->m_hwndEdit;
        SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        testsupport::ProcessEvents();
        parent.Clear();
    }
    QPoint At(int x, int y) const
    {
        POINT p{x, y};
        ClientToScreen(hwnd, &p);
        return window->mapFromGlobal(QPoint(p.x, p.y));
    }
    // QTest has no keyClicks for a QWindow.
    void TypeKeys(const char* text) const
    {
        for (const char* c = text; *c; ++c)
            QTest::keyClick(window, *c);
    }
    HWND EditControl() const { return reinterpret_cast<HWND>(Send(TVM_GETEDITCONTROL)); }
    void Edit(HTREEITEM item) const { Send(TVM_EDITLABELA, 0, reinterpret_cast<LPARAM>(item)); }
    void AcceptEnd()
    {
        parent.labelAnswer = [](const NMTVDISPINFO& nm) { return LRESULT(nm.hdr.code == TVN_ENDLABELEDITA); };
    }
    int EditWidth() const
    {
        RECT rect{};
        GetWindowRect(edit, &rect);
        return rect.right - rect.left;
    }

    QWindow* window = nullptr;
    std::vector<HTREEITEM> items;
    HWND edit = nullptr;
};

TEST_F(LabelEditInputTest, AClickOnTheCaretLabelBeginsAnEditWhenNoDoubleClickFollows)
{
    SetFocus(hwnd);
    Select(items[1]);
    parent.Clear();
    const RECT label = ItemRect(items[1], true);
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, At(label.left + 2, label.top + 5));
    ASSERT_TRUE(PumpUntil([this] { return EditControl() != nullptr; }, 5000));
    EXPECT_EQ(parent.Codes(), (Codes{TVN_BEGINLABELEDITA, TVN_SELCHANGINGA, TVN_SELCHANGEDA}));
    EXPECT_EQ(parent.labelNotices[0].info.item.hItem, items[1]);
    EXPECT_EQ(GetFocus(), edit);
}

TEST_F(LabelEditInputTest, TypedTextReplacesTheSelectedLabelAndEnterCommitsIt)
{
    Edit(items[1]);
    AcceptEnd();
    parent.Clear();
    TypeKeys("new");
    EXPECT_EQ(GetWindowTextString(edit), "new");
    QTest::keyClick(window, Qt::Key_Return);
    ASSERT_EQ(parent.Codes(), (Codes{TVN_ENDLABELEDITA}));
    EXPECT_EQ(parent.labelNotices[0].text, "new");
    EXPECT_EQ(Text(items[1]), "new");
    EXPECT_EQ(EditControl(), nullptr);
}

TEST_F(LabelEditInputTest, TheEscapeKeyCancels)
{
    Edit(items[1]);
    AcceptEnd();
    parent.Clear();
    TypeKeys("new");
    QTest::keyClick(window, Qt::Key_Escape);
    ASSERT_EQ(parent.Codes(), (Codes{TVN_ENDLABELEDITA}));
    EXPECT_EQ(parent.labelNotices[0].info.item.pszText, nullptr);
    EXPECT_EQ(Text(items[1]), "item1");
    EXPECT_EQ(EditControl(), nullptr);
}

TEST_F(LabelEditInputTest, TheEditGrowsWithTypedTextAndCtrlLFitsItBack)
{
    Edit(items[1]);
    const int initialWidth = EditWidth();
    TypeKeys("abcdefghijklmnop");
    EXPECT_EQ(EditWidth(), 15 * 7 + 16) << "measured before the last character";
    QTest::keyClick(window, Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(EditWidth(), 16 * 7);
    EXPECT_GT(16 * 7, initialWidth);
    EXPECT_EQ(GetWindowTextString(edit), "abcdefghijklmnop");
}

TEST_F(LabelEditInputTest, AClickBelowTheItemsEndsTheEditAndKeepsTheText)
{
    Edit(items[1]);
    AcceptEnd();
    TypeKeys("new");
    parent.Clear();
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, At(3, 5 * 16 + 5));
    EXPECT_EQ(parent.Codes(), (Codes{TVN_ENDLABELEDITA}));
    EXPECT_EQ(Text(items[1]), "new");
    EXPECT_EQ(GetFocus(), hwnd);
    EXPECT_EQ(EditControl(), nullptr);
}

TEST_F(LabelEditInputTest, AClickOnAnotherItemSelectsItAndCancelsTheEdit)
{
    Edit(items[1]);
    AcceptEnd();
    TypeKeys("new");
    parent.Clear();
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, At(3, 3 * 16 + 5));
    EXPECT_EQ(parent.Codes(), (Codes{TVN_SELCHANGINGA, TVN_ENDLABELEDITA, TVN_SELCHANGEDA}));
    EXPECT_EQ(parent.labelNotices[0].info.item.pszText, nullptr);
    EXPECT_EQ(Text(items[1]), "item1");
    EXPECT_EQ(Caret(), items[3]);
    EXPECT_EQ(EditControl(), nullptr);
}

} // namespace
