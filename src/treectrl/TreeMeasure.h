// A measuring context: made by each operation that measures labels and
// released at its end, so that it opens at most one device context and
// creates at most one underlined font. Style bits and icon sizes are read
// once, on first need. Also the measures read from the window: style, row
// height, visible count and client rectangle.
#pragma once

#include "treectrl/TreeData.h"

#include "platform/Gdi.h"

// The widest label width a node caches; a wider label counts as this wide
// (its row is laid out, highlighted and painted from its left edge).
int MaxLabelWidth();
// Lowers the limit, for tests of wide labels; 0 restores it.
void SetMaxLabelWidth(int width);

class MeasureContext {
public:
    explicit MeasureContext(TreeData* td) : m_td(td) { }
    ~MeasureContext();
    MeasureContext(const MeasureContext&) = delete;
    MeasureContext& operator=(const MeasureContext&) = delete;

    bool LinesAtRoot();
    // The state list's icon width when q shows a state image, else 0.
    int StateImageWidth(const TreeNode* q);
    // Icon width + 3 of the normal list, 0 without one.
    int NormalImageWidth();
    int DepthOffsetAt(int depth);
    int DepthOffset(const TreeNode* q);
    // q's label width, measured once and cached in cxText.
    int LabelWidth(TreeNode* q);
    // The advance of the window font's widest character, 0 if unknown: a
    // label in that font is at most its length times as wide.
    int MaxCharWidth();
    // q's text rectangle given its row rectangle.
    RECT TextRect(TreeNode* q, const RECT& row);

private:
    void ReadStateSize();
    void ReadNormalSize();
    void SelectFont(bool underlined);

    TreeData* m_td;
    bool m_bStyleRead = false;
    bool m_bLinesAtRoot = false;
    bool m_bStateSizeRead = false;
    int m_cxState = 0;
    int m_cyState = 0;
    bool m_bNormalSizeRead = false;
    int m_cxNormal = 0;
    int m_cyNormal = 0;
    int m_cxMaxChar = -1; // not read yet
    HDC m_hdc = nullptr;
    HFONT m_hWindowFont = nullptr;
    HFONT m_hUnderlinedFont = nullptr;
    HGDIOBJ m_hRestoreFont = nullptr;
    bool m_bFontSelected = false;
    bool m_bUnderlinedSelected = false;
};

DWORD TreeStyle(TreeData* td);
UINT GetItemHeight(TreeData* td);
int GetVisibleCount(TreeData* td);
RECT ClientRect(TreeData* td);
