// The tab control: a row of tabs over a framed page. Choosing a tab by mouse or by Left / Right while the
// control has the focus reports TCN_SELCHANGE; the owner shows the page's
// controls, which lie over the control (it stays under its siblings).
#include "platform/internal/StandardControls.h"

#include "platform/CommCtrl.h"
#include "platform/Gdi.h"
#include "platform/ScopedDc.h"
#include "platform/internal/Cp1252.h"
#include "platform/qt/QtBridge.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct TabState : ControlState {
    std::vector<std::string> tabs;
    int selected = -1;
};

TabState& State(WindowRecord* rec)
{
    if (!rec->control)
        rec->control = std::make_unique<TabState>();
    return static_cast<TabState&>(*rec->control);
}

int TabHeight(const WindowRecord* rec)
{
    return QFontMetrics(QFontOfFont(rec->font)).height() + 8;
}

// The place of tab i in the row.
QRect TabRect(const WindowRecord* rec, int index)
{
    const QFontMetrics metrics(QFontOfFont(rec->font));
    const auto& tabs = static_cast<const TabState&>(*rec->control).tabs;
    int left = 2;
    for (int i = 0; i < index; ++i)
        left += metrics.horizontalAdvance(TextFromBytes(tabs[static_cast<std::size_t>(i)])) + 20;
    const int width = metrics.horizontalAdvance(TextFromBytes(tabs[static_cast<std::size_t>(index)])) + 20;
    return QRect(left, 0, width, TabHeight(rec));
}

// The classic look, in the system colours, so that the page is the dialog's
// own face and the controls on it need no background of their own: raised
// tabs, the chosen one two pixels larger and open to the page below it.
void Paint(HWND hwnd, WindowRecord* rec, HDC hdc)
{
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(hdc, &client, GetSysColorBrush(COLOR_BTNFACE));
    QPainter* painter = PainterOfDC(hdc);
    if (!painter)
        return;
    const TabState& st = State(rec);
    const QColor light = QColorOf(GetSysColor(COLOR_3DHILIGHT));
    const QColor shadow = QColorOf(GetSysColor(COLOR_BTNSHADOW));
    const int tabHeight = TabHeight(rec);
    const int right = client.right - 1, bottom = client.bottom - 1;
    painter->save();
    painter->setFont(QFontOfFont(rec->font));
    painter->setPen(light);
    painter->drawLine(0, tabHeight, right, tabHeight);
    painter->drawLine(0, tabHeight, 0, bottom);
    painter->setPen(shadow);
    painter->drawLine(right, tabHeight, right, bottom);
    painter->drawLine(0, bottom, right, bottom);

    const bool enabled = !(rec->style & WS_DISABLED);
    for (int i = 0; i < static_cast<int>(st.tabs.size()); ++i) {
        const bool selected = i == st.selected;
        QRect tab = TabRect(rec, i);
        tab = selected ? tab.adjusted(-2, 0, 2, 1) : tab.adjusted(0, 2, 0, 0);
        painter->fillRect(tab, QColorOf(GetSysColor(COLOR_BTNFACE)));
        painter->setPen(light);
        painter->drawLine(tab.left(), tab.bottom(), tab.left(), tab.top() + 2);
        painter->drawLine(tab.left() + 2, tab.top(), tab.right() - 2, tab.top());
        painter->drawPoint(tab.left() + 1, tab.top() + 1);
        painter->setPen(shadow);
        painter->drawLine(tab.right() - 1, tab.top() + 2, tab.right() - 1, tab.bottom());
        painter->drawPoint(tab.right() - 2, tab.top() + 1);
        painter->setPen(QColorOf(GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT)));
        painter->drawText(tab, Qt::AlignCenter | Qt::TextSingleLine,
                          TextFromBytes(st.tabs[static_cast<std::size_t>(i)]));
        if (selected && GetFocus() == rec) {
            const RECT focus{tab.left() + 3, tab.top() + 3, tab.right() - 2, tab.bottom() - 2};
            DrawFocusRect(hdc, &focus);
        }
    }
    painter->restore();
}

void Choose(HWND hwnd, WindowRecord* rec, int index)
{
    TabState& st = State(rec);
    if (index < 0 || index >= static_cast<int>(st.tabs.size()) || index == st.selected)
        return;
    st.selected = index;
    InvalidateRect(hwnd, nullptr, FALSE);
    NMHDR hdr;
    SendNotify(hwnd, hdr, TCN_SELCHANGE);
}

} // namespace

LRESULT TabControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    WindowRecord* rec = LiveWindow(hwnd);
    if (!rec)
        return 0;
    TabState& st = State(rec);
    switch (msg) {
    case WM_CREATE:
        rec->widget->lower();
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        ScopedPaint paint(hwnd);
        Paint(hwnd, rec, paint.Dc());
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        const QPoint pt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        for (int i = 0; i < static_cast<int>(st.tabs.size()); ++i) {
            if (TabRect(rec, i).contains(pt)) {
                SetFocus(hwnd);
                if (WindowRecord* live = LiveWindow(hwnd))
                    Choose(hwnd, live, i);
                break;
            }
        }
        return 0;
    }
    case WM_KEYDOWN:
        if (wParam == static_cast<WPARAM>(VK_LEFT))
            Choose(hwnd, rec, st.selected - 1);
        else if (wParam == static_cast<WPARAM>(VK_RIGHT))
            Choose(hwnd, rec, st.selected + 1);
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case TCM_INSERTITEMA: {
        const auto* item = reinterpret_cast<const TCITEMA*>(lParam);
        if (!item)
            return -1;
        const std::size_t index = std::min<std::size_t>(wParam, st.tabs.size());
        st.tabs.insert(st.tabs.begin() + static_cast<std::ptrdiff_t>(index),
                       (item->mask & TCIF_TEXT) && item->pszText ? item->pszText : "");
        if (st.selected < 0)
            st.selected = 0;
        else if (static_cast<int>(index) <= st.selected)
            ++st.selected;
        InvalidateRect(hwnd, nullptr, FALSE);
        return static_cast<LRESULT>(index);
    }
    case TCM_GETITEMCOUNT:
        return static_cast<LRESULT>(st.tabs.size());
    case TCM_GETCURSEL:
        return st.selected;
    case TCM_SETCURSEL: {
        const int index = static_cast<int>(wParam);
        if (index < 0 || index >= static_cast<int>(st.tabs.size()))
            return -1;
        const int old = st.selected;
        st.selected = index;
        InvalidateRect(hwnd, nullptr, FALSE);
        return old;
    }
    case TCM_GETITEMRECT: {
        auto* rect = reinterpret_cast<RECT*>(lParam);
        const int index = static_cast<int>(wParam);
        if (!rect || index < 0 || index >= static_cast<int>(st.tabs.size()))
            return FALSE;
        const QRect tab = TabRect(rec, index);
        *rect = RECT{tab.left(), tab.top(), tab.right() + 1, tab.bottom() + 1};
        return TRUE;
    }
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}
