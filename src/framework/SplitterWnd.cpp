#include "framework/SplitterWnd.h"

#include "framework/FrameWnd.h"
#include "framework/Rect.h"
#include "framework/RuntimeClass.h"
#include "framework/View.h"
#include "platform/Gdi.h"

#include <algorithm>

namespace {

constexpr int kMaxPanes = 16;

} // namespace

BOOL CSplitterWnd::CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle, UINT nID)
{
    if (!pParentWnd || nRows < 1 || nCols < 1 || nRows > kMaxPanes || nCols > kMaxPanes || m_hWnd)
        return FALSE;
    m_nRows = nRows;
    m_nCols = nCols;
    m_rowInfo.assign(static_cast<size_t>(nRows), RowColInfo{});
    m_colInfo.assign(static_cast<size_t>(nCols), RowColInfo{});
    CRect rect;
    pParentWnd->GetClientRect(&rect);
    return CreateEx(0, RegisterFrameworkClass("LumenorSplitter", COLOR_3DFACE), nullptr, dwStyle | WS_CHILD,
                    rect, pParentWnd, nID);
}

int CSplitterWnd::IdFromRowCol(int row, int col) const
{
    return static_cast<int>(res::AFX_IDW_PANE_FIRST) + row * kMaxPanes + col;
}

CWnd* CSplitterWnd::GetPane(int row, int col) const
{
    if (row < 0 || row >= m_nRows || col < 0 || col >= m_nCols)
        return nullptr;
    return FromHandlePermanent(GetDlgItem(IdFromRowCol(row, col)));
}

BOOL CSplitterWnd::IsChildPane(CWnd* pWnd, int* pRow, int* pCol) const
{
    if (!pWnd || !pWnd->GetSafeHwnd() || ::GetParent(pWnd->GetSafeHwnd()) != m_hWnd)
        return FALSE;
    const int id = pWnd->GetDlgCtrlID() - static_cast<int>(res::AFX_IDW_PANE_FIRST);
    const int row = id / kMaxPanes;
    const int col = id % kMaxPanes;
    if (id < 0 || row >= m_nRows || col >= m_nCols)
        return FALSE;
    if (pRow)
        *pRow = row;
    if (pCol)
        *pCol = col;
    return TRUE;
}

BOOL CSplitterWnd::CreateView(int row, int col, const CRuntimeClass* pViewClass, SIZE sizeInit,
                              CCreateContext* pContext)
{
    if (row < 0 || row >= m_nRows || col < 0 || col >= m_nCols || !pViewClass || GetPane(row, col))
        return FALSE;
    m_rowInfo[static_cast<size_t>(row)].nIdealSize = std::max<LONG>(0, sizeInit.cy);
    m_colInfo[static_cast<size_t>(col)].nIdealSize = std::max<LONG>(0, sizeInit.cx);
    CCmdTarget* object = pViewClass->CreateObject();
    auto* view = dynamic_cast<CView*>(object);
    if (!view) {
        delete object;
        return FALSE;
    }
    if (!view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, sizeInit.cx, sizeInit.cy), this,
                      static_cast<UINT>(IdFromRowCol(row, col)), pContext))
        return FALSE;
    RecalcLayout();
    return TRUE;
}

void CSplitterWnd::SetRowInfo(int row, int cyIdeal, int cyMin)
{
    if (row < 0 || row >= m_nRows)
        return;
    m_rowInfo[static_cast<size_t>(row)].nIdealSize = std::max(0, cyIdeal);
    m_rowInfo[static_cast<size_t>(row)].nMinSize = std::max(0, cyMin);
}

void CSplitterWnd::GetRowInfo(int row, int& cyCur, int& cyMin) const
{
    cyCur = cyMin = 0;
    if (row < 0 || row >= m_nRows)
        return;
    cyCur = m_rowInfo[static_cast<size_t>(row)].nCurSize;
    cyMin = m_rowInfo[static_cast<size_t>(row)].nMinSize;
}

void CSplitterWnd::SetColumnInfo(int col, int cxIdeal, int cxMin)
{
    if (col < 0 || col >= m_nCols)
        return;
    m_colInfo[static_cast<size_t>(col)].nIdealSize = std::max(0, cxIdeal);
    m_colInfo[static_cast<size_t>(col)].nMinSize = std::max(0, cxMin);
}

void CSplitterWnd::GetColumnInfo(int col, int& cxCur, int& cxMin) const
{
    cxCur = cxMin = 0;
    if (col < 0 || col >= m_nCols)
        return;
    cxCur = m_colInfo[static_cast<size_t>(col)].nCurSize;
    cxMin = m_colInfo[static_cast<size_t>(col)].nMinSize;
}

