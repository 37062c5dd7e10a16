// The list view in its report form over rows its owner keeps (LVS_OWNERDATA,
// one selected row): a header of columns drawn with the application style,
// then one line per row whose texts are asked for as they are painted
// (LVN_GETDISPINFO), so that a list of a million rows costs the control
// nothing but their number. A click on a column's header reports
// LVN_COLUMNCLICK; sorting is the owner's. Selecting a row by mouse or key
// reports LVN_ITEMCHANGED; a double click NM_DBLCLK.
#include "platform/internal/StandardControls.h"

#include "platform/CommCtrl.h"
#include "platform/Gdi.h"
#include "platform/ScopedDc.h"
#include "platform/internal/Cp1252.h"
#include "platform/qt/QtBridge.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionHeader>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct ListColumn {
    std::string text;
    int width = 0;
    int fmt = LVCFMT_LEFT;
};

struct ListViewState : ControlState {
    std::vector<ListColumn> columns;
    int count = 0;
    int selected = -1;
    int top = 0;
};

ListViewState& State(WindowRecord* rec)
{
    if (!rec->control)
        rec->control = std::make_unique<ListViewState>();
    return static_cast<ListViewState&>(*rec->control);
}

QFontMetrics Metrics(const WindowRecord* rec)
{
    return QFontMetrics(QFontOfFont(rec->font));
}

int RowHeight(const WindowRecord* rec)
{
    return Metrics(rec).height() + 4;
}

int HeaderHeight(const WindowRecord* rec)
{
    return Metrics(rec).height() + 8;
}

// Whole rows that fit below the header (at least one).
int RowsPerPage(HWND hwnd, const WindowRecord* rec)
{
    RECT client;
    GetClientRect(hwnd, &client);
    return std::max(1, (client.bottom - HeaderHeight(rec)) / RowHeight(rec));
}

void UpdateScrollBar(HWND hwnd, WindowRecord* rec)
{
    ListViewState& st = State(rec);
    const int page = RowsPerPage(hwnd, rec);
    st.top = std::clamp(st.top, 0, std::max(0, st.count - page));
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = std::max(0, st.count - 1);
    si.nPage = static_cast<UINT>(page);
    si.nPos = st.top;
    SetScrollInfo(hwnd, SB_VERT, &si, TRUE);
}

void ScrollTo(HWND hwnd, WindowRecord* rec, int top)
{
    ListViewState& st = State(rec);
    const int old = st.top;
    st.top = top;
    UpdateScrollBar(hwnd, rec);
    if (st.top != old)
        InvalidateRect(hwnd, nullptr, FALSE);
}

void EnsureVisible(HWND hwnd, WindowRecord* rec, int row)
{
    const ListViewState& st = State(rec);
    const int page = RowsPerPage(hwnd, rec);
    if (row < st.top)
        ScrollTo(hwnd, rec, row);
    else if (row >= st.top + page)
        ScrollTo(hwnd, rec, row - page + 1);
}

// Makes `row` the selected row (-1: none), telling the owner when that
// changes anything.
void Select(HWND hwnd, WindowRecord* rec, int row, bool notify)
{
    ListViewState& st = State(rec);
    if (row == st.selected)
        return;
    const int old = st.selected;
    st.selected = row;
    InvalidateRect(hwnd, nullptr, FALSE);
    if (!notify)
        return;
    if (old >= 0) {
        NMLISTVIEW nm;
        nm.iItem = old;
        nm.uOldState = LVIS_SELECTED | LVIS_FOCUSED;
        nm.uChanged = LVIF_STATE;
        SendNotify(hwnd, nm.hdr, LVN_ITEMCHANGED);
    }
    if (row >= 0 && LiveWindow(hwnd)) {
        NMLISTVIEW nm;
        nm.iItem = row;
        nm.uNewState = LVIS_SELECTED | LVIS_FOCUSED;
        nm.uChanged = LVIF_STATE;
        SendNotify(hwnd, nm.hdr, LVN_ITEMCHANGED);
    }
}

// The column whose header holds x, or -1.
int ColumnAt(const ListViewState& st, int x)
{
    int left = 0;
    for (std::size_t i = 0; i < st.columns.size(); ++i) {
        left += st.columns[i].width;
        if (x < left)
            return static_cast<int>(i);
    }
    return -1;
}

