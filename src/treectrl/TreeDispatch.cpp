// The control's window procedure: the table of handled messages, each with
// its result and whether it goes on to the replaced procedure; attachment
// and teardown.
#include "treectrl/TreeDispatch.h"

#include "treectrl/EntityTreeCtrl.h"

#include "treectrl/LabelEdit.h"
#include "treectrl/TreeDragImage.h"
#include "treectrl/TreeExpand.h"
#include "treectrl/TreeExtent.h"
#include "treectrl/TreeFocus.h"
#include "treectrl/TreeHandles.h"
#include "treectrl/TreeKeyboard.h"
#include "treectrl/TreeLayout.h"
#include "treectrl/TreeMeasure.h"
#include "treectrl/TreeMouse.h"
#include "treectrl/TreeNavigation.h"
#include "treectrl/TreePaint.h"
#include "treectrl/TreeScroll.h"
#include "treectrl/TreeSelect.h"
#include "treectrl/TreeSort.h"
#include "treectrl/TreeStore.h"

#include "platform/Window.h"

#include <cassert>
#include <cstring>
#include <new>

namespace {

TreeData* DataOf(HWND hwnd)
{
    return reinterpret_cast<TreeData*>(GetWindowLongPtrA(hwnd, GWL_USERDATA));
}

LRESULT PassOn(TreeData* td, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcA(td->m_pfnPrevWndProc, td->m_hWnd, msg, wParam, lParam);
}

// Mouse positions are unsigned 16-bit client coordinates.
POINT MousePoint(LPARAM lParam)
{
    const auto v = static_cast<std::uintptr_t>(lParam);
    return POINT{LOWORD(v), HIWORD(v)};
}

HTREEITEM HandleArg(LPARAM lParam)
{
    return reinterpret_cast<HTREEITEM>(lParam);
}

// A parent position: null and TVI_ROOT stand for the root (null node).
bool ResolveParent(TreeData* td, HTREEITEM handle, TreeNode** node)
{
    if (handle == TVI_ROOT) {
        *node = nullptr;
        return true;
    }
    return ResolveItem(td, handle, node);
}

LRESULT Teardown(TreeData* td, WPARAM wParam, LPARAM lParam)
{
    HWND hwnd = td->m_hWnd;
    const LRESULT result = PassOn(td, WM_NCDESTROY, wParam, lParam);
    SetWindowLongPtrA(hwnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(td->m_pfnPrevWndProc));
    FreeRemainingItems(td);
    SetWindowLongPtrA(hwnd, GWL_USERDATA, 0);
    delete td;
    return result;
}

LRESULT OnTreeViewMessage(TreeData* td, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TreeNode* q = nullptr;
    switch (msg) {
    case TVM_INSERTITEMA: {
        const auto* is = reinterpret_cast<const TVINSERTSTRUCT*>(lParam);
        if (!is || !ResolveParent(td, is->hParent, &q))
            return 0;
        return reinterpret_cast<LRESULT>(ItemHandle(InsertItem(td, q, is->hInsertAfter, is->item)));
    }
    case TVM_DELETEITEM:
        if (!lParam || HandleArg(lParam) == TVI_ROOT) {
            DeleteAllItems(td);
            return TRUE;
        }
        if (!ResolveItem(td, HandleArg(lParam), &q))
            return FALSE;
        DeleteItem(td, q);
        return TRUE;
    case TVM_EXPAND:
        if (!ResolveItem(td, HandleArg(lParam), &q) || !q)
            return FALSE;
        return ExpandItem(td, q, static_cast<UINT>(wParam), false);
    case TVM_GETITEMRECT: {
        auto* rect = reinterpret_cast<RECT*>(lParam);
        if (!rect)
            return FALSE;
        // The item handle comes in the rectangle's first bytes.
        HTREEITEM handle;
        std::memcpy(&handle, rect, sizeof(handle));
        if (!ResolveItem(td, handle, &q) || !q)
            return FALSE;
        return GetItemRect(td, q, wParam != 0, rect);
    }
    case TVM_GETCOUNT:
        return td->m_nCount;
    case TVM_GETINDENT:
        return td->m_nIndent;
    case TVM_SETINDENT:
        SetIndentGeometry(td, static_cast<UINT>(wParam));
        InvalidateRect(td->m_hWnd, nullptr, TRUE);
        return TRUE;
    case TVM_GETIMAGELIST:
        return reinterpret_cast<LRESULT>(wParam == TVSIL_NORMAL ? td->m_himlNormal : td->m_himlState);
    case TVM_SETIMAGELIST:
        return reinterpret_cast<LRESULT>(SetImageList(td, wParam, reinterpret_cast<HIMAGELIST>(lParam)));
    case TVM_GETNEXTITEM:
        if (!ResolveItem(td, HandleArg(lParam), &q))
            return 0;
        return reinterpret_cast<LRESULT>(ItemHandle(GetNextItem(td, q, wParam)));
    case TVM_SELECTITEM:
        if (!ResolveItem(td, HandleArg(lParam), &q))
            return FALSE;
        return SelectItem(td, q, wParam, false);
    case TVM_GETITEMA: {
        auto* item = reinterpret_cast<TVITEM*>(lParam);
        if (!item || !ResolveItem(td, item->hItem, &q))
            return FALSE;
        GetItem(td, q, item);
        return TRUE;
    }
    case TVM_SETITEMA: {
        const auto* item = reinterpret_cast<const TVITEM*>(lParam);
        if (!item || !ResolveItem(td, item->hItem, &q) || !q)
            return FALSE;
        SetItem(td, q, *item);
        return TRUE;
    }
    case TVM_EDITLABELA:
        if (!ResolveItem(td, HandleArg(lParam), &q) || !q)
            return 0;
        return reinterpret_cast<LRESULT>(ItemHandle(EditLabel(td, q)));
    case TVM_ENDEDITLABELNOW:
        return EndEditLabelNow(td, wParam != 0);
    case TVM_GETEDITCONTROL:
        return reinterpret_cast<LRESULT>(GetEditControl(td));
    case TVM_GETVISIBLECOUNT:
        return GetVisibleCount(td);
    case TVM_HITTEST: {
        auto* info = reinterpret_cast<TVHITTESTINFO*>(lParam);
        if (!info)
            return 0;
        info->hItem = ItemHandle(HitTestItem(td, info));
        return reinterpret_cast<LRESULT>(info->hItem);
    }
    case TVM_CREATEDRAGIMAGE:
        if (!ResolveItem(td, HandleArg(lParam), &q))
            return 0;
        return reinterpret_cast<LRESULT>(CreateDragImage(td, q));
    case TVM_SORTCHILDREN:
        if (!ResolveParent(td, HandleArg(lParam), &q))
            return FALSE;
        SortChildren(td, q);
        return TRUE;
    case TVM_ENSUREVISIBLE:
        if (!ResolveItem(td, HandleArg(lParam), &q) || !q)
            return FALSE;
        return EnsureItemVisible(td, q, false);
    case TVM_GETITEMHEIGHT:
        return GetItemHeight(td);
    case TVM_SETDELETENOTIFY: {
        const bool previous = td->m_bDeleteNotify;
        td->m_bDeleteNotify = wParam != 0;
        return previous;
    }
    default:
        return PassOn(td, msg, wParam, lParam);
    }
}

} // namespace

