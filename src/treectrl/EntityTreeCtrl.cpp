#include "treectrl/EntityTreeCtrl.h"

#include "treectrl/TreeDispatch.h"

#include "platform/Window.h"

namespace {

// The class library keeps its object per window here; the user data slot
// belongs to the window's own procedure (the control's state record).
constexpr const char* kObjectProp = "CEntityTreeCtrl";

} // namespace

CEntityTreeCtrl::~CEntityTreeCtrl()
{
    DestroyWindow();
}

BOOL CEntityTreeCtrl::Create(DWORD style, const RECT& rect, HWND parent, UINT id)
{
    if (m_hWnd)
        return FALSE;
    m_bCreating = 1;
    // Attached before WM_NCCREATE, so that WindowProc sees WM_CREATE.
    HookNextWindowCreation([this](HWND hwnd) {
        Attach(hwnd);
        PreSubclassWindow();
        m_pfnSuper = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(hwnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&ClassWndProc)));
    });
    HWND hwnd = CreateWindowExA(0, WC_TREEVIEWA, "", style, rect.left, rect.top, rect.right - rect.left,
                                rect.bottom - rect.top, parent, static_cast<HMENU>(id),
                                GetModuleHandleA(nullptr), nullptr);
    if (!hwnd)
        HookNextWindowCreation(nullptr); // no window was made: the hook must not catch the next one
    // Creation is over (attached, or no window was made): a later
    // SubclassWindow must attach the control like any existing window.
    m_bCreating = 0;
    return hwnd != nullptr;
}

BOOL CEntityTreeCtrl::SubclassWindow(HWND hwnd)
{
    if (m_hWnd || !IsWindow(hwnd))
        return FALSE;
    Attach(hwnd);
    PreSubclassWindow();
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&ClassWndProc)));
    return TRUE;
}

BOOL CEntityTreeCtrl::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    return ::DestroyWindow(m_hWnd);
}

void CEntityTreeCtrl::Attach(HWND hwnd)
{
    m_hWnd = hwnd;
    SetPropA(hwnd, kObjectProp, this);
}

void CEntityTreeCtrl::PreSubclassWindow()
{
    if (!m_bCreating)
        AttachTree(m_hWnd, reinterpret_cast<LPARAM>(GetModuleHandleA(nullptr)));
}

LRESULT CEntityTreeCtrl::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_CREATE) {
        const LRESULT result = DefWindowProc(msg, wParam, lParam);
        if (result != 0)
            return result;
        AttachTree(m_hWnd, lParam);
        return 0;
    }
    return DefWindowProc(msg, wParam, lParam);
}

LRESULT CEntityTreeCtrl::DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcA(m_pfnSuper, m_hWnd, msg, wParam, lParam);
}

LRESULT CEntityTreeCtrl::ClassWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* self = static_cast<CEntityTreeCtrl*>(GetPropA(hwnd, kObjectProp));
    if (!self)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    const LRESULT result = self->WindowProc(msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        // The window is gone: the object lets go of it.
        RemovePropA(hwnd, kObjectProp);
        self->m_hWnd = nullptr;
    }
    return result;
}