// The row under y, or -1.
int RowAt(const WindowRecord* rec, const ListViewState& st, int y)
{
    const int header = HeaderHeight(rec);
    if (y < header)
        return -1;
    const int row = st.top + (y - header) / RowHeight(rec);
    return row < st.count ? row : -1;
}

std::string ItemText(HWND hwnd, int row, int column)
{
    char buffer[512] = "";
    NMLVDISPINFOA info;
    info.item.mask = LVIF_TEXT;
    info.item.iItem = row;
    info.item.iSubItem = column;
    info.item.pszText = buffer;
    info.item.cchTextMax = static_cast<int>(sizeof buffer);
    SendNotify(hwnd, info.hdr, LVN_GETDISPINFOA);
    buffer[sizeof buffer - 1] = '\0';
    return info.item.pszText ? std::string(info.item.pszText) : std::string();
}

void PaintHeader(WindowRecord* rec, QPainter* painter, int width)
{
    const ListViewState& st = State(rec);
    QStyle* style = QApplication::style();
    const int height = HeaderHeight(rec);
    int left = 0;
    for (std::size_t i = 0; i <= st.columns.size(); ++i) {
        QStyleOptionHeader option;
        option.initFrom(rec->widget);
        option.state.setFlag(QStyle::State_Enabled, !(rec->style & WS_DISABLED));
        option.state |= QStyle::State_Raised | QStyle::State_Horizontal;
        option.orientation = Qt::Horizontal;
        if (i < st.columns.size()) {
            const ListColumn& column = st.columns[i];
            option.rect = QRect(left, 0, column.width, height);
            option.text = TextFromBytes(column.text);
            option.section = static_cast<int>(i);
            option.textAlignment = (column.fmt & LVCFMT_RIGHT) ? Qt::AlignRight | Qt::AlignVCenter
                                                                : Qt::AlignLeft | Qt::AlignVCenter;
            if (column.fmt & HDF_SORTUP)
                option.sortIndicator = QStyleOptionHeader::SortUp;
            else if (column.fmt & HDF_SORTDOWN)
                option.sortIndicator = QStyleOptionHeader::SortDown;
            left += column.width;
        } else if (left < width) {
            // The rest of the header's width, an empty section.
            option.rect = QRect(left, 0, width - left, height);
        } else {
            break;
        }
        style->drawControl(QStyle::CE_Header, &option, painter, rec->widget);
    }
}

void Paint(HWND hwnd, WindowRecord* rec, HDC hdc)
{
    QPainter* painter = PainterOfDC(hdc);
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(hdc, &client, GetSysColorBrush(COLOR_WINDOW));
    if (!painter)
        return;
    painter->save();
    painter->setFont(QFontOfFont(rec->font));
    PaintHeader(rec, painter, client.right);
    const ListViewState& st = State(rec);
    const QFontMetrics metrics = Metrics(rec);
    const int rowHeight = RowHeight(rec);
    const bool focused = GetFocus() == rec;
    const bool showSelection = focused || (rec->style & LVS_SHOWSELALWAYS);
    int y = HeaderHeight(rec);
    for (int row = st.top; row < st.count && y < client.bottom; ++row, y += rowHeight) {
        const bool selected = row == st.selected && showSelection;
        if (selected) {
            const RECT line{0, y, client.right, y + rowHeight};
            FillRect(hdc, &line, GetSysColorBrush(focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE));
        }
        painter->setPen(QColorOf(GetSysColor(selected && focused ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT)));
        int left = 0;
        for (std::size_t i = 0; i < st.columns.size(); ++i) {
            const ListColumn& column = st.columns[i];
            const QRect cell(left + 6, y, column.width - 12, rowHeight);
            left += column.width;
            if (cell.width() <= 0)
                continue;
            const QString text = metrics.elidedText(TextFromBytes(ItemText(hwnd, row, static_cast<int>(i))),
                                                    Qt::ElideRight, cell.width());
            const Qt::Alignment align = (column.fmt & LVCFMT_RIGHT) ? Qt::AlignRight : Qt::AlignLeft;
            painter->drawText(cell, static_cast<int>(align | Qt::AlignVCenter | Qt::TextSingleLine), text);
        }
        if (row == st.selected && focused) {
            const RECT line{0, y, client.right, y + rowHeight};
            DrawFocusRect(hdc, &line);
        }
    }
    painter->restore();
}

