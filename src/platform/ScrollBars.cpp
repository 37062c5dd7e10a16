// The standard scroll bars of a window. The platform's SCROLLINFO is the
// truth; the QScrollBar only shows it. A user action on a bar never moves it:
// it becomes WM_VSCROLL / WM_HSCROLL through the pump, and only
// SetScrollInfo changes the position. While the thumb is dragged it follows
// the mouse and the tracking position is readable with SIF_TRACKPOS.
#include "platform/internal/ScrollBars.h"

#include "platform/internal/MessagePump.h"

#include <QApplication>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

namespace {

class WindowScrollBar : public QScrollBar {
public:
    WindowScrollBar(HWND hwnd, int which, QWidget* parent)
        : QScrollBar(which == SB_VERT ? Qt::Vertical : Qt::Horizontal, parent), m_hwnd(hwnd), m_which(which)
    {
        setFocusPolicy(Qt::NoFocus);
        setTracking(false);
        connect(this, &QAbstractSlider::actionTriggered, this, [this](int action) { onAction(action); });
        // Without tracking, a drag moves only the thumb and reports here.
        connect(this, &QAbstractSlider::sliderMoved, this, [this](int pos) { onThumbMoved(pos); });
        connect(this, &QAbstractSlider::sliderReleased, this, [this] { onThumbReleased(); });
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        QScrollBar::mouseReleaseEvent(event);
        send(SB_ENDSCROLL, 0);
    }
    void wheelEvent(QWheelEvent* event) override { DeliverWheel(m_hwnd, event); }

private:
    ScrollBarState* state() const
    {
        WindowRecord* rec = LiveWindow(m_hwnd);
        if (!rec)
            return nullptr;
        return m_which == SB_VERT ? &rec->vert : &rec->horz;
    }

    void send(int code, int pos)
    {
        if (!LiveWindow(m_hwnd))
            return;
        MSG msg;
        msg.hwnd = m_hwnd;
        msg.message = m_which == SB_VERT ? WM_VSCROLL : WM_HSCROLL;
        msg.wParam = MAKEWPARAM(code, pos);
        msg.lParam = 0;
        DeliverThroughPump(msg);
    }

    void onAction(int action)
    {
        ScrollBarState* st = state();
        if (!st)
            return;
        int code = -1;
        switch (action) {
        case SliderSingleStepAdd:
            code = SB_LINEDOWN;
            break;
        case SliderSingleStepSub:
            code = SB_LINEUP;
            break;
        case SliderPageStepAdd:
            code = SB_PAGEDOWN;
            break;
        case SliderPageStepSub:
            code = SB_PAGEUP;
            break;
        case SliderToMinimum:
            code = SB_TOP;
            break;
        case SliderToMaximum:
            code = SB_BOTTOM;
            break;
        default:
            return; // SliderMove: the drag reports through sliderMoved
        }
        // Undo Qt's own step before the window decides where to go.
        setSliderPosition(st->info.nPos);
        send(code, st->info.nPos);
    }

    void onThumbMoved(int pos)
    {
        if (ScrollBarState* st = state()) {
            st->info.nTrackPos = pos;
            send(SB_THUMBTRACK, pos);
        }
    }

    void onThumbReleased()
    {
        ScrollBarState* st = state();
        if (!st)
            return;
        const int track = st->info.nTrackPos;
        send(SB_THUMBPOSITION, track);
        if ((st = state())) {
            st->info.nTrackPos = st->info.nPos;
            setSliderPosition(st->info.nPos);
        }
    }

    HWND m_hwnd;
    int m_which;
};

int MaxPosition(const SCROLLINFO& info)
{
    if (info.nPage == 0)
        return info.nMax;
    return std::max(info.nMin, info.nMax - static_cast<int>(info.nPage) + 1);
}

bool WantsBar(const SCROLLINFO& info)
{
    if (info.nPage == 0)
        return info.nMax > info.nMin;
    return static_cast<long long>(info.nMax) - info.nMin + 1 > static_cast<long long>(info.nPage);
}

void ShowOnBar(ScrollBarState& st)
{
    QScrollBar* bar = st.bar;
    if (!bar)
        return;
    const QSignalBlocker blocker(bar);
    bar->setRange(st.info.nMin, MaxPosition(st.info));
    bar->setPageStep(std::max<int>(1, static_cast<int>(st.info.nPage)));
    bar->setValue(st.info.nPos);
    if (!bar->isSliderDown())
        bar->setSliderPosition(st.info.nPos);
    bar->setEnabled(WantsBar(st.info));
}

ScrollBarState* StateOf(WindowRecord* rec, int which)
{
    if (which == SB_VERT)
        return &rec->vert;
    if (which == SB_HORZ)
        return &rec->horz;
    return nullptr;
}

void CreateBar(WindowRecord* rec, int which)
{
    ScrollBarState& st = *StateOf(rec, which);
    if (st.bar)
        return;
    st.bar = new WindowScrollBar(rec, which, rec->widget);
    st.bar->hide();
    ShowOnBar(st);
}

} // namespace

