// Following references in the real program, by real input: Go to Entity
// (Ctrl+G, its refusals), the jumps that Back and Forward return from (the
// lower tree's right double click, Go to, a search hit, a click), Back and
// Forward by keys, toolbar and the mouse's extra buttons, the status bar's
// pane that says what the current entity is; copying, the trees' context
// menu and the keys that the trees leave alone.
#include "app/AppTest.h"

#include "framework/FrameworkMessages.h"
#include "platform/MessageLoop.h"
#include "platform/TestHooks.h"
#include "platform/qt/QtBridge.h"
#include "res/Resource.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <functional>

namespace {

class FollowingReferencesTest : public ExampleAppTest {
protected:
    QWindow* Window() { return WidgetOfWindow(Frame().GetSafeHwnd())->windowHandle(); }
    // The middle of an item's label, in the main window's coordinates.
    QPoint OnLabel(HWND hTree, HTREEITEM hItem)
    {
        RECT rect;
        TreeView_GetItemRect(hTree, hItem, &rect, TRUE);
        const QPoint inTree((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        return WidgetOfWindow(hTree)->mapTo(WidgetOfWindow(Frame().GetSafeHwnd()), inTree);
    }
    HTREEITEM UpperRoot(std::int32_t n)
    {
        return testsupport::TreeRootOf(Upper(), "#" + std::to_string(n) + "=");
    }
    void Click(HWND hTree, HTREEITEM hItem, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(Window(), button, Qt::NoModifier, OnLabel(hTree, hItem));
        PumpWaitingMessages();
    }
    // A right double click on the lower tree's first item.
    void FollowFirstReferrer()
    {
        QTest::mouseDClick(Window(), Qt::RightButton, Qt::NoModifier,
                           OnLabel(Lower(), TreeChildren(Lower()).at(0)));
        PumpWaitingMessages();
    }
    // Go to Entity by its keys, typing the text and Enter into its field;
    // the dialog's message afterwards (then it is cancelled), if any.
    std::string GoTo(const std::string& strTyped)
    {
        std::string strRefusal;
        WhileModal(
            res::IDC_ENTITY_NUMBER, [] { PressKey(Qt::Key_G, Qt::ControlModifier); },
            [&](HWND hDialog) {
                TypeAndEnter(hDialog, res::IDC_ENTITY_NUMBER, strTyped);
                strRefusal = ControlText(hDialog, res::IDC_GOTO_MESSAGE);
                if (!strRefusal.empty())
                    QTest::keyClick(WidgetOfWindow(GetDlgItem(hDialog, res::IDC_ENTITY_NUMBER)),
                                    Qt::Key_Escape);
            });
        return strRefusal;
    }
    // The entity pane after the idle pass that follows the last input.
    std::string EntityPane()
    {
        Frame().SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE);
        CProgressStatusBar* pBar = Frame().GetStatusBar();
        return pBar->GetPaneText(pBar->CommandToIndex(res::ID_INDICATOR_ENTITY));
    }
};

// Go to, right double clicks and Back and Forward by keys are driven end to
// end; here the mouse's extra buttons over either tree, the toolbar and the
// ends of the history.
TEST_F(FollowingReferencesTest, JumpsDownTheReferrersAndBackAndForwardByButtonsAndMouse)
{
    EXPECT_EQ(GoTo("#7"), "");
    EXPECT_EQ(TreeCaret(Upper()), UpperRoot(7));
    FollowFirstReferrer();
    FollowFirstReferrer();
    ASSERT_EQ(Doc().GetCurrentEntity(), 16);
    Click(Lower(), TreeChildren(Lower()).at(0), Qt::BackButton);
    EXPECT_EQ(Doc().GetCurrentEntity(), 10);
    EXPECT_EQ(TreeCaret(Upper()), UpperRoot(10));
    EXPECT_EQ(LowerNames(), Strings{"#16"});
    Click(Upper(), UpperRoot(10), Qt::BackButton);
    EXPECT_EQ(Doc().GetCurrentEntity(), 7);
    PressKey(Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(Doc().GetCurrentEntity(), 0) << "the header, where the file opened";
    PressKey(Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(Doc().GetCurrentEntity(), 0) << "nowhere further back";

    Click(Upper(), UpperRoot(7), Qt::ForwardButton);
    EXPECT_EQ(Doc().GetCurrentEntity(), 7);
    ClickToolBarButton(res::ID_NAVIGATE_FORWARD);
    EXPECT_EQ(Doc().GetCurrentEntity(), 10);
    ClickToolBarButton(res::ID_NAVIGATE_FORWARD);
    ClickToolBarButton(res::ID_NAVIGATE_FORWARD);
    EXPECT_EQ(Doc().GetCurrentEntity(), 16) << "nowhere further forward";
    ClickToolBarButton(res::ID_NAVIGATE_BACK);
    EXPECT_EQ(Doc().GetCurrentEntity(), 10);
    EXPECT_EQ(LowerNames(), Strings{"#16"});
}

TEST_F(FollowingReferencesTest, GoToSaysWhatIsWrongAndStaysOpen)
{
    struct Case {
        std::string strTyped, strRefusal;
    };
    const Case cases[] = {
        {"999", "There is no entity #999."},
        {"#29", "There is no entity #29."}, // between #25 and #30
        {"abc", "Type an entity number, such as 123 or #123."},
        {"#", "Type an entity number, such as 123 or #123."},
        {"12 3", "Type an entity number, such as 123 or #123."},
        {"99999999999", "Type an entity number, such as 123 or #123."},
        {"#0", "There is no entity #0."}, // the header
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GoTo(c.strTyped), c.strRefusal) << c.strTyped;
        EXPECT_EQ(Doc().GetCurrentEntity(), 0) << c.strTyped;
    }
    EXPECT_EQ(GoTo(" 36 "), "");
    EXPECT_EQ(Doc().GetCurrentEntity(), 36);
}

TEST_F(FollowingReferencesTest, ClicksAndSearchHitsAreJumpsButTheArrowKeysAreNot)
{
    PressKey(Qt::Key_Down);
    PressKey(Qt::Key_Down);
    ASSERT_EQ(Doc().GetCurrentEntity(), 2);
    EXPECT_FALSE(Document().GetHistory().CanGoBack());

    Click(Upper(), UpperRoot(5));
    ASSERT_EQ(Doc().GetCurrentEntity(), 5);
    // A search hit on another entity.
    WhileModal(
        res::IDC_FIND_WHAT, [] { PressKey(Qt::Key_F, Qt::ControlModifier); },
        [](HWND hDialog) { TypeAndEnter(hDialog, res::IDC_FIND_WHAT, "ifcsiunit"); });
    ASSERT_EQ(Doc().GetCurrentEntity(), 6);

    PressKey(Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(Doc().GetCurrentEntity(), 5);
    PressKey(Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(Doc().GetCurrentEntity(), 2);
    EXPECT_FALSE(Document().GetHistory().CanGoBack());
}

TEST_F(FollowingReferencesTest, TheEntityPaneSaysWhatTheCurrentEntityIsAndWhoRefersToIt)
{
    EXPECT_EQ(EntityPane(), "") << "the header is no entity";
    GoTo("10");
    EXPECT_EQ(EntityPane(), "#10 IFCUNITASSIGNMENT \xB7 1 referrer");
    GoTo("5");
    EXPECT_EQ(EntityPane(),
              "#5 IFCOWNERHISTORY \xB7 " + std::to_string(Doc().GetReferrerCount(5)) + " referrers");
    EXPECT_GT(Doc().GetReferrerCount(5), 10u);

    // While the referrers are still being found, the count says so.
    std::string strFile = "ISO-10303-21;\nHEADER;\nENDSEC;\nDATA;\n#1=IFCTHING($);\n";
    for (int n = 2; n <= 3000; ++n)
        strFile += "#" + std::to_string(n) + "=IFCREF(#1);\n";
    ASSERT_NE(m_pApp->OpenDocumentFile(m_folder.Write("many.ifc", strFile).c_str()), nullptr);
    ASSERT_TRUE(Document().NavigateToEntity(1));
    ASSERT_TRUE(Doc().ComputeInverseStep());
    EXPECT_EQ(EntityPane(),
              "#1 IFCTHING \xB7 " + std::to_string(Doc().GetReferrerCount(1)) + " referrers so far");
    RunUntilIdle();
    EXPECT_EQ(EntityPane(), "#1 IFCTHING \xB7 2999 referrers");
}

// Copying, the context menu and the keys that the trees leave alone.
class TreeCommandsTest : public FollowingReferencesTest {
protected:
    // Runs `rightClick`, which must open a context menu; `choose` names the
    // item to click (empty: the menu is closed). The menu's items, as shown.
    QStringList ContextMenu(const std::function<void()>& rightClick, const QString& choose)
    {
        QStringList items;
        bool bShown = false;
        std::function<void()> poll = [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) {
                QTimer::singleShot(5, poll);
                return;
            }
            bShown = true;
            QAction* chosen = nullptr;
            for (QAction* action : menu->actions()) {
                items << action->text();
                if (!choose.isEmpty() && action->text().startsWith(choose))
                    chosen = action;
            }
            if (chosen)
                QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier,
                                  menu->actionGeometry(chosen).center());
            else
                menu->close();
        };
        QTimer::singleShot(0, poll);
        rightClick();
        EXPECT_TRUE(PumpUntil([&] { return bShown; }, 5000));
        PumpWaitingMessages();
        return items;
    }
    // Whether a context menu opens within the time of a double click (it is
    // closed at once).
    bool AnyMenuWithinDoubleClickTime()
    {
        bool bShown = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                bShown = true;
                popup->close();
            }
        });
        poll.start(5);
        PumpUntil([&] { return bShown; }, static_cast<int>(GetDoubleClickTime()) + 300);
        return bShown;
    }
    static QString Clipboard() { return QGuiApplication::clipboard()->text(); }
    static void TypeChar(char c)
    {
        QTest::keyClick(WidgetOfWindow(GetFocus()), c);
        PumpWaitingMessages();
    }
    void OpenWindows1252File()
    {
        // \xE9 and \x80 are e acute and the euro sign in Windows-1252.
        const std::string strFile = "ISO-10303-21;\nHEADER;\nENDSEC;\nDATA;\n"
                                    "#1=IFCWALL('Caf\xE9 \x80',#2);\n#2=IFCLABEL($);\n#3=IFCREL(#2);\n";
        Open(m_folder.Write("cp1252.ifc", strFile));
    }
};

