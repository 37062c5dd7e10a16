// A tree control under test: a parent window that records every
// notification (and can answer it), the control created as the views
// create it, with the fixed-metrics test font (rows of 16, a page of 6 in a
// client 100 high), and small helpers that go through messages.
#pragma once

#include "treectrl/EntityTreeCtrl.h"
#include "treectrl/TreeData.h"

#include "platform/Gdi.h"
#include "platform/TreeViewMessages.h"
#include "support/TreeItems.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

class QWindow;
class QPoint;

inline bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline void PrintTo(const RECT& r, std::ostream* os)
{
    *os << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

// The control's data, which its window keeps.
inline TreeData* DataOf(HWND hwnd)
{
    return reinterpret_cast<TreeData*>(GetWindowLongPtrA(hwnd, GWL_USERDATA));
}

// The style the views use.
constexpr DWORD kViewStyle = WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_DISABLEDRAGDROP | TVS_SHOWSELALWAYS;
constexpr UINT kTreeId = 102;

// Notification codes in the order they came.
using Codes = std::vector<UINT>;

class TreeParent {
    // The code (of the header) or the handle (of an item) of every notice.
    template <typename Part>
    auto Each(Part NMTREEVIEW::*part) const
    {
        std::vector<decltype(Key(notices.front().*part))> values;
        for (const NMTREEVIEW& nm : notices)
            values.push_back(Key(nm.*part));
        return values;
    }
    static UINT Key(const NMHDR& hdr) { return hdr.code; }
    static HTREEITEM Key(const TVITEM& item) { return item.hItem; }

public:
    TreeParent();
    ~TreeParent();
    TreeParent(const TreeParent&) = delete;
    TreeParent& operator=(const TreeParent&) = delete;

    HWND hwnd() const { return m_hwnd; }
    std::vector<NMTREEVIEW> notices;
    // WM_CONTEXTMENU that reached the parent: (wParam, lParam).
    std::vector<std::pair<WPARAM, LPARAM>> contextMenus;
    // Answers notifications; none: 0.
    std::function<LRESULT(const NMTREEVIEW&)> answer;
    // The label-edit and image-callback notifications come as
    // NMTVDISPINFO: recorded here with the text they pointed to (and in
    // `notices` by header only), answered by dispAnswer (which may fill in
    // the item); none: 0.
    struct DispNotice {
        NMTVDISPINFO info;
        std::string text;
    };
    std::vector<DispNotice> dispNotices;
    std::function<LRESULT(NMTVDISPINFO&)> dispAnswer;

    std::vector<UINT> Codes() const { return Each(&NMTREEVIEW::hdr); }
    // The itemOld (or itemNew) handles of the notices, in order.
    std::vector<HTREEITEM> Olds() const { return Each(&NMTREEVIEW::itemOld); }
    std::vector<HTREEITEM> News() const { return Each(&NMTREEVIEW::itemNew); }
    int Count(UINT code) const { return static_cast<int>(std::ranges::count(Codes(), code)); }
    void Clear();

private:
    static LRESULT Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    HWND m_hwnd = nullptr;
};

class TreeTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Replaces the control by one with this style and size.
    void CreateTree(DWORD style, int width = 300, int height = 100);

    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return SendMessageA(hwnd, msg, wParam, lParam);
    }
    HTREEITEM Insert(HTREEITEM parent, const char* text, HTREEITEM after = TVI_LAST) const
    {
        return testsupport::InsertTreeItem(hwnd, parent, text, after);
    }
    // TVM_INSERTITEMA of a whole record at the end of the top level.
    HTREEITEM InsertItem(const TVITEM& item) const
    {
        TVINSERTSTRUCT is{.item = item};
        return TreeView_InsertItem(hwnd, &is);
    }
    std::vector<HTREEITEM> InsertMany(HTREEITEM parent, int count, const char* prefix) const;
    HTREEITEM Next(HTREEITEM item, WPARAM code) const
    {
        return TreeView_GetNextItem(hwnd, item, static_cast<UINT>(code));
    }
    HTREEITEM Caret() const { return Next(nullptr, TVGN_CARET); }
    HTREEITEM FirstVisible() const { return Next(nullptr, TVGN_FIRSTVISIBLE); }
    std::string Text(HTREEITEM item) const { return testsupport::TreeLabel(hwnd, item); }
    UINT State(HTREEITEM item) const { return testsupport::TreeState(hwnd, item); }
    // TVM_GETITEMA / TVM_SETITEMA with a whole record.
    TVITEM GetItem(HTREEITEM item, UINT mask) const
    {
        TVITEM tvi{.mask = mask, .hItem = item};
        TreeView_GetItem(hwnd, &tvi);
        return tvi;
    }
    BOOL SetItem(const TVITEM& item) const { return TreeView_SetItem(hwnd, &item); }
    void SetText(HTREEITEM item, const char* text) const
    {
        SetItem({.mask = TVIF_TEXT, .hItem = item, .pszText = const_cast<char*>(text)});
    }
    void SetState(HTREEITEM item, UINT state, UINT mask) const
    {
        SetItem({.mask = TVIF_STATE, .hItem = item, .state = state, .stateMask = mask});
    }
    BOOL Expand(HTREEITEM item, UINT code) const { return TreeView_Expand(hwnd, item, code); }
    BOOL Select(HTREEITEM item, WPARAM code = TVGN_CARET) const
    {
        return TreeView_Select(hwnd, item, static_cast<UINT>(code));
    }
    BOOL Delete(HTREEITEM item) const { return TreeView_DeleteItem(hwnd, item); }
    HTREEITEM EditLabel(HTREEITEM item) const
    {
        return reinterpret_cast<HTREEITEM>(Send(TVM_EDITLABELA, 0, reinterpret_cast<LPARAM>(item)));
    }
    HWND EditControl() const { return reinterpret_cast<HWND>(Send(TVM_GETEDITCONTROL)); }
    // The row rectangle (or the text rectangle); top = -1 when not displayed.
    RECT ItemRect(HTREEITEM item, bool textOnly = false) const;
    int Row(HTREEITEM item) const { return ItemRect(item).top / 16 + TopIndex(); }
    // Scroll-bar command or mouse message straight to the control.
    void VScroll(int code) const { Send(WM_VSCROLL, static_cast<WPARAM>(code)); }
    void Click(UINT msg, int x, int y, WPARAM keys = 0) const { Send(msg, keys, MAKELPARAM(x, y)); }
    void Key(int vk) const { Send(WM_KEYDOWN, static_cast<WPARAM>(vk)); }

    // What the screen shows: the position of the scroll bar's thumb, and
    // whether the client area shows what a full repaint would paint now.
    int ShownScrollPos(int bar) const;
    int ShownScrollMax(int bar) const;
    bool ScreenIsUpToDate() const;

    TreeData* Data() const { return DataOf(hwnd); }
    int TopIndex() const { return Data()->m_nTopIndex; }
    int VisibleCount() const { return Data()->m_nVisibleCount; }

    // For real input: the parent's top window, shown and exposed, and a
    // client point of the control in that window's coordinates.
    QWindow* ExposedWindow() const;
    QPoint At(int x, int y) const;

    TreeParent parent;
    CEntityTreeCtrl tree;
    HWND hwnd = nullptr;
    HFONT font = nullptr;
};

// Counters recounted from the tree: items, rows of the display sequence,
// row of the first visible item; and each node's child count checked.
// The node behind a handle, for tests that call the control's operations.
inline TreeNode* NodeOf(HTREEITEM item)
{
    return reinterpret_cast<TreeNode*>(item);
}

struct Recount {
    int count = 0;
    int visible = 0;
    int firstVisibleRow = -1;
    bool childCountsRight = true;
};
Recount RecountTree(TreeData* td);
// The horizontal extent as a full scan of the display sequence finds it
// (no image lists).
int ScannedExtent(TreeData* td);
