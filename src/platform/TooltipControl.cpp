// A minimal tooltip: tools are rectangles of windows with a text; mouse
// moves relayed to it (TTM_RELAYEVENT, or automatically with TTF_SUBCLASS)
// show the text of the tool under the mouse after a short rest.
#include "platform/internal/StandardControls.h"

#include "platform/CommCtrl.h"
#include "platform/Gdi.h"
#include "platform/ScopedDc.h"

#include <QWidget>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr UINT_PTR kShowTimer = 1;
constexpr UINT kShowDelayMs = 500;
constexpr int kPadding = 3;
constexpr UINT kIdIsHwnd = 0x0001; // TTF_IDISHWND: the tool is the whole window

struct Tool {
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    UINT flags = 0;
    RECT rect;
    std::string text;
};

struct TooltipState : ControlState {
    std::vector<Tool> tools;
    bool active = true;
    COLORREF background = GetSysColor(COLOR_INFOBK);
    COLORREF foreground = GetSysColor(COLOR_INFOTEXT);
    int current = -1;
    POINT showAt;
};

std::vector<HWND>& RelayingTooltips()
{
    static std::vector<HWND> tooltips;
    return tooltips;
}

TooltipState& State(WindowRecord* rec)
{
    if (!rec->control)
        rec->control = std::make_unique<TooltipState>();
    return static_cast<TooltipState&>(*rec->control);
}

std::string TextOf(const TOOLINFOA* info)
{
    // LPSTR_TEXTCALLBACK and resource ids are not supported: no text.
    const auto value = reinterpret_cast<std::uintptr_t>(info->lpszText);
    if (!info->lpszText || value == static_cast<std::uintptr_t>(-1) || value < 0x10000)
        return std::string();
    return info->lpszText;
}

Tool* FindTool(TooltipState& st, HWND hwnd, UINT_PTR id)
{
    for (Tool& tool : st.tools) {
        if (tool.hwnd == hwnd && tool.id == id)
            return &tool;
    }
    return nullptr;
}

void Hide(HWND hwnd, TooltipState& st)
{
    KillTimer(hwnd, kShowTimer);
    st.current = -1;
    WindowRecord* rec = LiveWindow(hwnd);
    rec->style &= ~WS_VISIBLE;
    rec->widget->hide();
}

void Show(HWND hwnd, TooltipState& st)
{
    WindowRecord* rec = LiveWindow(hwnd);
    if (st.current < 0 || st.current >= static_cast<int>(st.tools.size()) || !st.active)
        return;
    const Tool& tool = st.tools[static_cast<size_t>(st.current)];
    if (tool.text.empty())
        return;
    rec->text = tool.text;
    SIZE extent{};
    {
        ScopedWindowDc dc(hwnd);
        GetTextExtentPoint32A(dc.Dc(), tool.text.data(), static_cast<int>(tool.text.size()), &extent);
    }
    MoveWindow(hwnd, st.showAt.x, st.showAt.y + 20, extent.cx + 2 * kPadding, extent.cy + 2 * kPadding,
               FALSE);
    rec->style |= WS_VISIBLE;
    rec->widget->show(); // never activated: the focus stays where it is
    InvalidateRect(hwnd, nullptr, TRUE);
}

void Relay(HWND hwnd, const MSG& msg)
{
    WindowRecord* rec = LiveWindow(hwnd);
    if (!rec)
        return;
    TooltipState& st = State(rec);
    if (msg.message != WM_MOUSEMOVE) {
        if (msg.message >= WM_LBUTTONDOWN && msg.message <= WM_MBUTTONUP)
            Hide(hwnd, st);
        return;
    }
    const POINT pt{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
    int found = -1;
    for (size_t i = 0; i < st.tools.size(); ++i) {
        const Tool& tool = st.tools[i];
        const bool whole = (tool.flags & kIdIsHwnd) && reinterpret_cast<HWND>(tool.id) == msg.hwnd;
        if (whole || (tool.hwnd == msg.hwnd && PtInRect(&tool.rect, pt))) {
            found = static_cast<int>(i);
            break;
        }
    }
    if (found == st.current)
        return;
    Hide(hwnd, st);
    st.current = found;
    if (found >= 0 && st.active) {
        st.showAt = pt;
        ClientToScreen(msg.hwnd, &st.showAt);
        SetTimer(hwnd, kShowTimer, kShowDelayMs, nullptr);
    }
}

void Paint(HWND hwnd, HDC hdc, const TooltipState& st)
{
    const WindowRecord* rec = LiveWindow(hwnd);
    RECT client;
    GetClientRect(hwnd, &client);
    HBRUSH background = CreateSolidBrush(st.background);
    FillRect(hdc, &client, background);
    DeleteObject(background);
    HPEN pen = CreatePen(PS_SOLID, 1, st.foreground);
    HGDIOBJ oldPen = SelectObject(hdc, pen);
    HGDIOBJ oldBrush = SelectObject(hdc, GetStockObject(NULL_BRUSH));
    Rectangle(hdc, client.left, client.top, client.right, client.bottom);
    SelectObject(hdc, oldBrush);
    SelectObject(hdc, oldPen);
    DeleteObject(pen);
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, st.foreground);
    RECT text{client.left + kPadding, client.top + kPadding, client.right - kPadding,
              client.bottom - kPadding};
    DrawTextA(hdc, rec->text.c_str(), static_cast<int>(rec->text.size()), &text, DT_SINGLELINE | DT_NOPREFIX);
}

} // namespace

