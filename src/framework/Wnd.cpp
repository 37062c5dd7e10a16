#include "framework/Wnd.h"

#include "framework/FrameWnd.h"
#include "framework/MemoryFailure.h"
#include "platform/Gdi.h"

namespace {

const char* const kObjectProperty = "Lumenor.CWnd";

// The message being handled, per window procedure call, for Default().
struct CurrentMessage {
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};
thread_local CurrentMessage t_current;

POINT PointOf(LPARAM lParam)
{
    return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

void SendToDescendants(HWND parent, UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        SendMessageA(child, message, wParam, lParam);
        if (bDeep)
            SendToDescendants(child, message, wParam, lParam, TRUE);
    }
}

} // namespace

const char* RegisterFrameworkClass(const char* name, int backgroundColor)
{
    WNDCLASSA existing;
    if (!GetClassInfoA(GetModuleHandleA(nullptr), name, &existing)) {
        WNDCLASSA wc;
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadStandardCursor(StandardCursor::Arrow);
        wc.hbrBackground = GetSysColorBrush(backgroundColor);
        wc.lpszClassName = name;
        RegisterClassA(&wc);
    }
    return name;
}

CWnd::~CWnd()
{
    if (m_hWnd && IsWindow(m_hWnd))
        ::DestroyWindow(m_hWnd);
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd)
{
    return hwnd ? static_cast<CWnd*>(GetPropA(hwnd, kObjectProperty)) : nullptr;
}

void CWnd::Attach(HWND hwnd)
{
    m_hWnd = hwnd;
    SetPropA(hwnd, kObjectProperty, this);
}

void CWnd::Detach()
{
    if (!m_hWnd)
        return;
    RemovePropA(m_hWnd, kObjectProperty);
    if (m_pfnSuper)
        SetWindowLongPtrA(m_hWnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    m_hWnd = nullptr;
}

LRESULT CWnd::WndProcThunk(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = FromHandlePermanent(hwnd);
    if (!wnd)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    const CurrentMessage saved = t_current;
    t_current = {hwnd, message, wParam, lParam};
    LRESULT result = 0;
    try {
        result = wnd->WindowProc(message, wParam, lParam);
    } catch (const std::bad_alloc&) {
        // The handler has undone what it started; the message fails. A
        // view's initial update is part of opening its document, which
        // undoes the open as a whole (CSingleDocTemplate).
        t_current = saved;
        if (message == WM_INITIALUPDATE)
            throw;
        ReportOutOfMemory();
        return 0;
    }
    t_current = saved;
    return result;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!cs.lpszClass)
        cs.lpszClass = RegisterFrameworkClass("LumenorWnd", COLOR_WINDOW);
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                    const RECT& rect, CWnd* pParent, UINT nID, void* lpParam)
{
    CREATESTRUCTA cs;
    cs.dwExStyle = exStyle;
    cs.lpszClass = className;
    cs.lpszName = windowName;
    cs.style = static_cast<LONG>(style);
    cs.x = rect.left;
    cs.y = rect.top;
    // CW_USEDEFAULT in left and top asks for the platform's position and size.
    const bool defaultRect = rect.left == CW_USEDEFAULT;
    cs.cx = defaultRect ? CW_USEDEFAULT : rect.right - rect.left;
    cs.cy = defaultRect ? CW_USEDEFAULT : rect.bottom - rect.top;
    cs.hwndParent = pParent ? pParent->m_hWnd : nullptr;
    cs.hMenu = nID;
    cs.hInstance = GetModuleHandleA(nullptr);
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    // An unknown class makes no window, and the creation hook would then
    // attach this object to the next window anybody creates.
    WNDCLASSA wc;
    if (!GetClassInfoA(cs.hInstance, cs.lpszClass, &wc)) {
        PostNcDestroy();
        return FALSE;
    }
    HookNextWindowCreation([this](HWND hwnd) {
        Attach(hwnd);
        PreSubclassWindow();
        m_pfnSuper = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(hwnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::WndProcThunk)));
    });
    HWND hwnd = CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style), cs.x,
                                cs.y, cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    return hwnd != nullptr;
}

