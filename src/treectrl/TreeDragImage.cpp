// TVM_CREATEDRAGIMAGE: the item's images and label drawn over pure green,
// which the image list's mask makes transparent.
#include "treectrl/TreeDragImage.h"

#include "treectrl/TreeLayout.h"
#include "treectrl/TreePainter.h"

#include "platform/ScopedDc.h"
#include "platform/Window.h"

namespace {

constexpr COLORREF kMaskGreen = RGB(0, 255, 0);
constexpr UINT kLabelFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX;

void DrawDragContent(TreeData* td, TreeNode* q, HDC hdc, const RECT& label, const SIZE& normalIcon,
                     const SIZE& stateIcon)
{
    const int normalWidth = normalIcon.cx + 3;
    SetBkColor(hdc, kMaskGreen);
    const RECT all{0, 0, label.right, label.bottom};
    ExtTextOutA(hdc, 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
    if (!q)
        return;

    auto font = reinterpret_cast<HFONT>(SendMessageA(td->m_hWnd, WM_GETFONT, 0, 0));
    HFONT underlined = (q->state & TVIS_BOLD) ? CreateUnderlinedFont(font) : nullptr;
    HFONT used = underlined ? underlined : font;
    HGDIOBJ oldFont = used ? SelectObject(hdc, used) : nullptr;
    RECT rect = label;
    DrawTextA(hdc, q->pszText ? q->pszText : "", q->cchText, &rect, kLabelFormat);
    if (used)
        SelectObject(hdc, oldFont);
    if (underlined)
        DeleteObject(underlined);

    const UINT stateIndex = (q->state >> 12) & 15;
    if (stateIndex && stateIcon.cx) {
        ImageList_Draw(td->m_himlState, static_cast<int>(stateIndex), hdc,
                       label.left - normalWidth - stateIcon.cx, label.bottom - stateIcon.cy, ILD_NORMAL);
    }
    // The caret item shows its selected image, whatever its state bits say.
    const int index = q == td->m_pCaret ? q->iSelectedImage : q->iImage;
    if (index != I_IMAGECALLBACK) {
        const int jy = label.bottom - (label.bottom - label.top) / 2;
        ImageList_Draw(td->m_himlNormal, index, hdc, label.left - normalWidth, jy - normalIcon.cy / 2,
                       ILD_NORMAL);
    }
}

} // namespace

HIMAGELIST CreateDragImage(TreeData* td, TreeNode* q)
{
    SIZE normalIcon{};
    if (!td->m_himlNormal || !ImageList_GetIconSize(td->m_himlNormal, &normalIcon.cx, &normalIcon.cy))
        return nullptr;
    SIZE stateIcon{};
    if (q && (q->state & TVIS_STATEIMAGEMASK) && td->m_himlState
        && !ImageList_GetIconSize(td->m_himlState, &stateIcon.cx, &stateIcon.cy))
        stateIcon = SIZE{};

    RECT text{};
    if (q)
        GetItemRect(td, q, TRUE, &text);
    const int width = text.right - text.left + stateIcon.cx + normalIcon.cx + 3;
    const int height = text.bottom - text.top;
    const RECT label{stateIcon.cx + normalIcon.cx + 3, 0, width, height};

    ScopedWindowDc windowDc(td->m_hWnd);
    HDC hdc = CreateCompatibleDC(windowDc.Dc());
    HBITMAP bitmap = hdc ? CreateCompatibleBitmap(windowDc.Dc(), width, height) : nullptr;
    HIMAGELIST list = nullptr;
    if (bitmap) {
        HGDIOBJ oldBitmap = SelectObject(hdc, bitmap);
        DrawDragContent(td, q, hdc, label, normalIcon, stateIcon);
        SelectObject(hdc, oldBitmap);
        list = ImageList_Create(width, height, ILC_MASK, 0, 1);
        if (list)
            ImageList_AddMasked(list, bitmap, kMaskGreen);
    }
    if (hdc)
        DeleteDC(hdc);
    if (bitmap)
        DeleteObject(bitmap);
    return list;
}
