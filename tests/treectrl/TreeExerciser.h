// A tree control driven through its messages by operations that a source of
// numbers chooses (a seeded generator in the property test, the input bytes
// in the fuzz target): insertions, deletions, expansions, collapses,
// selections, keys, scrolls, the wheel, mouse buttons and moves, sorts,
// item changes, indents, drag images, label edits, resizes and paints. After every operation the counters can be
// compared with a recount of the tree.
#pragma once

#include "treectrl/TreePaintTestSupport.h"
#include "treectrl/TreeTestSupport.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <set>
#include <string>

class TreeExerciser {
public:
    // A number below bound (bound > 0).
    using Chooser = std::function<unsigned(unsigned bound)>;

    // Answers the parent's notifications while it lives: deleted items
    // leave the set of live handles, expansions and selection changes are
    // vetoed now and then.
    TreeExerciser(TreeParent& parent, HWND tree, Chooser choose);
    ~TreeExerciser();
    TreeExerciser(const TreeExerciser&) = delete;
    TreeExerciser& operator=(const TreeExerciser&) = delete;

    void Step();
    // Empty when the item count, the child counts, the row count, the row
    // of the first visible item (m_nTopIndex), the caret and the horizontal
    // extent all equal a recount; otherwise what differs.
    std::string Mismatch() const;

private:
    bool Chance(unsigned percent) { return m_choose(100) < percent; }
    HTREEITEM AnyItem();
    // A label of random bytes (a NUL ends it early), copied or kept by
    // reference to a text that lives as long as this.
    void Label(TVITEM& item);
    void InsertOne(HTREEITEM parentItem, HTREEITEM after);
    void SetItemFields(HTREEITEM item);
    void GetItemText(HTREEITEM item);
    void Mouse();
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;

    TreeParent& m_parent;
    HWND m_hwnd;
    Chooser m_choose;
    std::set<HTREEITEM> m_live;
    std::deque<std::string> m_texts;
    paint::Canvas m_canvas{300, 100};
};

// The views' style with the optional ones that a choice turns on: buttons,
// lines at the root, label editing, full-row selection, dragging.
DWORD ChooseTreeStyle(const TreeExerciser::Chooser& choose);

// Choices read from bytes, as the fuzz target makes them and its findings
// are replayed: a number below bound from the fewest bytes that can hold
// bound - 1, zeros once the bytes are used up.
class ByteChooser {
public:
    ByteChooser(const std::uint8_t* pData, std::size_t nSize) : m_pData(pData), m_nSize(nSize) { }
    unsigned operator()(unsigned bound)
    {
        unsigned value = 0;
        for (unsigned rest = bound - 1; rest != 0; rest >>= 8)
            value = value << 8 | (m_nPos < m_nSize ? m_pData[m_nPos++] : 0u);
        return value % bound;
    }
    bool AtEnd() const { return m_nPos >= m_nSize; }

private:
    const std::uint8_t* m_pData;
    std::size_t m_nSize;
    std::size_t m_nPos = 0;
};
