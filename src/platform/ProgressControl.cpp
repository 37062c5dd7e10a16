// The progress control: a range, a position and a step, painted as a
// classic sunken bar filled with highlight-coloured chunks.
#include "platform/internal/StandardControls.h"

#include "platform/CommCtrl.h"
#include "platform/Gdi.h"
#include "platform/ScopedDc.h"

#include <algorithm>

namespace {

constexpr int kChunkGap = 2;

struct ProgressState : ControlState {
    int low = 0;
    int high = 100;
    int pos = 0;
    int step = 10;
};

ProgressState& State(HWND hwnd)
{
    WindowRecord* rec = LiveWindow(hwnd);
    if (!rec->control)
        rec->control = std::make_unique<ProgressState>();
    return static_cast<ProgressState&>(*rec->control);
}

int Clamp(const ProgressState& st, int pos)
{
    return std::clamp(pos, std::min(st.low, st.high), std::max(st.low, st.high));
}

// The bar's inside: a sunken edge of one pixel, then a margin of one.
RECT BarRect(HWND hwnd)
{
    RECT rc;
    GetClientRect(hwnd, &rc);
    return RECT{rc.left + 2, rc.top + 2, rc.right - 2, rc.bottom - 2};
}

// How many pixels of the bar the position fills.
int FilledWidth(const ProgressState& st, const RECT& bar)
{
    const int span = st.high - st.low;
    const int width = bar.right - bar.left;
    if (span <= 0 || width <= 0)
        return 0;
    return static_cast<int>(static_cast<long long>(st.pos - st.low) * width / span);
}

// Loads step the bar without letting messages through, so a change that
// moves the end of the filled part paints at once; the others cost nothing.
void RepaintIfFilledWidthChanged(HWND hwnd, const ProgressState& st, int filledBefore)
{
    const RECT bar = BarRect(hwnd);
    if (FilledWidth(st, bar) == filledBefore)
        return;
    InvalidateRect(hwnd, &bar, FALSE);
    UpdateWindow(hwnd);
}

LRESULT SetPos(HWND hwnd, ProgressState& st, int pos)
{
    const int old = st.pos;
    const int filled = FilledWidth(st, BarRect(hwnd));
    st.pos = Clamp(st, pos);
    RepaintIfFilledWidthChanged(hwnd, st, filled);
    return old;
}

LRESULT SetRange(HWND hwnd, ProgressState& st, int low, int high)
{
    const LRESULT old = MAKELPARAM(st.low, st.high);
    const int filled = FilledWidth(st, BarRect(hwnd));
    st.low = low;
    st.high = high;
    st.pos = Clamp(st, st.pos);
    RepaintIfFilledWidthChanged(hwnd, st, filled);
    return old;
}

void Paint(HWND hwnd, HDC hdc, const ProgressState& st)
{
    RECT rc;
    GetClientRect(hwnd, &rc);
    if (IsRectEmpty(&rc))
        return;
    HBRUSH shadow = GetSysColorBrush(COLOR_BTNSHADOW);
    HBRUSH light = GetSysColorBrush(COLOR_BTNHIGHLIGHT);
    RECT edge{rc.left, rc.top, rc.right, rc.top + 1};
    FillRect(hdc, &edge, shadow);
    edge = RECT{rc.left, rc.top, rc.left + 1, rc.bottom};
    FillRect(hdc, &edge, shadow);
    edge = RECT{rc.left, rc.bottom - 1, rc.right, rc.bottom};
    FillRect(hdc, &edge, light);
    edge = RECT{rc.right - 1, rc.top, rc.right, rc.bottom};
    FillRect(hdc, &edge, light);

    RECT inner{rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom - 1};
    FillRect(hdc, &inner, GetSysColorBrush(COLOR_BTNFACE));
    const RECT bar = BarRect(hwnd);
    if (bar.bottom <= bar.top)
        return;
    const int filledRight = bar.left + FilledWidth(st, bar);
    const int chunk = std::max(1, (bar.bottom - bar.top + 2) * 2 / 3);
    for (int x = bar.left; x < filledRight; x += chunk + kChunkGap) {
        RECT block{x, bar.top, std::min(x + chunk, filledRight), bar.bottom};
        FillRect(hdc, &block, GetSysColorBrush(COLOR_HIGHLIGHT));
    }
}

} // namespace

LRESULT ProgressProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!LiveWindow(hwnd))
        return 0;
    ProgressState& st = State(hwnd);
    switch (msg) {
    case PBM_SETRANGE:
        return SetRange(hwnd, st, LOWORD(static_cast<std::uintptr_t>(lParam)),
                        HIWORD(static_cast<std::uintptr_t>(lParam)));
    case PBM_SETRANGE32:
        return SetRange(hwnd, st, static_cast<int>(wParam), static_cast<int>(lParam));
    case PBM_SETPOS:
        return SetPos(hwnd, st, static_cast<int>(wParam));
    case PBM_DELTAPOS:
        return SetPos(hwnd, st, st.pos + static_cast<int>(wParam));
    case PBM_GETPOS:
        return st.pos;
    case PBM_SETSTEP: {
        const int old = st.step;
        st.step = static_cast<int>(wParam);
        return old;
    }
    case PBM_STEPIT: {
        // Past the end the bar starts over from the beginning.
        const int old = st.pos;
        int pos = st.pos + st.step;
        const int span = st.high - st.low;
        if (span > 0 && pos > st.high)
            pos = st.low + (pos - st.low) % span;
        else if (span > 0 && pos < st.low)
            pos = st.high - (st.low - pos) % span;
        SetPos(hwnd, st, pos);
        return old;
    }
    case WM_ERASEBKGND:
        return 1; // the paint covers every pixel
    case WM_PAINT: {
        if (HDC passed = reinterpret_cast<HDC>(wParam)) {
            Paint(hwnd, passed, st);
            return 0;
        }
        ScopedPaint paint(hwnd);
        Paint(hwnd, paint.Dc(), st);
        return 0;
    }
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}
