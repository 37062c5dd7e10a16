#include "treectrl/TreeMeasure.h"

#include "treectrl/TreeExtent.h"
#include "treectrl/TreeNavigation.h"

#include "platform/ScopedDc.h"
#include "platform/Window.h"

#include <algorithm>

namespace {

int g_nMaxLabelWidth = TreeItemData::kMaxTextWidth;

} // namespace

int MaxLabelWidth()
{
    return g_nMaxLabelWidth;
}

void SetMaxLabelWidth(int width)
{
    g_nMaxLabelWidth = width > 0 ? std::min(width, TreeItemData::kMaxTextWidth) : TreeItemData::kMaxTextWidth;
}

MeasureContext::~MeasureContext()
{
    if (!m_hdc)
        return;
    if (m_bFontSelected)
        SelectObject(m_hdc, m_hRestoreFont);
    ReleaseDC(m_td->m_hWnd, m_hdc);
    if (m_hUnderlinedFont)
        DeleteObject(m_hUnderlinedFont);
}

bool MeasureContext::LinesAtRoot()
{
    if (!m_bStyleRead) {
        m_bLinesAtRoot = (TreeStyle(m_td) & TVS_LINESATROOT) != 0;
        m_bStyleRead = true;
    }
    return m_bLinesAtRoot;
}

void MeasureContext::ReadStateSize()
{
    if (m_bStateSizeRead)
        return;
    m_bStateSizeRead = true;
    if (!m_td->m_himlState || !ImageList_GetIconSize(m_td->m_himlState, &m_cxState, &m_cyState))
        m_cxState = m_cyState = 0;
}

void MeasureContext::ReadNormalSize()
{
    if (m_bNormalSizeRead)
        return;
    m_bNormalSizeRead = true;
    int cx = 0;
    int cy = 0;
    if (m_td->m_himlNormal && ImageList_GetIconSize(m_td->m_himlNormal, &cx, &cy)) {
        m_cxNormal = cx + 3;
        m_cyNormal = cy;
    }
}

int MeasureContext::StateImageWidth(const TreeNode* q)
{
    if (!(q->state & TVIS_STATEIMAGEMASK))
        return 0;
    ReadStateSize();
    return m_cxState;
}

int MeasureContext::NormalImageWidth()
{
    ReadNormalSize();
    return m_cxNormal;
}

int MeasureContext::DepthOffsetAt(int depth)
{
    const int indent = static_cast<int>(m_td->m_nIndent);
    return depth * indent + (LinesAtRoot() ? indent : 0);
}

int MeasureContext::DepthOffset(const TreeNode* q)
{
    return DepthOffsetAt(Depth(q));
}

void MeasureContext::SelectFont(bool underlined)
{
    if (!m_hdc) {
        m_hdc = GetDC(m_td->m_hWnd);
        m_hWindowFont = reinterpret_cast<HFONT>(SendMessageA(m_td->m_hWnd, WM_GETFONT, 0, 0));
        if (!m_hWindowFont)
            m_hWindowFont = reinterpret_cast<HFONT>(GetCurrentObject(m_hdc, OBJ_FONT));
    }
    if (m_bFontSelected && m_bUnderlinedSelected == underlined)
        return;
    HFONT font = m_hWindowFont;
    if (underlined) {
        if (!m_hUnderlinedFont) {
            LOGFONTA lf;
            if (GetObjectA(m_hWindowFont, sizeof(lf), &lf)) {
                lf.lfUnderline = 1;
                m_hUnderlinedFont = CreateFontIndirectA(&lf);
            }
        }
        if (m_hUnderlinedFont)
            font = m_hUnderlinedFont;
    }
    HGDIOBJ previous = SelectObject(m_hdc, font);
    if (!m_bFontSelected) {
        m_hRestoreFont = previous;
        m_bFontSelected = true;
    }
    m_bUnderlinedSelected = underlined;
}

int MeasureContext::LabelWidth(TreeNode* q)
{
    if (q->cxText)
        return q->cxText;
    SelectFont((q->state & TVIS_BOLD) != 0);
    SIZE size;
    if (!GetTextExtentPoint32A(m_hdc, q->pszText ? q->pszText : "", q->cchText, &size))
        size.cx = 0;
    size.cx = std::min<LONG>(size.cx, g_nMaxLabelWidth);
    q->cxText = size.cx;
    if (size.cx)
        ExtentLabelMeasured(m_td, q, 0);
    return size.cx;
}

int MeasureContext::MaxCharWidth()
{
    if (m_cxMaxChar < 0) {
        SelectFont(false);
        TEXTMETRICA tm;
        m_cxMaxChar = GetTextMetricsA(m_hdc, &tm) ? std::max<LONG>(tm.tmMaxCharWidth, 0) : 0;
    }
    return m_cxMaxChar;
}

RECT MeasureContext::TextRect(TreeNode* q, const RECT& row)
{
    RECT r = row;
    r.left = -m_td->m_nHorzPos + DepthOffset(q) + StateImageWidth(q) + NormalImageWidth();
    r.right = r.left + LabelWidth(q) + 4;
    return r;
}

DWORD TreeStyle(TreeData* td)
{
    return static_cast<DWORD>(GetWindowLongPtrA(td->m_hWnd, GWL_STYLE));
}

UINT GetItemHeight(TreeData* td)
{
    if (td->m_nItemHeight)
        return td->m_nItemHeight;
    TEXTMETRICA tm{};
    {
        ScopedWindowDc dc(td->m_hWnd);
        auto font = reinterpret_cast<HFONT>(SendMessageA(td->m_hWnd, WM_GETFONT, 0, 0));
        HGDIOBJ old = font ? SelectObject(dc.Dc(), font) : nullptr;
        GetTextMetricsA(dc.Dc(), &tm);
        if (font)
            SelectObject(dc.Dc(), old);
    }
    UINT h = static_cast<UINT>(tm.tmHeight + 2);
    if (h & 1)
        ++h;
    int cx = 0;
    int cy = 0;
    if (td->m_himlNormal && ImageList_GetIconSize(td->m_himlNormal, &cx, &cy) && cy > static_cast<int>(h))
        h = static_cast<UINT>(cy);
    td->m_nItemHeight = h;
    return h;
}

RECT ClientRect(TreeData* td)
{
    RECT r;
    GetClientRect(td->m_hWnd, &r);
    return r;
}

int GetVisibleCount(TreeData* td)
{
    const RECT client = ClientRect(td);
    const int h = static_cast<int>(GetItemHeight(td));
    return h > 0 ? (client.bottom - client.top) / h : 0;
}