LRESULT AttachTree(HWND hwnd, LPARAM)
{
    TreeData* td = nullptr;
    try {
        td = new TreeData();
    } catch (const std::bad_alloc&) {
        return -1;
    }
    SetWindowLongPtrA(hwnd, GWL_USERDATA, reinterpret_cast<LONG_PTR>(td));
    td->m_pfnPrevWndProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&TreeWndProc)));
    td->m_hWnd = hwnd;
    CreateEditChild(td);
    return 0;
}

namespace {

LRESULT Dispatch(TreeData* td, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CREATE:
        return 0;
    case WM_DESTROY:
        DeleteAllItems(td);
        if (td->m_hwndEdit) {
            DestroyWindow(td->m_hwndEdit);
            td->m_hwndEdit = nullptr;
        }
        return PassOn(td, msg, wParam, lParam);
    case WM_SIZE:
        OnSize(td, wParam);
        return PassOn(td, msg, wParam, lParam);
    case WM_SETFOCUS:
        OnSetFocus(td);
        return PassOn(td, msg, wParam, lParam);
    case WM_KILLFOCUS:
        OnKillFocus(td);
        return PassOn(td, msg, wParam, lParam);
    case WM_SETREDRAW:
        OnSetRedraw(td, wParam != 0);
        return 0;
    case WM_PAINT:
        if (!td->m_bRedraw || (!td->m_pFirstVisible && !wParam))
            return PassOn(td, msg, wParam, lParam);
        PaintTree(td, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_FONTCHANGE:
    case WM_SETFONT:
        // Cached widths stay; labels of width 0 would be measured again by
        // a full extent scan, so the extent index is rebuilt.
        td->m_nItemHeight = 0;
        ExtentInvalidate(td);
        return PassOn(td, msg, wParam, lParam);
    case WM_KEYDOWN:
        return OnKeyDown(td, wParam);
    case WM_TIMER:
        OnTimer(td, wParam);
        return PassOn(td, msg, wParam, lParam);
    case WM_HSCROLL:
        return ScrollBy(td, SB_HORZ, LOWORD(wParam));
    case WM_VSCROLL:
        return ScrollBy(td, SB_VERT, LOWORD(wParam));
    case WM_MOUSEMOVE:
        OnMouseMove(td, MousePoint(lParam));
        return 0;
    case WM_LBUTTONDOWN:
        OnLButtonDown(td, MousePoint(lParam));
        return 0;
    case WM_LBUTTONUP:
        OnLButtonUp(td);
        return 0;
    case WM_LBUTTONDBLCLK:
        OnLButtonDblClk(td, MousePoint(lParam));
        return 0;
    case WM_RBUTTONDOWN:
        OnRButtonDown(td, MousePoint(lParam));
        return 0;
    case WM_RBUTTONUP:
        OnRButtonUp(td, MousePoint(lParam));
        return 0;
    case WM_MOUSEWHEEL:
        OnMouseWheel(td, wParam);
        return 0;
    case WM_CAPTURECHANGED:
        OnCaptureChanged(td);
        return PassOn(td, msg, wParam, lParam);
    default:
        return OnTreeViewMessage(td, msg, wParam, lParam);
    }
}

} // namespace

LRESULT TreeWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TreeData* td = DataOf(hwnd);
    if (!td)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY)
        return Teardown(td, wParam, lParam);
    // Inside a message the record may lie between two steps of an operation
    // (a notification sends messages back); once the outermost message is
    // answered it is whole again. No exception leaves the control: a message
    // that runs out of memory fails (an insertion gives null). Items are
    // linked only once all they need is allocated; the extent index, a cache,
    // is rebuilt by a full scan in case the failure cut its update short.
    ++td->m_nMessageDepth;
    LRESULT result = 0;
    bool bOutOfMemory = false;
    try {
        result = Dispatch(td, msg, wParam, lParam);
    } catch (const std::bad_alloc&) {
        bOutOfMemory = true;
    }
    // A notification may have destroyed the control.
    td = DataOf(hwnd);
    if (!td)
        return result;
    --td->m_nMessageDepth;
    if (bOutOfMemory)
        ExtentInvalidate(td);
    assert(td->m_nMessageDepth > 0 || CountsAgree(td));
    return result;
}
