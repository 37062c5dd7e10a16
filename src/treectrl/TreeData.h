// The per-window state record of the tree control, kept as the window's
// user data from attachment to WM_NCDESTROY.
#pragma once

#include "treectrl/LabelStore.h"
#include "treectrl/NodePool.h"
#include "treectrl/TreeNode.h"
#include "treectrl/WidthCounter.h"

#include "platform/CommCtrl.h"

#include <vector>

using TreeCompareProc = int (*)(const TreeItemData* a, const TreeItemData* b);
using TreeDeleteHook = void (*)(TreeNode* node, void* context);

int CompareItemText(const TreeItemData* a, const TreeItemData* b);
void OnDeleteNode(TreeNode* node, void* context);

// What the horizontal extent is made of, read from the window and its image
// lists; the extent index is valid only for the values it was built with.
struct ExtentParams {
    unsigned indent = 0;
    bool linesAtRoot = false;
    int stateIconWidth = 0; // 0 without a state image list
    int normalImageWidth = 0; // icon width + 3, 0 without a normal image list
    bool operator==(const ExtentParams&) const = default;
};

// The horizontal extent kept up to date between scroll-bar updates: every
// displayed item is either counted with its right edge, or uncounted: pending
// (on the list, still to be measured and counted at the next update) or
// bounded (its right edge is at most `bound`, which is at most the widest
// counted edge, so it cannot be the extent).
struct ExtentIndex {
    bool valid = false;
    ExtentParams params;
    WidthCounter widths;
    int bound = 0;
    std::vector<TreeNode*> pending; // may hold stale entries; the node flag decides
};

// Storage that the record's fields refer to; constructed first.
struct TreeStorage {
    NodePool m_nodes;
    LabelStore m_labels;
    ExtentIndex m_extent;
    // All items are being freed: labels go with the label store's reset.
    bool m_bFreeingAll = false;
    // TVN_DELETEITEMA is sent (TVM_SETDELETENOTIFY).
    bool m_bDeleteNotify = true;
};

struct TreeData : TreeStorage {
    TreeData();

    HWND m_hWnd = nullptr;
    WNDPROC m_pfnPrevWndProc = nullptr;
    TreeNode& m_root;
    int m_nCount = 0;
    TreeCompareProc m_pfnCompare = CompareItemText;
    TreeDeleteHook m_pfnOnDelete = OnDeleteNode;
    void* m_pHookData = this;
    int m_nVisibleCount = 0;
    int m_nHorzExtent = 0;
    int m_nTopIndex = 0;
    int m_nHorzPos = 0;
    TreeNode* m_pFirstVisible = nullptr;
    TreeNode* m_pCaret = nullptr;
    TreeNode* m_pEditItem = nullptr;
    TreeNode* m_pDropHilite = nullptr;
    HWND m_hwndEdit = nullptr;
    BYTE m_bRedraw = 1;
    UINT m_nItemHeight = 0;
    UINT m_nIndent = 19;
    UINT m_nButtonSize = 9;
    int m_nButtonOffset = 5;
    UINT m_nSignArm = 2;
    HIMAGELIST m_himlNormal = nullptr;
    HIMAGELIST m_himlState = nullptr;
    BYTE m_bInScrollUpdate = 0;
    BYTE m_bRedrawPending = 0;
    TreeNode* m_pPressed = nullptr;
    BYTE m_bTracking = 0;
    BYTE m_bLeftButton = 0;
    POINT m_ptDown;
    TreeNode* m_pDragItem = nullptr;
    // Messages being answered, nested ones included.
    int m_nMessageDepth = 0;
};

// The counters agree with each other and with the first visible item:
// asserted whenever the control has answered a message (a full recount is
// the property test's).
inline bool CountsAgree(const TreeData* td)
{
    const bool rowsFit = td->m_nVisibleCount >= 0 && td->m_nVisibleCount <= td->m_nCount;
    const bool topFits = td->m_nVisibleCount == 0
        ? td->m_nTopIndex == 0 && !td->m_pFirstVisible
        : td->m_nTopIndex >= 0 && td->m_nTopIndex < td->m_nVisibleCount && td->m_pFirstVisible;
    return td->m_root.nChildren <= td->m_nCount && rowsFit && topFits;
}

// Sets the indent (at least 15) and the expand-button geometry derived from
// it: at attachment, by TVM_SETINDENT and with the normal image list.
void SetIndentGeometry(TreeData* td, UINT indent);

// Timer ids of the control window.
constexpr UINT_PTR kEditTimer = 1345;
constexpr UINT_PTR kScrollTimer = 1346;
