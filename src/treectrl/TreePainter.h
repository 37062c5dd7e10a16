// One paint of the tree control: the device context set up for it, what is
// read once per paint (style, focus, row height, icon sizes), and the parts
// of a row: button, images, highlight and label (TreePaintRow.cpp) and the
// connector lines (TreePaintLines.cpp).
#pragma once

#include "treectrl/TreeMeasure.h"

#include "platform/Gdi.h"

class TreePainter {
public:
    // Sets the context up (transparent mode, the control's font) and fills
    // the region with the background.
    TreePainter(TreeData* td, HDC hdc, const RECT& region);
    // Gives the context back with its font and background mode restored.
    ~TreePainter();
    TreePainter(const TreePainter&) = delete;
    TreePainter& operator=(const TreePainter&) = delete;

    // The rows from the first visible item down to the region's bottom,
    // then the lines of the items below them that cross the painted rows.
    void PaintRows();

private:
    void PaintRow(TreeNode* q, const RECT& row);
    // Returns whether the label colour was changed for this item.
    bool PaintHighlight(TreeNode* q, const RECT& row, const RECT& text);
    void PaintLabel(TreeNode* q, const RECT& text, bool colourChanged);
    // q's dotted lines, its row at `top`. Rows are found by stepping back
    // from `anchor` (at `anchorTop`), an item at or after q in the display
    // sequence whose row position is known.
    void PaintConnector(TreeNode* q, int top, TreeNode* anchor, int anchorTop);
    void PaintLinesBelow(TreeNode* first, int top);
    void PaintButton(TreeNode* q, const RECT& row, const RECT& text);
    void PaintImages(TreeNode* q, const RECT& row, const RECT& text);
    int NormalImageIndex(TreeNode* q);

    bool HasConnector(const TreeNode* q);
    int JunctionX(const TreeNode* q);
    int JunctionY(int top) const { return top + m_nItemHeight - m_nItemHeight / 2; }
    HFONT UnderlinedFont();

    TreeData* m_td;
    HDC m_hdc;
    RECT m_region;
    MeasureContext m_mc;
    DWORD m_style = 0;
    bool m_bFocus = false;
    bool m_bDisabled = false;
    bool m_bFullRow = false;
    int m_nItemHeight = 0;
    // Icon sizes, read once; 0 without a list or when it has no size.
    int m_cxNormalIcon = 0;
    int m_cyNormalIcon = 0;
    int m_cxStateIcon = 0;
    int m_cyStateIcon = 0;
    bool m_bNormalImages = false;
    bool m_bStateImages = false;
    int m_nOldBkMode = 0;
    HFONT m_hFont = nullptr;
    HGDIOBJ m_hOldFont = nullptr;
    HFONT m_hUnderlined = nullptr;
    // Vertical span of the rows drawn: lines are visited only inside it,
    // since everything else lies outside the region or outside the window.
    int m_nSpanTop = 0;
    int m_nSpanBottom = 0;
};

// The control's font with only the underline attribute added; null when
// the font cannot be described.
HFONT CreateUnderlinedFont(HFONT font);
