// The upper view: the build (roots, progress with or without a status bar,
// placeholder), the first selection, the update step, unfolding, hover
// marking and the control. (Updates that skip the sending view: the
// framework's document tests and unfolding here.)
#include "views/ViewsTest.h"

#include "res/Resource.h"
#include "res/StringTable.h"

#include "platform/MessageLoop.h"

#include <algorithm>

namespace {

const std::string kHeader = "ISO-10303-21;\nHEADER;\nFILE_NAME('x');\nENDSEC;\nDATA;\n";
const std::string kHeaderText = "ISO-10303-21;HEADER;FILE_NAME('x');ENDSEC;DATA;";

// The progress calls of the build: those after its label was set.
Strings BuildProgress(const CFakeStatusBar& statusBar)
{
    const auto& calls = statusBar.m_aProgressCalls;
    auto it =
        std::find(calls.rbegin(), calls.rend(), "SetProgressText " + res::LoadString(res::IDS_BUILDING_TREE));
    return it == calls.rend() ? Strings{} : Strings(std::prev(it.base()), calls.end());
}

class UpperViewTest : public ViewsTest { };

TEST_F(UpperViewTest, OneRootPerEntityInAscendingNumberWithTheHeaderFirstAndSelected)
{
    ASSERT_TRUE(OpenText(kHeader + "#5=IFCC('five',\n#1);\n#1=IFCA('one');\n#2=IFCB(#1);\n"));
    EXPECT_EQ(TreeLabels(Upper()),
              (Strings{kHeaderText, "#1=IFCA('one');", "#2=IFCB(#1);", "#5=IFCC('five',#1);"}));
    const auto roots = TreeChildren(Upper());
    EXPECT_EQ(m_pUpper->GetLastRootItem(), roots.back()) << "the item of the highest number";
    EXPECT_EQ(Current(), std::pair(0, roots.front())) << "the header item is selected after a load";
    EXPECT_EQ(TreeLabels(Lower()), Strings{res::LoadString(res::IDS_NO_ENTITY_SELECTED)});
}

TEST_F(UpperViewTest, BuildShowsProgressPerThousandNumbersExaminedThenTheInversePercentage)
{
    struct Case {
        std::string strEntities;
        std::int32_t nMax;
        long nSteps;
    };
    const Case cases[] = {
        {"#1=A;\n#998=B;\n", 998, 0},
        {"#1=A;\n#999=B;\n", 999, 1},
        {"#2500=B;\n#1=A;\n", 2500, 2},
        // Far more numbers than entities: the same steps, without a walk
        // over twenty million numbers.
        {"#1=A;\n#20000000=B;\n", 20000000, 20000},
    };
    for (const Case& c : cases) {
        m_statusBar.m_aProgressCalls.clear();
        ASSERT_TRUE(OpenText(kHeader + c.strEntities));
        Strings expected = {"SetProgressText " + res::LoadString(res::IDS_BUILDING_TREE), "ShowProgress on",
                            "SetRange32 0 " + std::to_string(c.nMax), "SetStep 1000"};
        expected.insert(expected.end(), static_cast<std::size_t>(c.nSteps), "StepIt");
        expected.push_back("ShowProgress off");
        EXPECT_EQ(BuildProgress(m_statusBar), expected) << c.nMax;
        EXPECT_EQ(TreeLabels(Upper()), (Strings{kHeaderText, "#1=A;", "#" + std::to_string(c.nMax) + "=B;"}));
        EXPECT_EQ(TreeCaret(Upper()), TreeChildren(Upper()).front()) << c.nMax;
        Select(Upper(), TreeChildren(Upper()).back());
        EXPECT_EQ(Doc().GetCurrentEntity(), c.nMax);
        Doc().SetCurrentEntity(1, nullptr);
        EXPECT_EQ(TreeCaret(Upper()), TreeChildren(Upper()).at(1)) << c.nMax;
    }
    EXPECT_EQ(m_statusBar.m_strMessage, res::FormatString(res::IDS_INVERSE_PROGRESS, 0));
}

// The document may have no status bar to show progress on.
TEST_F(UpperViewTest, WithoutAStatusBarTheTreeStillBuilds)
{
    m_pDocument->SetStatusBarSource([] { return nullptr; });
    m_statusBar.m_aProgressCalls.clear();
    ASSERT_TRUE(OpenText(kHeader + "#1=A;\n#2=B(#1);\n"));
    EXPECT_EQ(TreeChildren(Upper()).size(), 3u);
    EXPECT_TRUE(m_statusBar.m_aProgressCalls.empty());
    m_pDocument->SetStatusBarSource(nullptr);
    ASSERT_TRUE(OpenText(kHeader + "#1=A;\n#2=B(#1);\n"));
    EXPECT_EQ(TreeChildren(Upper()).size(), 3u);
}

TEST_F(UpperViewTest, EmptyDocumentShowsThePlaceholderWhichStandsForNoEntity)
{
    const auto roots = TreeChildren(Upper());
    ASSERT_EQ(TreeLabels(Upper()), Strings{res::LoadString(res::IDS_NO_DATA_READ)});
    EXPECT_EQ(TreeCaret(Upper()), nullptr);
    EXPECT_EQ(m_pUpper->GetLastRootItem(), roots[0]);
    ASSERT_TRUE(OpenText(kHeader + "#1=A;\n"));
    Select(Upper(), TreeChildren(Upper())[1]);
    ASSERT_EQ(Doc().GetCurrentEntity(), 1);

    NewDocument();
    ASSERT_EQ(TreeLabels(Upper()), Strings{res::LoadString(res::IDS_NO_DATA_READ)});
    Select(Upper(), TreeChildren(Upper())[0]);
    EXPECT_EQ(Doc().GetCurrentEntity(), 0) << "the placeholder is no entity";
    DoubleClick(Upper(), TreeChildren(Upper())[0]);
    EXPECT_TRUE(TreeChildren(Upper(), TreeChildren(Upper())[0]).empty());
    Select(Upper(), nullptr);
    EXPECT_TRUE(m_pUpper->SearchDown("data")) << "a search finds the placeholder";
    EXPECT_EQ(TreeCaret(Upper()), TreeChildren(Upper())[0]);
}

TEST_F(UpperViewTest, UnfoldingInsertsPresentReferencesInTextOrderOnce)
{
    ASSERT_TRUE(OpenText(kHeader + "#3=IFCX('three');\n#10=IFCA(#3,#3,#99,#0);\n#11=IFCB(#10,#11);\n"));
    HTREEITEM hTen = TreeRootOf(Upper(), "#10=");
    DoubleClick(Upper(), hTen);
    const auto children = TreeChildren(Upper(), hTen);
    EXPECT_EQ(TreeLabels(Upper(), hTen), (Strings{"#3=IFCX('three');", "#3=IFCX('three');"}))
        << "#3 twice, nothing for the absent #99 or for #0";
    EXPECT_TRUE(TreeState(Upper(), hTen) & TVIS_EXPANDED);

    DoubleClick(Upper(), hTen); // collapses
    DoubleClick(Upper(), hTen); // and opens again
    EXPECT_EQ(TreeChildren(Upper(), hTen), children) << "an item is unfolded once";

    // Children are entities too: selecting one makes its entity current,
    // and the upper tree keeps the child selected.
    Select(Upper(), children[1]);
    EXPECT_EQ(Current(), std::pair(3, children[1]));

    // An entity that refers to itself unfolds one level per expansion.
    HTREEITEM hEleven = TreeRootOf(Upper(), "#11=");
    DoubleClick(Upper(), hEleven);
    HTREEITEM hInner = TreeChildren(Upper(), hEleven).at(1);
    DoubleClick(Upper(), hInner);
    EXPECT_EQ(TreeLabels(Upper(), hInner), (Strings{"#10=IFCA(#3,#3,#99,#0);", "#11=IFCB(#10,#11);"}));
}

TEST_F(UpperViewTest, UpdateSelectsTheCurrentEntitysRootUnlessItIsTheCaret)
{
    ASSERT_TRUE(OpenText(kHeader + "#1=A;\n#2=B(#1);\n"));
    HTREEITEM hOne = TreeRootOf(Upper(), "#1=");
    HTREEITEM hTwo = TreeRootOf(Upper(), "#2=");
    DoubleClick(Upper(), hTwo);
    HTREEITEM hChild = TreeChildren(Upper(), hTwo).at(0);
    Select(Upper(), hChild);
    ASSERT_EQ(Doc().GetCurrentEntity(), 1);

    // Another view makes 2 and then 1 current: the roots are selected, never
    // the unfolded child.
    Doc().SetCurrentEntity(2, nullptr);
    EXPECT_EQ(TreeCaret(Upper()), hTwo);
    Doc().SetCurrentEntity(1, nullptr);
    EXPECT_EQ(TreeCaret(Upper()), hOne);

    m_recorder.Watch(Upper());
    m_pUpper->OnUpdate(nullptr, 0, nullptr);
    EXPECT_EQ(m_recorder.Count(TVM_SELECTITEM), 0) << "the root is already the caret";
    Doc().SetCurrentEntity(7, nullptr);
    EXPECT_EQ(TreeCaret(Upper()), hOne) << "no root for 7: the selection stays";
}

TEST_F(UpperViewTest, ABuildClearsTheSelectionBeforeDeletingAndStartsAfresh)
{
    ASSERT_TRUE(OpenText(kHeader + "#1=A(#2);\n#2=B;\n"));
    DoubleClick(Upper(), TreeRootOf(Upper(), "#1="));
    Select(Upper(), TreeRootOf(Upper(), "#2="));
    m_recorder.Watch(Upper());
    ASSERT_TRUE(Open(m_folder.Write("other.ifc", kHeader + "#7=C;\n")));
    const auto codes = m_recorder.Codes({TVM_SELECTITEM, TVM_DELETEITEM, WM_SETREDRAW});
    ASSERT_GE(codes.size(), 3u);
    EXPECT_EQ((std::vector<UINT>(codes.begin(), codes.begin() + 3)),
              (std::vector<UINT>{TVM_SELECTITEM, TVM_DELETEITEM, WM_SETREDRAW}));
    EXPECT_EQ(TreeLabels(Upper()), (Strings{kHeaderText, "#7=C;"}));
    EXPECT_EQ(TreeCaret(Upper()), TreeChildren(Upper())[0]);
}

TEST_F(UpperViewTest, TheItemUnderThePointerIsMarkedAndTheTreeNeverSeesTheMoves)
{
    ASSERT_TRUE(OpenText(kHeader + "#1=A;\n#2=B;\n"));
    const auto roots = TreeChildren(Upper());
    m_recorder.Watch(Upper());

    MoveMouse(Upper(), LabelPoint(Upper(), roots[1]));
    EXPECT_TRUE(TreeState(Upper(), roots[1]) & TVIS_BOLD);
    MoveMouse(Upper(), LabelPoint(Upper(), roots[2]));
    EXPECT_FALSE(TreeState(Upper(), roots[1]) & TVIS_BOLD);
    EXPECT_TRUE(TreeState(Upper(), roots[2]) & TVIS_BOLD);
    MoveMouse(Upper(), POINT{5, 190}); // below the last item
    EXPECT_FALSE(TreeState(Upper(), roots[2]) & TVIS_BOLD);

    MoveMouse(Upper(), LabelPoint(Upper(), roots[0]));
    EXPECT_TRUE(TreeState(Upper(), roots[0]) & TVIS_BOLD);
    MoveMouse(Lower(), POINT{5, 5}); // the pointer leaves the upper tree
    EXPECT_FALSE(TreeState(Upper(), roots[0]) & TVIS_BOLD);
    MoveMouse(Upper(), LabelPoint(Upper(), roots[1]));
    EXPECT_TRUE(TreeState(Upper(), roots[1]) & TVIS_BOLD) << "tracking again after the leave";

    EXPECT_EQ(m_recorder.Count(WM_MOUSEMOVE), 0);
    EXPECT_EQ(m_recorder.Count(WM_MOUSELEAVE), 0);
}

TEST_F(UpperViewTest, TheControlHasItsStyleAndIdAndCoversTheView)
{
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(Upper(), GWL_STYLE));
    const DWORD treeBits = TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_EDITLABELS
        | TVS_DISABLEDRAGDROP | TVS_SHOWSELALWAYS | WS_CHILD;
    EXPECT_EQ(style & treeBits, TVS_HASLINES | TVS_DISABLEDRAGDROP | TVS_SHOWSELALWAYS | WS_CHILD);
    EXPECT_EQ(GetDlgCtrlID(Upper()), 102);
    EXPECT_EQ(GetParent(Upper()), m_pUpper->GetSafeHwnd());

    m_pUpper->MoveWindow(0, 0, 333, 144);
    RECT view, tree;
    m_pUpper->GetClientRect(&view);
    GetWindowRect(Upper(), &tree);
    POINT origin{0, 0};
    ClientToScreen(m_pUpper->GetSafeHwnd(), &origin);
    EXPECT_EQ(
        std::tuple(tree.left - origin.x, tree.top - origin.y, tree.right - origin.x, tree.bottom - origin.y),
        std::tuple(0, 0, view.right, view.bottom));

    NMTREEVIEW edit;
    edit.hdr = {Upper(), 102, TVN_ENDLABELEDIT};
    EXPECT_EQ(m_pUpper->SendMessage(WM_NOTIFY, 102, reinterpret_cast<LPARAM>(&edit)), 1);
}

} // namespace