BOOL CWnd::Create(const char* className, const char* windowName, DWORD style, const RECT& rect, CWnd* pParent,
                  UINT nID, CCreateContext* pContext)
{
    return CreateEx(0, className, windowName, style | WS_CHILD, rect, pParent, nID, pContext);
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

BOOL CWnd::SubclassWindow(HWND hwnd)
{
    if (!hwnd || !IsWindow(hwnd) || m_hWnd || FromHandlePermanent(hwnd))
        return FALSE;
    Attach(hwnd);
    PreSubclassWindow();
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::WndProcThunk)));
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    return pParent ? SubclassWindow(::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID))) : FALSE;
}

HWND CWnd::UnsubclassWindow()
{
    HWND hwnd = m_hWnd;
    Detach();
    return hwnd;
}

void CWnd::PreSubclassWindow()
{
}

void CWnd::PostNcDestroy()
{
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return PostMessageA(m_hWnd, message, wParam, lParam);
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep) const
{
    SendToDescendants(m_hWnd, message, wParam, lParam, bDeep);
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    return DefWindowProc(t_current.message, t_current.wParam, t_current.lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message) {
    case WM_COMMAND:
        if (ReflectToChild(reinterpret_cast<HWND>(lParam), message, wParam, lParam, pResult))
            return TRUE;
        if (!OnCommand(wParam, lParam))
            return FALSE;
        *pResult = 0;
        return TRUE;
    case WM_NOTIFY:
        return OnNotify(wParam, lParam, pResult);
    case WM_CTLCOLORSTATIC:
        if (ReflectToChild(reinterpret_cast<HWND>(lParam), message, wParam, lParam, pResult))
            return TRUE;
        break;
    case WM_NCDESTROY: {
        *pResult = Default();
        Detach();
        PostNcDestroy(); // may delete this
        return TRUE;
    }
    default:
        break;
    }
    if (const MessageMapEntry* e = FindMessageEntry(MessageMapEntry::Kind::Message, message, 0)) {
        *pResult = e->call(this, 0, wParam, lParam);
        return TRUE;
    }
    return DispatchCommonMessage(message, wParam, lParam, pResult);
}