TEST_F(TreeCommandsTest, CopyPutsTheFocusedTreesItemOnTheClipboardAsText)
{
    OpenWindows1252File();
    Click(Upper(), UpperRoot(1));
    PressKey(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Clipboard(), QString::fromUtf8("#1=IFCWALL('Caf\u00E9 \u20AC',#2);"));
    PressKey(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Clipboard(), "#1");
    QGuiApplication::clipboard()->setText("before");
    PressKey(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(Clipboard(), QString::fromUtf8("#1=IFCWALL('Caf\u00E9 \u20AC',#2);"));

    // The lower tree, once it has the keyboard: its caret item, the last of
    // #1 and #3 (in the document's order), which refer to #2.
    Click(Upper(), UpperRoot(2));
    PressKey(Qt::Key_F6);
    PressKey(Qt::Key_End);
    ASSERT_EQ(TreeChildren(Lower()).size(), 2u);
    ASSERT_EQ(TreeCaret(Lower()), TreeChildren(Lower()).back());
    const std::string strLast = TreeLabel(Lower(), TreeCaret(Lower()));
    PressKey(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Clipboard().toStdString(), strLast.substr(0, strLast.find('=')));
    EXPECT_EQ(Doc().GetCurrentEntity(), 2);
}

TEST_F(TreeCommandsTest, ARightClickOpensTheItemsMenuAndARightDoubleClickStillNavigates)
{
    const QStringList upperItems = {"&Copy\tStrg+C", "Copy Entity &Name\tStrg+Shift+C", "", "&Unfold"};
    EXPECT_EQ(ContextMenu([&] { Click(Upper(), UpperRoot(10), Qt::RightButton); }, "Copy Entity"),
              upperItems);
    EXPECT_EQ(Clipboard(), "#10");
    EXPECT_EQ(Doc().GetCurrentEntity(), 0) << "the clicked item, not the selection";
    ContextMenu([&] { Click(Upper(), UpperRoot(10), Qt::RightButton); }, "&Unfold");
    EXPECT_EQ(TreeLabels(Upper(), UpperRoot(10)).size(), 4u) << "#6 to #9";

    GoTo("7");
    const QStringList lowerItems = upperItems + QStringList{"&Go to This Entity\tEnter"};
    EXPECT_EQ(ContextMenu([&] { Click(Lower(), TreeChildren(Lower()).at(0), Qt::RightButton); }, "&Go to"),
              lowerItems);
    EXPECT_EQ(Doc().GetCurrentEntity(), 10);
    PressKey(Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(Doc().GetCurrentEntity(), 7) << "going there from the menu is a jump";

    FollowFirstReferrer();
    EXPECT_EQ(Doc().GetCurrentEntity(), 10);
    EXPECT_FALSE(AnyMenuWithinDoubleClickTime()) << "a right double click opens no menu";
}

TEST_F(TreeCommandsTest, KeysThatTheTreeLeavesAloneMoveUnfoldAndGoToWithoutABeep)
{
    const unsigned long nBeeps = MessageBeepCount();
    PressKey(Qt::Key_End);
    EXPECT_EQ(TreeCaret(Upper()), TreeChildren(Upper()).back());
    PressKey(Qt::Key_Home);
    EXPECT_EQ(TreeCaret(Upper()), TreeChildren(Upper()).front());
    EXPECT_FALSE(Document().GetHistory().CanGoBack()) << "like the arrow keys, no jump";

    Click(Upper(), UpperRoot(10));
    const HTREEITEM hItem = UpperRoot(10);
    TypeChar('+');
    EXPECT_EQ(TreeLabels(Upper(), hItem).size(), 4u);
    EXPECT_TRUE(testsupport::TreeState(Upper(), hItem) & TVIS_EXPANDED);
    TypeChar('-');
    EXPECT_FALSE(testsupport::TreeState(Upper(), hItem) & TVIS_EXPANDED);
    // * unfolds everything below: #16 refers to #5, #15 and #10; #5 to #3
    // and #4; #3 to #1 and #2.
    Click(Upper(), UpperRoot(16));
    TypeChar('*');
    const std::vector<HTREEITEM> project = TreeChildren(Upper(), UpperRoot(16));
    ASSERT_EQ(project.size(), 3u);
    EXPECT_EQ(TreeLabels(Upper(), project[2]).size(), 4u);
    const std::vector<HTREEITEM> history = TreeChildren(Upper(), project[0]);
    ASSERT_EQ(history.size(), 2u);
    EXPECT_EQ(
        TreeLabels(Upper(), history[0]),
        (Strings{"#1=IFCPERSON($,'Builder','Bea',$,$,$,$,$);", "#2=IFCORGANIZATION($,'Velmora',$,$,$);"}));
    EXPECT_EQ(MessageBeepCount(), nBeeps);
    TypeChar('5');
    EXPECT_EQ(MessageBeepCount(), nBeeps + 1) << "a digit alone still beeps";

    // (# opening Go to with it is driven end to end.) Enter in the lower
    // tree goes to its caret item's entity.
    EXPECT_EQ(GoTo("7"), "");
    PressKey(Qt::Key_F6);
    PressKey(Qt::Key_Return);
    EXPECT_EQ(Doc().GetCurrentEntity(), 10);
    PressKey(Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(Doc().GetCurrentEntity(), 7);
}

} // namespace
