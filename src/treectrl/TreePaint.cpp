// WM_PAINT: the device context and region, the background, the rows from
// the first visible item, and the clean-up.
#include "treectrl/TreePaint.h"

#include "treectrl/TreeNavigation.h"
#include "treectrl/TreePainter.h"

#include "platform/ScopedDc.h"
#include "platform/Window.h"

void PaintTree(TreeData* td, HDC passed)
{
    if (passed) {
        RECT region;
        if (!GetUpdateRect(td->m_hWnd, &region, FALSE))
            region = ClientRect(td);
        TreePainter(td, passed, region).PaintRows();
        return;
    }
    ScopedPaint paint(td->m_hWnd);
    TreePainter(td, paint.Dc(), paint.PaintRect()).PaintRows();
}

HFONT CreateUnderlinedFont(HFONT font)
{
    LOGFONTA lf;
    if (!font || !GetObjectA(font, sizeof(lf), &lf))
        return nullptr;
    lf.lfUnderline = 1;
    return CreateFontIndirectA(&lf);
}

TreePainter::TreePainter(TreeData* td, HDC hdc, const RECT& region)
    : m_td(td), m_hdc(hdc), m_region(region), m_mc(td)
{
    m_nOldBkMode = SetBkMode(hdc, TRANSPARENT);
    m_hFont = reinterpret_cast<HFONT>(SendMessageA(td->m_hWnd, WM_GETFONT, 0, 0));
    // Without a font of its own the control draws with the context's.
    if (!m_hFont)
        m_hFont = reinterpret_cast<HFONT>(GetCurrentObject(hdc, OBJ_FONT));
    m_hOldFont = SelectObject(hdc, m_hFont);
    m_bFocus = GetFocus() == td->m_hWnd;
    m_style = TreeStyle(td);
    m_bDisabled = (m_style & WS_DISABLED) != 0;
    m_bFullRow = (m_style & TVS_FULLROWSELECT) && !(m_style & TVS_HASLINES);

    SetBkColor(hdc, GetSysColor(m_bDisabled ? COLOR_BTNFACE : COLOR_WINDOW));
    ExtTextOutA(hdc, 0, 0, ETO_OPAQUE, &m_region, nullptr, 0, nullptr);

    m_nItemHeight = static_cast<int>(GetItemHeight(td));
    m_bNormalImages =
        td->m_himlNormal && ImageList_GetIconSize(td->m_himlNormal, &m_cxNormalIcon, &m_cyNormalIcon);
    if (!m_bNormalImages)
        m_cxNormalIcon = m_cyNormalIcon = 0;
    m_bStateImages =
        td->m_himlState && ImageList_GetIconSize(td->m_himlState, &m_cxStateIcon, &m_cyStateIcon);
    if (!m_bStateImages)
        m_cxStateIcon = m_cyStateIcon = 0;
}

TreePainter::~TreePainter()
{
    SelectObject(m_hdc, m_hOldFont);
    if (m_hUnderlined)
        DeleteObject(m_hUnderlined);
    SetBkMode(m_hdc, m_nOldBkMode);
}

HFONT TreePainter::UnderlinedFont()
{
    if (!m_hUnderlined)
        m_hUnderlined = CreateUnderlinedFont(m_hFont);
    return m_hUnderlined;
}

void TreePainter::PaintRows()
{
    const RECT client = ClientRect(m_td);
    const int h = m_nItemHeight;
    if (h <= 0)
        return;
    TreeNode* q = m_td->m_pFirstVisible;
    int top = 0;
    bool drawn = false;
    for (; q && top < m_region.bottom; q = NextVisible(q), top += h) {
        if (top + h < m_region.top)
            continue;
        if (!drawn) {
            m_nSpanTop = top;
            drawn = true;
        }
        m_nSpanBottom = top + h;
        PaintRow(q, RECT{client.left, top, client.right, top + h});
    }
    if (drawn && q && (m_style & TVS_HASLINES))
        PaintLinesBelow(q, top);
}

void TreePainter::PaintRow(TreeNode* q, const RECT& row)
{
    const RECT text = m_mc.TextRect(q, row);
    const bool colourChanged = PaintHighlight(q, row, text);
    PaintLabel(q, text, colourChanged);
    if (m_style & TVS_HASLINES)
        PaintConnector(q, row.top, q, row.top);
    PaintButton(q, row, text);
    PaintImages(q, row, text);
}

bool TreePainter::HasConnector(const TreeNode* q)
{
    return ParentItem(q) || (m_style & TVS_LINESATROOT);
}

int TreePainter::JunctionX(const TreeNode* q)
{
    return m_mc.DepthOffset(q) + static_cast<int>(m_td->m_nButtonSize / 2) + m_td->m_nButtonOffset
        - static_cast<int>(m_td->m_nIndent) - m_td->m_nHorzPos;
}
