// Typed senders of the tree-view messages under their customary names: the
// casts between item handles, structures and message parameters are written
// here once, for every caller outside the control.
#pragma once

#include "platform/CommCtrl.h"
#include "platform/Window.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <string_view>
#include <vector>

inline LPARAM TreeItemParam(HTREEITEM item)
{
    return reinterpret_cast<LPARAM>(item);
}

inline HTREEITEM TreeView_InsertItem(HWND tree, const TVINSERTSTRUCT* insert)
{
    return reinterpret_cast<HTREEITEM>(
        SendMessageA(tree, TVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(insert)));
}

inline BOOL TreeView_DeleteItem(HWND tree, HTREEITEM item)
{
    return static_cast<BOOL>(SendMessageA(tree, TVM_DELETEITEM, 0, TreeItemParam(item)));
}

inline BOOL TreeView_DeleteAllItems(HWND tree)
{
    return TreeView_DeleteItem(tree, TVI_ROOT);
}

inline BOOL TreeView_Expand(HWND tree, HTREEITEM item, UINT code)
{
    return static_cast<BOOL>(SendMessageA(tree, TVM_EXPAND, code, TreeItemParam(item)));
}

// The message takes the item in the rectangle it fills.
inline BOOL TreeView_GetItemRect(HWND tree, HTREEITEM item, RECT* rect, BOOL textOnly)
{
    static_assert(sizeof(item) <= sizeof(RECT));
    std::memcpy(static_cast<void*>(rect), &item, sizeof(item));
    return static_cast<BOOL>(SendMessageA(tree, TVM_GETITEMRECT, textOnly, reinterpret_cast<LPARAM>(rect)));
}

inline UINT TreeView_GetCount(HWND tree)
{
    return static_cast<UINT>(SendMessageA(tree, TVM_GETCOUNT, 0, 0));
}

inline UINT TreeView_GetVisibleCount(HWND tree)
{
    return static_cast<UINT>(SendMessageA(tree, TVM_GETVISIBLECOUNT, 0, 0));
}

inline HTREEITEM TreeView_GetNextItem(HWND tree, HTREEITEM item, UINT code)
{
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, code, TreeItemParam(item)));
}

inline BOOL TreeView_Select(HWND tree, HTREEITEM item, UINT code)
{
    return static_cast<BOOL>(SendMessageA(tree, TVM_SELECTITEM, code, TreeItemParam(item)));
}

inline BOOL TreeView_SelectItem(HWND tree, HTREEITEM item)
{
    return TreeView_Select(tree, item, TVGN_CARET);
}

inline BOOL TreeView_GetItem(HWND tree, TVITEM* item)
{
    return static_cast<BOOL>(SendMessageA(tree, TVM_GETITEM, 0, reinterpret_cast<LPARAM>(item)));
}

inline BOOL TreeView_SetItem(HWND tree, const TVITEM* item)
{
    return static_cast<BOOL>(SendMessageA(tree, TVM_SETITEM, 0, reinterpret_cast<LPARAM>(item)));
}

inline HTREEITEM TreeView_HitTest(HWND tree, TVHITTESTINFO* info)
{
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(info)));
}

inline BOOL TreeView_EnsureVisible(HWND tree, HTREEITEM item)
{
    return static_cast<BOOL>(SendMessageA(tree, TVM_ENSUREVISIBLE, 0, TreeItemParam(item)));
}

// The item's whole label, in buffer (valid until its next use). The control
// cuts a label to the buffer; one that fills it may go on, so the buffer
// grows and the fetch is repeated, up to maxBuffer bytes (the terminator
// included): the last step grows it to maxBuffer itself, so that a label of
// maxBuffer - 1 bytes (the control's longest by default) comes back whole.
inline std::string_view TreeView_GetItemLabel(HWND tree, HTREEITEM item, std::vector<char>& buffer,
                                              int maxBuffer = INT_MAX)
{
    const std::size_t limit = static_cast<std::size_t>(maxBuffer);
    if (buffer.empty())
        buffer.resize(std::min<std::size_t>(256, limit));
    for (;;) {
        TVITEM tvi;
        tvi.mask = TVIF_TEXT;
        tvi.hItem = item;
        tvi.pszText = buffer.data();
        tvi.cchTextMax = static_cast<int>(std::min(buffer.size(), limit));
        buffer[0] = '\0';
        TreeView_GetItem(tree, &tvi);
        const std::size_t length = std::strlen(buffer.data());
        if (length + 1 < static_cast<std::size_t>(tvi.cchTextMax) || buffer.size() >= limit)
            return {buffer.data(), length};
        buffer.resize(buffer.size() > limit / 2 ? limit : buffer.size() * 2);
    }
}