void MoveSelection(HWND hwnd, WindowRecord* rec, int row)
{
    const ListViewState& st = State(rec);
    if (st.count == 0)
        return;
    row = std::clamp(row, 0, st.count - 1);
    EnsureVisible(hwnd, rec, row);
    Select(hwnd, rec, row, true);
}

void OnKey(HWND hwnd, WindowRecord* rec, WPARAM key)
{
    const ListViewState& st = State(rec);
    const int page = RowsPerPage(hwnd, rec);
    const int at = st.selected;
    switch (key) {
    case VK_UP:
        MoveSelection(hwnd, rec, at < 0 ? 0 : at - 1);
        break;
    case VK_DOWN:
        MoveSelection(hwnd, rec, at + 1);
        break;
    case VK_PRIOR:
        MoveSelection(hwnd, rec, at - page + 1);
        break;
    case VK_NEXT:
        MoveSelection(hwnd, rec, at < 0 ? page - 1 : at + page - 1);
        break;
    case VK_HOME:
        MoveSelection(hwnd, rec, 0);
        break;
    case VK_END:
        MoveSelection(hwnd, rec, st.count - 1);
        break;
    default:
        break;
    }
}

void OnVScroll(HWND hwnd, WindowRecord* rec, int code)
{
    const ListViewState& st = State(rec);
    const int page = RowsPerPage(hwnd, rec);
    switch (code) {
    case SB_LINEUP:
        ScrollTo(hwnd, rec, st.top - 1);
        break;
    case SB_LINEDOWN:
        ScrollTo(hwnd, rec, st.top + 1);
        break;
    case SB_PAGEUP:
        ScrollTo(hwnd, rec, st.top - page);
        break;
    case SB_PAGEDOWN:
        ScrollTo(hwnd, rec, st.top + page);
        break;
    case SB_TOP:
        ScrollTo(hwnd, rec, 0);
        break;
    case SB_BOTTOM:
        ScrollTo(hwnd, rec, st.count);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO si;
        si.fMask = SIF_TRACKPOS;
        GetScrollInfo(hwnd, SB_VERT, &si);
        ScrollTo(hwnd, rec, si.nTrackPos);
        break;
    }
    default:
        break;
    }
}

void OnButtonDown(HWND hwnd, WindowRecord* rec, LPARAM lParam, bool twice)
{
    SetFocus(hwnd);
    rec = LiveWindow(hwnd);
    if (!rec)
        return;
    const ListViewState& st = State(rec);
    const POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (pt.y < HeaderHeight(rec)) {
        const int column = ColumnAt(st, pt.x);
        if (column >= 0 && !twice) {
            NMLISTVIEW nm;
            nm.iSubItem = column;
            nm.ptAction = pt;
            SendNotify(hwnd, nm.hdr, LVN_COLUMNCLICK);
        }
        return;
    }
    const int row = RowAt(rec, st, pt.y);
    if (row >= 0)
        MoveSelection(hwnd, rec, row);
    if (twice && LiveWindow(hwnd)) {
        NMITEMACTIVATE nm;
        nm.iItem = row;
        nm.ptAction = pt;
        SendNotify(hwnd, nm.hdr, NM_DBLCLK);
    }
}

LRESULT SetItemState(HWND hwnd, WindowRecord* rec, WPARAM wParam, LPARAM lParam)
{
    const auto* item = reinterpret_cast<const LVITEMA*>(lParam);
    if (!item || !(item->stateMask & LVIS_SELECTED))
        return TRUE;
    ListViewState& st = State(rec);
    const int row = static_cast<int>(static_cast<LONG_PTR>(wParam));
    if (item->state & LVIS_SELECTED) {
        if (row < 0 || row >= st.count)
            return FALSE;
        Select(hwnd, rec, row, true);
    } else if (row == -1 || row == st.selected) {
        Select(hwnd, rec, -1, true);
    }
    return TRUE;
}

