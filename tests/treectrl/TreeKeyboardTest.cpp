// Keyboard commands: caret movement with its scrolling, Ctrl scrolling,
// expand and collapse keys, the beep rule and the key results.
#include "treectrl/TreeTestSupport.h"

#include "platform/TestHooks.h"

namespace {

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
    // The caret and the top row after each key, as "caret top".
    auto press = [&](std::initializer_list<int> keys) {
        std::vector<std::string> seen;
        for (int vk : keys) {
            EXPECT_EQ(KeyResult(vk), 0);
            seen.push_back(Text(Caret()) + " " + std::to_string(TopIndex()));
        }
        return seen;
    };
    Select(items[0]);
    parent.Clear();
    // Row 5 is the last whole row; where fewer rows precede, the first item.
    EXPECT_EQ(press({VK_NEXT, VK_NEXT, VK_PRIOR, VK_PRIOR, VK_PRIOR}),
              (std::vector<std::string>{"r5 0", "r10 5", "r5 5", "r0 0", "r0 0"}));
    const Codes codes = parent.Codes();
    EXPECT_EQ(Codes(codes.begin(), codes.begin() + 2), (Codes{TVN_SELCHANGINGA, TVN_SELCHANGEDA}));
    EXPECT_EQ(parent.notices[0].action, TVC_BYKEYBOARD);
    Select(items[27]);
    EXPECT_EQ(press({VK_NEXT}), std::vector<std::string>{"r29 24"}) << "to the last displayed item";

    // With Ctrl they scroll and keep the caret.
    Select(items[0], TVGN_FIRSTVISIBLE);
    Select(items[2]);
    SetKeyStateForTest(VK_CONTROL, true);
    EXPECT_EQ(press({VK_NEXT, VK_NEXT, VK_PRIOR}), (std::vector<std::string>{"r2 5", "r2 10", "r2 5"}));
}

TEST_F(TreeKeyboardTest, ArrowKeysWalkTheDisplaySequence)
{
    HTREEITEM a = Insert(nullptr, "a");
    Insert(a, "a1");
    Insert(nullptr, "b");
    InsertMany(nullptr, 10, "r");
    Select(a);
    // The caret after each key, "+" when a is expanded: Down skips collapsed
    // children, Right opens then enters, Left leaves then closes, and at a
    // leaf or the top level they do nothing.
    std::vector<std::string> seen;
    for (int vk :
         {VK_DOWN, VK_UP, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_LEFT, VK_LEFT, VK_LEFT, VK_SUBTRACT, VK_ADD}) {
        Key(vk);
        seen.push_back(Text(Caret()) + (State(a) & TVIS_EXPANDED ? "+" : ""));
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"b", "a", "a+", "a1+", "a1+", "a+", "a", "a", "a", "a+"}));
    for (int i = 0; i < 7; ++i)
        Key(VK_DOWN);
    EXPECT_EQ(Text(Caret()), "r4");
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
    EXPECT_EQ(std::pair(Caret(), State(g) & TVIS_EXPANDED), std::pair(p, TVIS_EXPANDED));
    EXPECT_EQ(parent.Codes(),
              (Codes{TVN_SELCHANGINGA, TVN_ITEMEXPANDINGA, TVN_ITEMEXPANDEDA, TVN_SELCHANGEDA}));
    EXPECT_EQ(std::pair(Row(p), TopIndex()), std::pair(9, 5)) << "g's opened rows come into view";
    const Recount r = RecountTree(Data());
    EXPECT_EQ(std::pair(r.firstVisibleRow, r.visible), std::pair(TopIndex(), VisibleCount()));
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
