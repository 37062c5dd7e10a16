// Keyboard commands: caret movement with its scrolling, Ctrl scrolling,
// expand and collapse keys, the beep rule and the key results.
#include "treectrl/TreeTestSupport.h"

#include "platform/TestHooks.h"

namespace {

using Codes = std::vector<UINT>;

class TreeKeyboardTest : public TreeTest {
protected:
    void TearDown() override
    {
        SetKeyStateForTest(VK_CONTROL, false);
        TreeTest::TearDown();
    }
    LRESULT KeyResult(int vk) const { return Send(WM_KEYDOWN, static_cast<WPARAM>(vk)); }
    // Beeps that one key press causes.
    unsigned long BeepsOf(int vk, LRESULT* result = nullptr) const
    {
        const unsigned long before = MessageBeepCount();
        const LRESULT r = KeyResult(vk);
        if (result)
            *result = r;
        return MessageBeepCount() - before;
    }
};

TEST_F(TreeKeyboardTest, PageKeysMoveTheCaretPageMinusOneRowsAndWithCtrlScroll)
{
    auto items = InsertMany(nullptr, 30, "r");
    Select(items[0]);
    parent.Clear();
    EXPECT_EQ(KeyResult(VK_NEXT), 0);
    EXPECT_EQ(Caret(), items[5]);
    EXPECT_EQ(TopIndex(), 0) << "row 5 is the last whole row";
    ASSERT_EQ(parent.Codes(), (Codes{TVN_SELCHANGINGA, TVN_SELCHANGEDA}));
    EXPECT_EQ(parent.notices[0].action, TVC_BYKEYBOARD);
    Key(VK_NEXT);
    EXPECT_EQ(Caret(), items[10]);
    EXPECT_EQ(TopIndex(), 5);
    Key(VK_PRIOR);
    EXPECT_EQ(Caret(), items[5]);
    EXPECT_EQ(TopIndex(), 5);
    Key(VK_PRIOR);
    EXPECT_EQ(Caret(), items[0]);
    EXPECT_EQ(TopIndex(), 0);
    Key(VK_PRIOR);
    EXPECT_EQ(Caret(), items[0]) << "fewer rows precede: the first item";
    Select(items[27]);
    Key(VK_NEXT);
    EXPECT_EQ(Caret(), items[29]) << "to the last displayed item";

    // With Ctrl they scroll and keep the caret.
    Select(items[0], TVGN_FIRSTVISIBLE);
    Select(items[2]);
    SetKeyStateForTest(VK_CONTROL, true);
    EXPECT_EQ(KeyResult(VK_NEXT), 0);
    EXPECT_EQ(TopIndex(), 5);
    EXPECT_EQ(Caret(), items[2]);
    Key(VK_NEXT);
    EXPECT_EQ(TopIndex(), 10);
    Key(VK_PRIOR);
    EXPECT_EQ(TopIndex(), 5);
    EXPECT_EQ(Caret(), items[2]);
}

TEST_F(TreeKeyboardTest, ArrowKeysWalkTheDisplaySequence)
{
    HTREEITEM a = Insert(nullptr, "a");
    HTREEITEM a1 = Insert(a, "a1");
    HTREEITEM b = Insert(nullptr, "b");
    auto rest = InsertMany(nullptr, 10, "r");
    Select(a);
    Key(VK_DOWN);
    EXPECT_EQ(Caret(), b) << "collapsed children are skipped";
    Key(VK_UP);
    Key(VK_RIGHT);
    EXPECT_TRUE(State(a) & TVIS_EXPANDED);
    EXPECT_EQ(Caret(), a);
    Key(VK_RIGHT);
    EXPECT_EQ(Caret(), a1);
    Key(VK_RIGHT);
    EXPECT_EQ(Caret(), a1) << "no children: nothing";
    Key(VK_LEFT);
    EXPECT_EQ(Caret(), a);
    Key(VK_LEFT);
    EXPECT_FALSE(State(a) & TVIS_EXPANDED);
    Key(VK_LEFT);
    EXPECT_EQ(Caret(), a) << "top level: nothing";
    Key(VK_SUBTRACT);
    EXPECT_FALSE(State(a) & TVIS_EXPANDED);
    Key(VK_ADD);
    EXPECT_TRUE(State(a) & TVIS_EXPANDED);
    for (int i = 0; i < 7; ++i)
        Key(VK_DOWN);
    EXPECT_EQ(Caret(), rest[4]);
    EXPECT_EQ(TopIndex(), 2) << "moving below the last whole row scrolls by one";
    EXPECT_EQ(Text(FirstVisible()), "b");
}

TEST_F(TreeKeyboardTest, LeftToAParentWithoutARowOpensItsAncestors)
{
    InsertMany(nullptr, 8, "r");
    HTREEITEM g = Insert(nullptr, "g");
    HTREEITEM p = Insert(g, "p");
    HTREEITEM c = Insert(p, "c");
    InsertMany(nullptr, 8, "s");
    Expand(p, TVE_EXPAND);
    // g refuses to open: the caret sits under a collapsed ancestor.
    parent.answer = [](const NMTREEVIEW& nm) { return nm.hdr.code == TVN_ITEMEXPANDINGA ? 1 : 0; };
    Select(c);
    ASSERT_EQ(Caret(), c);
    ASSERT_FALSE(State(g) & TVIS_EXPANDED);
    parent.answer = nullptr;
    parent.Clear();
    Key(VK_LEFT);
    EXPECT_EQ(Caret(), p);
    EXPECT_TRUE(State(g) & TVIS_EXPANDED);
    EXPECT_EQ(parent.Codes(),
              (Codes{TVN_SELCHANGINGA, TVN_ITEMEXPANDINGA, TVN_ITEMEXPANDEDA, TVN_SELCHANGEDA}));
    EXPECT_EQ(Row(p), 9);
    EXPECT_EQ(TopIndex(), 5) << "g's opened rows come into view";
    const Recount r = RecountTree(Data());
    EXPECT_EQ(r.firstVisibleRow, TopIndex());
    EXPECT_EQ(r.visible, VisibleCount());
}

TEST_F(TreeKeyboardTest, TypingKeysBeepOnlyWhenThereIsSomethingToType)
{
    LRESULT result = 0;
    EXPECT_EQ(BeepsOf('A', &result), 0u) << "empty tree";
    EXPECT_EQ(result, 0) << "without a caret every key counts as handled";

    HTREEITEM a = Insert(nullptr, "a");
    EXPECT_EQ(BeepsOf('A', &result), 0u) << "no caret yet";
    Select(a);
    EXPECT_EQ(BeepsOf('A', &result), 1u);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(Caret(), a);
    for (int key : std::initializer_list<int>{VK_SPACE, '0', '9', 'Z', 0xBA, 0xC0, 0xDB, 0xDE})
        EXPECT_EQ(BeepsOf(key), 1u) << key;
    for (int key : std::initializer_list<int>{VK_HOME, VK_END, VK_RETURN, VK_ESCAPE, VK_TAB, VK_F2, VK_BACK,
                                              0xC1, 0xDF}) {
        EXPECT_EQ(BeepsOf(key, &result), 0u) << key;
        EXPECT_EQ(result, 1) << key;
    }

    Select(nullptr);
    SetKeyStateForTest(VK_CONTROL, true);
    EXPECT_EQ(BeepsOf('A', &result), 1u) << "Ctrl: whenever there is a first visible item";
    EXPECT_EQ(result, 1);
    EXPECT_EQ(BeepsOf(VK_HOME), 0u);
}

} // namespace
