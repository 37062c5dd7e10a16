// Random sequences of insertions, deletions, expansions, collapses,
// selections, label changes and scrolls: after every step the counters
// equal a recount, the first visible item sits at row m_nTopIndex, and the
// horizontal extent equals a full scan.
#include "treectrl/TreeScroll.h"
#include "treectrl/TreeTestSupport.h"

#include <algorithm>
#include <random>
#include <set>

namespace {

class TreePropertyTest : public TreeTest, public ::testing::WithParamInterface<unsigned> {
protected:
    void SetUp() override
    {
        TreeTest::SetUp();
        // Deleted items leave the set of live handles through their
        // notifications; expansion vetoes come at random.
        parent.answer = [this](const NMTREEVIEW& nm) -> LRESULT {
            if (nm.hdr.code == TVN_DELETEITEMA)
                live.erase(nm.itemOld.hItem);
            if (nm.hdr.code == TVN_ITEMEXPANDINGA)
                return Chance(10);
            if (nm.hdr.code == TVN_SELCHANGINGA)
                return Chance(5);
            return 0;
        };
    }

    bool Chance(int percent) { return static_cast<int>(rng() % 100) < percent; }
    HTREEITEM AnyItem()
    {
        if (live.empty())
            return nullptr;
        auto it = live.begin();
        std::advance(it, static_cast<long>(rng() % live.size()));
        return *it;
    }

    void InsertOne(HTREEITEM parentItem, HTREEITEM after)
    {
        const std::string label(1 + rng() % 12, static_cast<char>('a' + rng() % 26));
        if (HTREEITEM added = Insert(parentItem, label.c_str(), after))
            live.insert(added);
    }

    void Step()
    {
        const int op = static_cast<int>(rng() % 1000);
        HTREEITEM item = AnyItem();
        if (op < 400 || !item) {
            HTREEITEM parentItem = Chance(40) ? nullptr : item;
            HTREEITEM after = TVI_LAST;
            if (Chance(20))
                after = TVI_FIRST;
            else if (HTREEITEM first = Next(parentItem, TVGN_CHILD); first && Chance(25))
                after = first;
            InsertOne(parentItem, after);
        } else if (op < 410) {
            // Many at once: enough rows for the searches near the top row.
            const int count = 50 + static_cast<int>(rng() % 500);
            for (int i = 0; i < count; ++i)
                InsertOne(item, TVI_LAST);
        } else if (op < 490) {
            Delete(item);
        } else if (op < 640) {
            Expand(item, 1 + rng() % 3);
        } else if (op < 740) {
            Select(item, Chance(20) ? TVGN_FIRSTVISIBLE : TVGN_CARET);
        } else if (op < 840) {
            static const int keys[] = {VK_UP,   VK_DOWN,  VK_PRIOR, VK_NEXT,
                                       VK_LEFT, VK_RIGHT, VK_ADD,   VK_SUBTRACT};
            Key(keys[rng() % 8]);
        } else if (op < 920) {
            VScroll(static_cast<int>(rng() % 4));
        } else if (op < 950) {
            Send(WM_MOUSEWHEEL, MAKEWPARAM(0, (static_cast<int>(rng() % 5) - 2) * 120));
        } else if (op < 980) {
            SetText(item, std::string(rng() % 40, 'm').c_str());
        } else if (op < 990) {
            Send(TVM_SORTCHILDREN, 0, reinterpret_cast<LPARAM>(Chance(50) ? TVI_ROOT : item));
        } else if (op < 999) {
            Send(WM_SETREDRAW, Chance(50));
        } else {
            Delete(nullptr);
        }
    }

    void Check(int step)
    {
        TreeData* td = Data();
        const Recount r = RecountTree(td);
        ASSERT_EQ(r.count, Send(TVM_GETCOUNT)) << "step " << step;
        ASSERT_EQ(r.count, static_cast<int>(live.size())) << "step " << step;
        ASSERT_TRUE(r.childCountsRight) << "step " << step;
        ASSERT_EQ(r.visible, VisibleCount()) << "step " << step;
        if (r.visible == 0)
            ASSERT_EQ(FirstVisible(), nullptr) << "step " << step;
        else
            ASSERT_EQ(r.firstVisibleRow, TopIndex()) << "step " << step;
        if (HTREEITEM caret = Caret()) {
            ASSERT_TRUE(live.count(caret)) << "step " << step;
            ASSERT_TRUE(State(caret) & TVIS_SELECTED) << "step " << step;
        }
        if (td->m_bRedraw) {
            UpdateScrollBars(td);
            ASSERT_EQ(td->m_nHorzExtent, ScannedExtent(td)) << "step " << step;
        }
    }

    std::mt19937 rng{GetParam()};
    std::set<HTREEITEM> live;
};

TEST_P(TreePropertyTest, CountersEqualARecount)
{
    for (int step = 0; step < 3000; ++step) {
        Step();
        Check(step);
        if (HasFatalFailure())
            return;
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, TreePropertyTest, ::testing::Values(1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u));

} // namespace
