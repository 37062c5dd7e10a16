// Item handles are node addresses. This is the one place where handles and
// nodes are converted into each other; a handle from outside is checked
// against the tree's own node pool before it is used.
#pragma once

#include "treectrl/TreeData.h"

inline HTREEITEM ItemHandle(const TreeNode* node)
{
    return reinterpret_cast<HTREEITEM>(const_cast<TreeNode*>(node));
}

// The node a handle names: null for a null handle; false when the handle is
// not null and names no live item of this tree (a special value such as
// TVI_ROOT included, which callers test first where it has a meaning).
inline bool ResolveItem(const TreeData* td, HTREEITEM handle, TreeNode** node)
{
    *node = nullptr;
    if (!handle)
        return true;
    *node = td->m_nodes.Find(handle);
    return *node != nullptr;
}