BOOL CWnd::DispatchCommonMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const UINT flags = static_cast<UINT>(wParam);
    switch (message) {
    case WM_CREATE:
        *pResult = OnCreate(reinterpret_cast<CREATESTRUCTA*>(lParam));
        return TRUE;
    case WM_DESTROY:
        OnDestroy();
        break;
    case WM_SIZE:
        OnSize(flags, LOWORD(static_cast<std::uintptr_t>(lParam)),
               HIWORD(static_cast<std::uintptr_t>(lParam)));
        break;
    case WM_PAINT:
        OnPaint();
        break;
    case WM_ERASEBKGND:
        *pResult = OnEraseBkgnd(reinterpret_cast<HDC>(wParam));
        return TRUE;
    case WM_SETFOCUS:
        OnSetFocus(reinterpret_cast<HWND>(wParam));
        break;
    case WM_KILLFOCUS:
        OnKillFocus(reinterpret_cast<HWND>(wParam));
        break;
    case WM_TIMER:
        OnTimer(wParam);
        break;
    case WM_CLOSE:
        OnClose();
        break;
    case WM_MOUSEMOVE:
        OnMouseMove(flags, PointOf(lParam));
        break;
    case WM_LBUTTONDOWN:
        OnLButtonDown(flags, PointOf(lParam));
        break;
    case WM_LBUTTONUP:
        OnLButtonUp(flags, PointOf(lParam));
        break;
    case WM_LBUTTONDBLCLK:
        OnLButtonDblClk(flags, PointOf(lParam));
        break;
    case WM_RBUTTONDOWN:
        OnRButtonDown(flags, PointOf(lParam));
        break;
    case WM_RBUTTONUP:
        OnRButtonUp(flags, PointOf(lParam));
        break;
    case WM_RBUTTONDBLCLK:
        OnRButtonDblClk(flags, PointOf(lParam));
        break;
    case WM_KEYDOWN:
        OnKeyDown(flags, LOWORD(static_cast<std::uintptr_t>(lParam)),
                  HIWORD(static_cast<std::uintptr_t>(lParam)));
        break;
    case WM_CHAR:
        OnChar(flags, LOWORD(static_cast<std::uintptr_t>(lParam)),
               HIWORD(static_cast<std::uintptr_t>(lParam)));
        break;
    case WM_MOUSELEAVE:
        OnMouseLeave();
        break;
    case WM_CAPTURECHANGED:
        OnCaptureChanged(reinterpret_cast<HWND>(lParam));
        break;
    case WM_SETCURSOR:
        *pResult = OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(static_cast<std::uintptr_t>(lParam)),
                               HIWORD(static_cast<std::uintptr_t>(lParam)));
        return TRUE;
    case WM_DROPFILES:
        OnDropFiles(reinterpret_cast<HDROP>(wParam));
        break;
    case WM_INITMENU:
        OnInitMenu(reinterpret_cast<CMenu*>(wParam));
        break;
    case WM_INITMENUPOPUP:
        OnInitMenuPopup(reinterpret_cast<CMenu*>(wParam), LOWORD(static_cast<std::uintptr_t>(lParam)));
        break;
    case WM_MENUSELECT:
        OnMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<CMenu*>(lParam));
        break;
    default:
        return FALSE;
    }
    *pResult = 0;
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(wParam);
    // Menus and accelerators carry no control window; their code does not
    // select a control notification.
    const int nCode = lParam == 0 ? CN_COMMAND : static_cast<int>(HIWORD(wParam));
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::ReflectToChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    CWnd* control = child ? FromHandlePermanent(child) : nullptr;
    return control && control != this && control->OnChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND) {
        const UINT id = LOWORD(wParam);
        const MessageMapEntry* e =
            FindMessageEntry(MessageMapEntry::Kind::ReflectedCommand, HIWORD(wParam), id);
        if (!e)
            return FALSE;
        e->call(this, id, 0, 0);
        *pResult = 0;
        return TRUE;
    }
    const MessageMapEntry* e = FindMessageEntry(MessageMapEntry::Kind::Message, WM_REFLECT_BASE + message, 0);
    if (!e)
        return FALSE;
    const LRESULT result = e->call(this, 0, wParam, lParam);
    if (message == WM_CTLCOLORSTATIC && result == 0)
        return FALSE;
    *pResult = result;
    return TRUE;
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    auto* hdr = reinterpret_cast<NMHDR*>(lParam);
    if (!hdr)
        return FALSE;
    const UINT id = static_cast<UINT>(hdr->idFrom);
    const MessageMapEntry* e = FindMessageEntry(MessageMapEntry::Kind::Notify, hdr->code, id);
    if (!e)
        return FALSE;
    *pResult = 0;
    e->call(this, id, reinterpret_cast<WPARAM>(hdr), reinterpret_cast<LPARAM>(pResult));
    return TRUE;
}

