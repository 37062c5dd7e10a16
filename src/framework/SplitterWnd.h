// CSplitterWnd: a static splitter, a grid of panes fixed at creation (up
// to 16 by 16), each a view with the id AFX_IDW_PANE_FIRST + 16 * row +
// col. Bars between the panes can be dragged; the last row and column take
// whatever space is left.
#pragma once

#include "framework/Wnd.h"
#include "res/Resource.h"

#include <vector>

struct CCreateContext;
struct CRuntimeClass;

class CSplitterWnd : public CWnd {
public:
    BOOL CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle = WS_CHILD | WS_VISIBLE,
                      UINT nID = res::AFX_IDW_PANE_FIRST);
    // Creates the view of a pane; sizeInit gives the ideal width of its
    // column and height of its row. A failed view has deleted itself.
    virtual BOOL CreateView(int row, int col, const CRuntimeClass* pViewClass, SIZE sizeInit,
                            CCreateContext* pContext);

    int GetRowCount() const { return m_nRows; }
    int GetColumnCount() const { return m_nCols; }
    CWnd* GetPane(int row, int col) const;
    int IdFromRowCol(int row, int col) const;
    BOOL IsChildPane(CWnd* pWnd, int* pRow, int* pCol) const;

    void SetRowInfo(int row, int cyIdeal, int cyMin);
    void GetRowInfo(int row, int& cyCur, int& cyMin) const;
    void SetColumnInfo(int col, int cxIdeal, int cxMin);
    void GetColumnInfo(int col, int& cxCur, int& cxMin) const;
    virtual void RecalcLayout();

    // The pane whose view is the frame's active view.
    virtual CWnd* GetActivePane(int* pRow = nullptr, int* pCol = nullptr) const;
    virtual void SetActivePane(int row, int col);
    // Activates the next (or previous) pane in row-major order, wrapping.
    virtual void ActivateNext(BOOL bPrev = FALSE);
    virtual BOOL CanActivateNext(BOOL bPrev = FALSE) const;

    // Width of a bar between panes.
    static constexpr int kSplitterSize = 6;

protected:
    void OnSize(UINT nType, int cx, int cy) override;
    void OnLButtonDown(UINT nFlags, POINT point) override;
    void OnMouseMove(UINT nFlags, POINT point) override;
    void OnLButtonUp(UINT nFlags, POINT point) override;
    void OnCaptureChanged(HWND hNewCapture) override;

    struct RowColInfo {
        int nIdealSize = 0;
        int nMinSize = 0;
        int nCurSize = 0;
    };
    int m_nRows = 0;
    int m_nCols = 0;
    std::vector<RowColInfo> m_rowInfo;
    std::vector<RowColInfo> m_colInfo;

private:
    static void LayoutRowCol(std::vector<RowColInfo>& info, int total);
    // The bar under the point: a row bar (index of the row above) or a
    // column bar; -1 when none.
    void HitTestBar(POINT point, int& rowBar, int& colBar) const;

    int m_nTrackRow = -1;
    int m_nTrackCol = -1;
};
