// The search over the upper tree: both directions with their wrap-around,
// visible items only, the Search dialog and Search again, and the
// case-insensitive match (the empty document's placeholder: the upper
// view's tests).
#include "views/ViewsTest.h"

#include "views/SearchDlg.h"

#include "res/Resource.h"
#include "res/StringTable.h"

#include "framework/Dialog.h"
#include "platform/qt/QtBridge.h"

#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace {

const std::string kFile = "ISO-10303-21;\nHEADER;\nFILE_NAME('marker');\nENDSEC;\nDATA;\n"
                          "#1=IFCWALL('a');\n"
                          "#2=IFCSLAB('marker',#1);\n"
                          "#3=IFCWALLSTANDARDCASE('c');\n"
                          "#4=IFCDOOR('d');\n"
                          "#5=IFCLAST(#1);\n";

class SearchTest : public ViewsTest {
protected:
    void SetUp() override
    {
        ViewsTest::SetUp();
        ASSERT_TRUE(OpenText(kFile));
    }
    HTREEITEM Root(int i) { return TreeChildren(Upper()).at(static_cast<std::size_t>(i)); }
    void SearchAgain() { m_pUpper->SendMessage(WM_COMMAND, res::ID_SEARCH_AGAIN, 0); }

    // Runs the Search command; `answer` acts on the open dialog (its window
    // given) the way a user would.
    void RunSearchDialog(const std::function<void(HWND)>& answer)
    {
        bool bAnswered = false;
        QTimer::singleShot(0, [&] {
            HWND hDialog = GetParent(GetFocus());
            ASSERT_NE(hDialog, nullptr);
            bAnswered = true;
            answer(hDialog);
        });
        // A dialog left open by a failed answer must not hang the test.
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] {
            if (HWND hDialog = GetParent(GetFocus()))
                SendMessageA(hDialog, WM_COMMAND, IDCANCEL, 0);
        });
        guard.start(5000);
        m_pUpper->SendMessage(WM_COMMAND, res::ID_SEARCH, 0);
        EXPECT_TRUE(bAnswered);
    }
    // Types the text, clicks the direction and presses Enter.
    void Search(const std::string& strText, bool bDown)
    {
        RunSearchDialog([&](HWND hDialog) {
            QTest::keyClicks(WidgetOfWindow(GetDlgItem(hDialog, res::IDC_FIND_WHAT)),
                             QString::fromLatin1(strText));
            QTest::mouseClick(
                WidgetOfWindow(GetDlgItem(hDialog, bDown ? res::IDC_DIRECTION_DOWN : res::IDC_DIRECTION_UP)),
                Qt::LeftButton);
            QTest::keyClick(WidgetOfWindow(GetDlgItem(hDialog, res::IDC_FIND_WHAT)), Qt::Key_Return);
        });
    }
};

// From a root (-1: nothing selected) one way: the root found, or -1 when
// nothing matches and the caret stays. The selected item is tested last;
// with nothing selected, the first root when searching down, the last when
// searching up; upwards the second pass runs from the last root up.
TEST_F(SearchTest, EachDirectionTestsTheSelectedItemLast)
{
    struct Case {
        int nFrom;
        bool bDown;
        const char* pszText;
        int nFound;
    };
    const Case cases[] = {
        {4, true, "IFCDOOR", 4},        {4, false, "ifcdoor", 4}, {4, true, "no such text", -1},
        {4, false, "no such text", -1}, {-1, true, "MARKER", 2},  {2, true, "MARKER", 0},
        {-1, false, "IFC", 4},          {0, false, "IFC", 5},     {5, false, "IFCWALL", 3},
        {3, false, "IFCWALL", 1},       {5, false, "IFCLAST", 5},
    };
    for (const Case& c : cases) {
        Select(Upper(), c.nFrom < 0 ? nullptr : Root(c.nFrom));
        const bool bFound = c.bDown ? m_pUpper->SearchDown(c.pszText) : m_pUpper->SearchUp(c.pszText);
        const std::string strCase =
            std::string(c.bDown ? "down" : "up") + " from " + std::to_string(c.nFrom) + " for " + c.pszText;
        EXPECT_EQ(bFound, c.nFound >= 0) << strCase;
        const int nAt = c.nFound >= 0 ? c.nFound : c.nFrom;
        EXPECT_EQ(Current(), std::pair(nAt, Root(nAt))) << strCase;
    }
}