int CWnd::OnCreate(CREATESTRUCTA*)
{
    return static_cast<int>(Default());
}
void CWnd::OnDestroy()
{
    Default();
}
void CWnd::OnSize(UINT, int, int)
{
    Default();
}
void CWnd::OnPaint()
{
    Default();
}
BOOL CWnd::OnEraseBkgnd(HDC)
{
    return static_cast<BOOL>(Default());
}
void CWnd::OnSetFocus(HWND)
{
    Default();
}
void CWnd::OnKillFocus(HWND)
{
    Default();
}
void CWnd::OnTimer(UINT_PTR)
{
    Default();
}
void CWnd::OnClose()
{
    Default();
}
void CWnd::OnMouseMove(UINT, POINT)
{
    Default();
}
void CWnd::OnLButtonDown(UINT, POINT)
{
    Default();
}
void CWnd::OnLButtonUp(UINT, POINT)
{
    Default();
}
void CWnd::OnLButtonDblClk(UINT, POINT)
{
    Default();
}
void CWnd::OnRButtonDown(UINT, POINT)
{
    Default();
}
void CWnd::OnRButtonUp(UINT, POINT)
{
    Default();
}
void CWnd::OnRButtonDblClk(UINT, POINT)
{
    Default();
}
void CWnd::OnKeyDown(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnChar(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnMouseLeave()
{
    Default();
}
void CWnd::OnCaptureChanged(HWND)
{
    Default();
}
BOOL CWnd::OnSetCursor(HWND, UINT, UINT)
{
    return static_cast<BOOL>(Default());
}
void CWnd::OnDropFiles(HDROP)
{
    Default();
}
void CWnd::OnInitMenu(CMenu*)
{
    Default();
}
void CWnd::OnInitMenuPopup(CMenu*, UINT)
{
    Default();
}
void CWnd::OnMenuSelect(UINT, UINT, CMenu*)
{
    Default();
}

CWnd* CWnd::GetParent() const
{
    return FromHandlePermanent(::GetParent(m_hWnd));
}

CFrameWnd* CWnd::GetParentFrame() const
{
    for (HWND h = ::GetParent(m_hWnd); h; h = ::GetParent(h))
        if (auto* frame = dynamic_cast<CFrameWnd*>(FromHandlePermanent(h)))
            return frame;
    return nullptr;
}

HWND CWnd::GetDlgItem(int nID) const
{
    return ::GetDlgItem(m_hWnd, nID);
}

int CWnd::GetDlgCtrlID() const
{
    return ::GetDlgCtrlID(m_hWnd);
}

void CWnd::SetWindowText(const std::string& text)
{
    ::SetWindowTextA(m_hWnd, text.c_str());
}

std::string CWnd::GetWindowText() const
{
    return GetWindowTextString(m_hWnd);
}

void CWnd::SetFont(HFONT font, BOOL bRedraw)
{
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), bRedraw);
}

HFONT CWnd::GetFont() const
{
    return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
}

DWORD CWnd::GetStyle() const
{
    return static_cast<DWORD>(GetWindowLongPtrA(m_hWnd, GWL_STYLE));
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add)
{
    const DWORD style = GetStyle();
    const DWORD changed = (style & ~remove) | add;
    if (changed == style)
        return FALSE;
    SetWindowLongPtrA(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(changed));
    return TRUE;
}

BOOL CWnd::ShowWindow(int nCmdShow)
{
    return ::ShowWindow(m_hWnd, nCmdShow);
}

BOOL CWnd::IsWindowVisible() const
{
    return ::IsWindowVisible(m_hWnd);
}

BOOL CWnd::EnableWindow(BOOL bEnable)
{
    return ::EnableWindow(m_hWnd, bEnable);
}

void CWnd::GetClientRect(RECT* rect) const
{
    ::GetClientRect(m_hWnd, rect);
}

void CWnd::GetWindowRect(RECT* rect) const
{
    ::GetWindowRect(m_hWnd, rect);
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL bRepaint)
{
    ::MoveWindow(m_hWnd, x, y, width, height, bRepaint);
}

void CWnd::MoveWindow(const RECT& rect, BOOL bRepaint)
{
    ::MoveWindow(m_hWnd, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, bRepaint);
}

void CWnd::Invalidate(BOOL bErase)
{
    ::InvalidateRect(m_hWnd, nullptr, bErase);
}

void CWnd::InvalidateRect(const RECT* rect, BOOL bErase)
{
    ::InvalidateRect(m_hWnd, rect, bErase);
}

void CWnd::UpdateWindow()
{
    ::UpdateWindow(m_hWnd);
}

HWND CWnd::SetFocus()
{
    return ::SetFocus(m_hWnd);
}

void CWnd::DragAcceptFiles(BOOL bAccept)
{
    ::DragAcceptFiles(m_hWnd, bAccept);
}
