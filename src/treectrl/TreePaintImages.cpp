// The state image and the normal image of a row; a normal image given as a
// callback is asked from the parent at every paint and never stored.
#include "treectrl/TreeHandles.h"
#include "treectrl/TreePainter.h"

#include "platform/Window.h"

void TreePainter::PaintImages(TreeNode* q, const RECT& row, const RECT& text)
{
    const int normalWidth = m_bNormalImages ? m_cxNormalIcon + 3 : 0;
    const UINT stateIndex = (q->state >> 12) & 15;
    if (stateIndex && m_bStateImages) {
        ImageList_Draw(m_td->m_himlState, static_cast<int>(stateIndex), m_hdc,
                       text.left - normalWidth - m_cxStateIcon, row.bottom - m_cyStateIcon, ILD_NORMAL);
    }
    if (!m_bNormalImages)
        return;
    const int index = NormalImageIndex(q);
    if (index != I_IMAGECALLBACK) {
        ImageList_Draw(m_td->m_himlNormal, index, m_hdc, text.left - normalWidth,
                       JunctionY(row.top) - m_cyNormalIcon / 2, ILD_NORMAL);
    }
}

int TreePainter::NormalImageIndex(TreeNode* q)
{
    const bool selected = (q->state & TVIS_SELECTED) != 0;
    int index = selected ? q->iSelectedImage : q->iImage;
    HWND parent = GetParent(m_td->m_hWnd);
    if (index != I_IMAGECALLBACK || !parent)
        return index;
    const int id = GetDlgCtrlID(m_td->m_hWnd);
    NMTVDISPINFO info{};
    info.hdr.hwndFrom = m_td->m_hWnd;
    info.hdr.idFrom = static_cast<UINT_PTR>(id);
    info.hdr.code = TVN_GETDISPINFO;
    info.item.mask = TVIF_HANDLE | TVIF_STATE | TVIF_PARAM | (selected ? TVIF_SELECTEDIMAGE : TVIF_IMAGE);
    info.item.hItem = ItemHandle(q);
    info.item.state = q->state;
    info.item.lParam = q->lParam;
    (selected ? info.item.iSelectedImage : info.item.iImage) = I_IMAGECALLBACK;
    if (!SendMessageA(parent, WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&info)))
        return I_IMAGECALLBACK;
    return selected ? info.item.iSelectedImage : info.item.iImage;
}