int ScrollBarExtent()
{
    return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

void EnsureScrollBarWidgets(WindowRecord* rec)
{
    if (rec->windowClass->kind != WidgetKind::Plain)
        return;
    for (int which : {SB_VERT, SB_HORZ}) {
        const DWORD styleBit = which == SB_VERT ? WS_VSCROLL : WS_HSCROLL;
        ScrollBarState& st = *StateOf(rec, which);
        const bool wanted = (rec->style & styleBit) != 0;
        if (wanted && !st.bar) {
            // A window created with a bar starts with the classic 0..100.
            st.info.nMin = 0;
            st.info.nMax = 100;
            CreateBar(rec, which);
        }
        st.shown = wanted;
    }
}

int SetScrollInfo(HWND hwnd, int which, const SCROLLINFO* si, BOOL redraw)
{
    WindowRecord* rec = LiveWindow(hwnd);
    if (!rec || !si || rec->windowClass->kind != WidgetKind::Plain)
        return 0;
    ScrollBarState* st = StateOf(rec, which);
    if (!st)
        return 0;
    CreateBar(rec, which);
    SCROLLINFO& info = st->info;
    if (si->fMask & SIF_RANGE) {
        info.nMin = si->nMin;
        info.nMax = std::max(si->nMin, si->nMax);
    }
    if (si->fMask & SIF_PAGE)
        info.nPage = si->nPage;
    if (si->fMask & SIF_POS)
        info.nPos = si->nPos;
    if (si->fMask & SIF_DISABLENOSCROLL)
        st->disabledNoScroll = true;
    const long long span = static_cast<long long>(info.nMax) - info.nMin + 1;
    if (static_cast<long long>(info.nPage) > span)
        info.nPage = static_cast<UINT>(span);
    info.nPos = std::clamp(info.nPos, info.nMin, MaxPosition(info));
    if (!st->bar->isSliderDown())
        info.nTrackPos = info.nPos;
    ShowOnBar(*st);
    if (redraw)
        st->bar->update();

    const bool shown = WantsBar(info) || st->disabledNoScroll;
    if (shown != st->shown) {
        st->shown = shown;
        const DWORD styleBit = which == SB_VERT ? WS_VSCROLL : WS_HSCROLL;
        rec->style = shown ? (rec->style | styleBit) : (rec->style & ~styleBit);
        LayoutNonClient(rec);
        NotifySizeIfChanged(rec, false);
    }
    return LiveWindow(hwnd) ? info.nPos : 0;
}

BOOL GetScrollInfo(HWND hwnd, int which, SCROLLINFO* si)
{
    WindowRecord* rec = LiveWindow(hwnd);
    if (!rec || !si)
        return FALSE;
    const ScrollBarState* st = StateOf(rec, which);
    if (!st || !st->bar)
        return FALSE;
    if (si->fMask & SIF_RANGE) {
        si->nMin = st->info.nMin;
        si->nMax = st->info.nMax;
    }
    if (si->fMask & SIF_PAGE)
        si->nPage = st->info.nPage;
    if (si->fMask & SIF_POS)
        si->nPos = st->info.nPos;
    if (si->fMask & SIF_TRACKPOS)
        si->nTrackPos = st->info.nTrackPos;
    return TRUE;
}

int SetScrollPos(HWND hwnd, int which, int pos, BOOL redraw)
{
    SCROLLINFO si;
    si.fMask = SIF_POS;
    const int old = GetScrollPos(hwnd, which);
    si.nPos = pos;
    SetScrollInfo(hwnd, which, &si, redraw);
    return old;
}

int GetScrollPos(HWND hwnd, int which)
{
    SCROLLINFO si;
    si.fMask = SIF_POS;
    return GetScrollInfo(hwnd, which, &si) ? si.nPos : 0;
}