void CSplitterWnd::LayoutRowCol(std::vector<RowColInfo>& info, int total)
{
    int remaining = total;
    for (size_t i = 0; i < info.size(); ++i) {
        RowColInfo& rc = info[i];
        const bool last = i + 1 == info.size();
        rc.nCurSize = last ? std::max(0, remaining) : std::clamp(rc.nIdealSize, 0, std::max(0, remaining));
        // A pane squeezed below its minimum is hidden rather than cramped.
        if (!last && rc.nCurSize < rc.nMinSize)
            rc.nCurSize = 0;
        remaining -= rc.nCurSize + kSplitterSize;
    }
}

void CSplitterWnd::RecalcLayout()
{
    if (!m_hWnd)
        return;
    CRect client;
    GetClientRect(&client);
    LayoutRowCol(m_rowInfo, client.Height());
    LayoutRowCol(m_colInfo, client.Width());
    int y = 0;
    for (int row = 0; row < m_nRows; ++row) {
        int x = 0;
        const int cy = m_rowInfo[static_cast<size_t>(row)].nCurSize;
        for (int col = 0; col < m_nCols; ++col) {
            const int cx = m_colInfo[static_cast<size_t>(col)].nCurSize;
            if (CWnd* pane = GetPane(row, col))
                pane->MoveWindow(x, y, cx, cy, TRUE);
            x += cx + kSplitterSize;
        }
        y += cy + kSplitterSize;
    }
    Invalidate(TRUE);
}

void CSplitterWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    RecalcLayout();
}

CWnd* CSplitterWnd::GetActivePane(int* pRow, int* pCol) const
{
    CFrameWnd* frame = GetParentFrame();
    CView* view = frame ? frame->GetActiveView() : nullptr;
    return IsChildPane(view, pRow, pCol) ? view : nullptr;
}

void CSplitterWnd::SetActivePane(int row, int col)
{
    CWnd* pane = GetPane(row, col);
    if (!pane)
        return;
    CFrameWnd* frame = GetParentFrame();
    if (auto* view = dynamic_cast<CView*>(pane); view && frame)
        frame->SetActiveView(view);
    else
        pane->SetFocus();
}

BOOL CSplitterWnd::CanActivateNext(BOOL) const
{
    return m_nRows * m_nCols > 1;
}

void CSplitterWnd::ActivateNext(BOOL bPrev)
{
    int row = 0;
    int col = 0;
    if (!GetActivePane(&row, &col)) {
        SetActivePane(0, 0);
        return;
    }
    if (bPrev) {
        if (--col < 0) {
            col = m_nCols - 1;
            if (--row < 0)
                row = m_nRows - 1;
        }
    } else if (++col >= m_nCols) {
        col = 0;
        if (++row >= m_nRows)
            row = 0;
    }
    SetActivePane(row, col);
}

void CSplitterWnd::HitTestBar(POINT point, int& rowBar, int& colBar) const
{
    rowBar = colBar = -1;
    int y = 0;
    for (int row = 0; row + 1 < m_nRows; ++row) {
        y += m_rowInfo[static_cast<size_t>(row)].nCurSize;
        if (point.y >= y && point.y < y + kSplitterSize)
            rowBar = row;
        y += kSplitterSize;
    }
    int x = 0;
    for (int col = 0; col + 1 < m_nCols; ++col) {
        x += m_colInfo[static_cast<size_t>(col)].nCurSize;
        if (point.x >= x && point.x < x + kSplitterSize)
            colBar = col;
        x += kSplitterSize;
    }
}

void CSplitterWnd::OnLButtonDown(UINT, POINT point)
{
    HitTestBar(point, m_nTrackRow, m_nTrackCol);
    if (m_nTrackRow >= 0 || m_nTrackCol >= 0)
        SetCapture(m_hWnd);
}

void CSplitterWnd::OnMouseMove(UINT, POINT point)
{
    if (m_nTrackRow < 0 && m_nTrackCol < 0)
        return;
    // The bar follows the mouse: the pane before it takes the new size.
    if (m_nTrackRow >= 0) {
        int top = 0;
        for (int row = 0; row < m_nTrackRow; ++row)
            top += m_rowInfo[static_cast<size_t>(row)].nCurSize + kSplitterSize;
        m_rowInfo[static_cast<size_t>(m_nTrackRow)].nIdealSize = std::max(0, static_cast<int>(point.y) - top);
    }
    if (m_nTrackCol >= 0) {
        int left = 0;
        for (int col = 0; col < m_nTrackCol; ++col)
            left += m_colInfo[static_cast<size_t>(col)].nCurSize + kSplitterSize;
        m_colInfo[static_cast<size_t>(m_nTrackCol)].nIdealSize =
            std::max(0, static_cast<int>(point.x) - left);
    }
    RecalcLayout();
}

void CSplitterWnd::OnLButtonUp(UINT, POINT)
{
    if (m_nTrackRow >= 0 || m_nTrackCol >= 0)
        ReleaseCapture();
}

void CSplitterWnd::OnCaptureChanged(HWND hNewCapture)
{
    if (hNewCapture != m_hWnd)
        m_nTrackRow = m_nTrackCol = -1;
    CWnd::OnCaptureChanged(hNewCapture);
}