void RelayToTooltips(const MSG& msg)
{
    auto& tooltips = RelayingTooltips();
    tooltips.erase(std::remove_if(tooltips.begin(), tooltips.end(), [](HWND h) { return !LiveWindow(h); }),
                   tooltips.end());
    const std::vector<HWND> current = tooltips;
    for (HWND tooltip : current) {
        WindowRecord* rec = LiveWindow(tooltip);
        if (!rec)
            continue; // destroyed while relaying to an earlier one
        TooltipState& st = State(rec);
        const bool watches = std::any_of(st.tools.begin(), st.tools.end(), [&](const Tool& tool) {
            return (tool.flags & TTF_SUBCLASS) && tool.hwnd == msg.hwnd;
        });
        if (watches)
            Relay(tooltip, msg);
    }
}

LRESULT TooltipProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    WindowRecord* rec = LiveWindow(hwnd);
    if (!rec)
        return 0;
    TooltipState& st = State(rec);
    switch (msg) {
    case TTM_ADDTOOLA: {
        const auto* info = reinterpret_cast<const TOOLINFOA*>(lParam);
        if (!info)
            return FALSE;
        Tool tool;
        tool.hwnd = info->hwnd;
        tool.id = info->uId;
        tool.flags = info->uFlags;
        tool.rect = info->rect;
        tool.text = TextOf(info);
        st.tools.push_back(tool);
        if ((tool.flags & TTF_SUBCLASS)
            && std::find(RelayingTooltips().begin(), RelayingTooltips().end(), hwnd)
                == RelayingTooltips().end())
            RelayingTooltips().push_back(hwnd);
        return TRUE;
    }
    case TTM_UPDATETIPTEXTA: {
        const auto* info = reinterpret_cast<const TOOLINFOA*>(lParam);
        Tool* tool = info ? FindTool(st, info->hwnd, info->uId) : nullptr;
        if (tool) {
            tool->text = TextOf(info);
            if (st.current >= 0 && &st.tools[static_cast<size_t>(st.current)] == tool
                && rec->widget->isVisible())
                Show(hwnd, st);
        }
        return 0;
    }
    case TTM_GETTEXTA: {
        const auto* info = reinterpret_cast<const TOOLINFOA*>(lParam);
        if (!info || !info->lpszText || wParam == 0)
            return 0;
        const Tool* tool = FindTool(st, info->hwnd, info->uId);
        const std::string text = tool ? tool->text : std::string();
        const size_t n = std::min(text.size(), static_cast<size_t>(wParam) - 1);
        text.copy(info->lpszText, n);
        info->lpszText[n] = '\0';
        return static_cast<LRESULT>(n);
    }
    case TTM_RELAYEVENT:
        if (const auto* relayed = reinterpret_cast<const MSG*>(lParam))
            Relay(hwnd, *relayed);
        return 0;
    case TTM_ACTIVATE:
        st.active = wParam != 0;
        if (!st.active)
            Hide(hwnd, st);
        return 0;
    case TTM_SETTIPBKCOLOR:
        st.background = static_cast<COLORREF>(wParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case TTM_SETTIPTEXTCOLOR:
        st.foreground = static_cast<COLORREF>(wParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case TTM_GETTIPBKCOLOR:
        return static_cast<LRESULT>(st.background);
    case TTM_GETTIPTEXTCOLOR:
        return static_cast<LRESULT>(st.foreground);
    case WM_TIMER:
        if (wParam == kShowTimer) {
            KillTimer(hwnd, kShowTimer);
            Show(hwnd, st);
        }
        return 0;
    case WM_NCDESTROY: {
        // Its handle may come back as another window's: it relays no more.
        auto& tooltips = RelayingTooltips();
        tooltips.erase(std::remove(tooltips.begin(), tooltips.end(), hwnd), tooltips.end());
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        ScopedPaint paint(hwnd);
        Paint(hwnd, paint.Dc(), st);
        return 0;
    }
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}