LRESULT SetColumn(WindowRecord* rec, std::size_t index, const LVCOLUMNA* column)
{
    ListViewState& st = State(rec);
    if (!column || index >= st.columns.size())
        return FALSE;
    ListColumn& target = st.columns[index];
    if (column->mask & LVCF_TEXT)
        target.text = column->pszText ? column->pszText : "";
    if (column->mask & LVCF_WIDTH)
        target.width = std::max(0, column->cx);
    if (column->mask & LVCF_FMT)
        target.fmt = column->fmt;
    return TRUE;
}

} // namespace

LRESULT ListViewProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    WindowRecord* rec = LiveWindow(hwnd);
    if (!rec)
        return 0;
    ListViewState& st = State(rec);
    switch (msg) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        ScopedPaint paint(hwnd);
        Paint(hwnd, rec, paint.Dc());
        return 0;
    }
    case WM_SIZE:
        UpdateScrollBar(hwnd, rec);
        return 0;
    case WM_SETFONT:
        rec->font = reinterpret_cast<HFONT>(wParam);
        UpdateScrollBar(hwnd, rec);
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnButtonDown(hwnd, rec, lParam, msg == WM_LBUTTONDBLCLK);
        return 0;
    case WM_KEYDOWN:
        OnKey(hwnd, rec, wParam);
        return 0;
    case WM_VSCROLL:
        OnVScroll(hwnd, rec, LOWORD(wParam));
        return 0;
    case WM_MOUSEWHEEL: {
        const int notches = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA;
        ScrollTo(hwnd, rec, st.top - 3 * notches);
        return 0;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case LVM_INSERTCOLUMNA: {
        const auto* column = reinterpret_cast<const LVCOLUMNA*>(lParam);
        if (!column)
            return -1;
        const std::size_t index = std::min<std::size_t>(wParam, st.columns.size());
        st.columns.insert(st.columns.begin() + static_cast<std::ptrdiff_t>(index), ListColumn{});
        SetColumn(rec, index, column);
        InvalidateRect(hwnd, nullptr, FALSE);
        return static_cast<LRESULT>(index);
    }
    case LVM_SETCOLUMNA: {
        const LRESULT done = SetColumn(rec, wParam, reinterpret_cast<const LVCOLUMNA*>(lParam));
        InvalidateRect(hwnd, nullptr, FALSE);
        return done;
    }
    case LVM_GETCOLUMNWIDTH:
        return wParam < st.columns.size() ? st.columns[wParam].width : 0;
    case LVM_SETITEMCOUNT:
        // The rows are new: the selection goes, the view keeps its place.
        st.count = std::max(0, static_cast<int>(wParam));
        st.selected = -1;
        UpdateScrollBar(hwnd, rec);
        InvalidateRect(hwnd, nullptr, FALSE);
        return TRUE;
    case LVM_DELETEALLITEMS:
        return ListViewProc(hwnd, LVM_SETITEMCOUNT, 0, 0);
    case LVM_GETITEMCOUNT:
        return st.count;
    case LVM_GETNEXTITEM: {
        const int start = static_cast<int>(static_cast<LONG_PTR>(wParam));
        if (lParam & LVNI_SELECTED)
            return st.selected > start ? st.selected : -1;
        return start + 1 < st.count ? start + 1 : -1;
    }
    case LVM_SETITEMSTATE:
        return SetItemState(hwnd, rec, wParam, lParam);
    case LVM_ENSUREVISIBLE:
        if (static_cast<int>(wParam) < 0 || static_cast<int>(wParam) >= st.count)
            return FALSE;
        EnsureVisible(hwnd, rec, static_cast<int>(wParam));
        return TRUE;
    case LVM_GETTOPINDEX:
        return st.top;
    case LVM_GETCOUNTPERPAGE:
        return RowsPerPage(hwnd, rec);
    case LVM_GETITEMRECT: {
        auto* rect = reinterpret_cast<RECT*>(lParam);
        const int row = static_cast<int>(wParam);
        if (!rect || row < 0 || row >= st.count)
            return FALSE;
        RECT client;
        GetClientRect(hwnd, &client);
        const int height = RowHeight(rec);
        const int y = HeaderHeight(rec) + (row - st.top) * height;
        *rect = RECT{0, y, client.right, y + height};
        return TRUE;
    }
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}