TEST_F(SearchTest, UnfoldedChildrenAreFoundButNotBelowTheLastRootWhenWrappingUpwards)
{
    DoubleClick(Upper(), Root(5));
    const HTREEITEM hChild = TreeChildren(Upper(), Root(5)).at(0);
    ASSERT_EQ(TreeLabel(Upper(), hChild), "#1=IFCWALL('a');");

    Select(Upper(), Root(0));
    std::vector<HTREEITEM> aFound;
    for (bool bDown : {false, true, false}) {
        EXPECT_TRUE(bDown ? m_pUpper->SearchDown("('A')") : m_pUpper->SearchUp("('A')"));
        aFound.push_back(TreeCaret(Upper()));
    }
    EXPECT_EQ(aFound, (std::vector{Root(1), hChild, Root(1)}))
        << "upwards the child below the last root is skipped";
    EXPECT_EQ(Doc().GetCurrentEntity(), 1);

    // Collapsed, the child is out of reach.
    DoubleClick(Upper(), Root(5));
    ASSERT_FALSE(TreeState(Upper(), Root(5)) & TVIS_EXPANDED);
    Select(Upper(), Root(1));
    EXPECT_TRUE(m_pUpper->SearchDown("('A')"));
    EXPECT_EQ(TreeCaret(Upper()), Root(1));
    EXPECT_FALSE(TreeState(Upper(), Root(5)) & TVIS_EXPANDED) << "the search never unfolds";
}

TEST_F(SearchTest, TheDialogOpensEmptyWithDownCheckedAndCancelKeepsTheLastSearch)
{
    Search("ifcwall", false);
    EXPECT_EQ(TreeCaret(Upper()), Root(3)) << "upwards from the header: round from the last root";

    RunSearchDialog([](HWND hDialog) {
        EXPECT_EQ(GetFocus(), GetDlgItem(hDialog, res::IDC_FIND_WHAT));
        EXPECT_EQ(GetWindowTextString(GetDlgItem(hDialog, res::IDC_FIND_WHAT)), "");
        EXPECT_EQ(SendMessageA(GetDlgItem(hDialog, res::IDC_DIRECTION_DOWN), BM_GETCHECK, 0, 0), BST_CHECKED);
        EXPECT_EQ(SendMessageA(GetDlgItem(hDialog, res::IDC_DIRECTION_UP), BM_GETCHECK, 0, 0), BST_UNCHECKED);
        EXPECT_EQ(GetWindowTextString(hDialog), "Search");
        QTest::keyClicks(WidgetOfWindow(GetDlgItem(hDialog, res::IDC_FIND_WHAT)), "IFCDOOR");
        QTest::keyClick(WidgetOfWindow(GetDlgItem(hDialog, res::IDC_FIND_WHAT)), Qt::Key_Escape);
    });
    EXPECT_EQ(TreeCaret(Upper()), Root(3)) << "cancelled: no search";
    SearchAgain();
    EXPECT_EQ(TreeCaret(Upper()), Root(1)) << "the earlier text, upwards";
}

TEST_F(SearchTest, DownwardsFindsTheNextMatchInAnyCaseAndWrapsAndAnEmptyTextDisablesSearchAgain)
{
    // The current entity after each search, or Search again for null: no
    // search yet; the matches, then past the last one round through the
    // header item; an empty text.
    std::vector<std::int32_t> aCurrent;
    for (const char* pszText :
         std::initializer_list<const char*>{nullptr, "ifcwall", nullptr, nullptr, "", nullptr}) {
        if (pszText)
            Search(pszText, true);
        else
            SearchAgain();
        aCurrent.push_back(Doc().GetCurrentEntity());
        EXPECT_EQ(TreeCaret(Upper()), Root(aCurrent.back()));
    }
    EXPECT_EQ(aCurrent, (std::vector<std::int32_t>{0, 1, 3, 1, 1, 1}));
}

TEST_F(SearchTest, MatchingIgnoresCaseInWindows1252AndFindsAnyPosition)
{
    EXPECT_TRUE(m_pUpper->MatchItemText("#12=IFCWALL('x');", "wall('X"));
    EXPECT_TRUE(m_pUpper->MatchItemText("#12=IFCWALL('x');", "#12="));
    EXPECT_TRUE(m_pUpper->MatchItemText("#12=IFCWALL('x');", ");"));
    EXPECT_FALSE(m_pUpper->MatchItemText("#12=IFCWALL('x');", "wall('y"));
    EXPECT_FALSE(m_pUpper->MatchItemText("#12", "#123"));
    // Accented letters and the letters whose capitals lie in 0x80-0x9F.
    EXPECT_TRUE(m_pUpper->MatchItemText("caf\xE9", "CAF\xC9"));
    EXPECT_TRUE(m_pUpper->MatchItemText("\x9A\x9C\x9E\xFF", "\x8A\x8C\x8E\x9F"));
    EXPECT_FALSE(m_pUpper->MatchItemText("\xF7", "\xD7"))
        << "division and multiplication signs are no letters";
    EXPECT_FALSE(m_pUpper->MatchItemText("\xDF", "SS"));
}

} // namespace
