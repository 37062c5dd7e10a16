#include "support/TreeItems.h"

namespace testsupport {

HTREEITEM InsertTreeItem(HWND tree, HTREEITEM parent, const char* text, HTREEITEM after)
{
    TVINSERTSTRUCT insert{.hParent = parent,
                          .hInsertAfter = after,
                          .item = {.mask = TVIF_TEXT, .pszText = const_cast<char*>(text)}};
    return TreeView_InsertItem(tree, &insert);
}

std::vector<HTREEITEM> TreeChildren(HWND tree, HTREEITEM parent)
{
    std::vector<HTREEITEM> items;
    for (HTREEITEM item = TreeView_GetNextItem(tree, parent, parent ? TVGN_CHILD : TVGN_ROOT); item;
         item = TreeView_GetNextItem(tree, item, TVGN_NEXT))
        items.push_back(item);
    return items;
}

std::string TreeLabel(HWND tree, HTREEITEM item)
{
    std::vector<char> buffer;
    return std::string(TreeView_GetItemLabel(tree, item, buffer));
}

std::vector<std::string> TreeLabels(HWND tree, HTREEITEM parent)
{
    std::vector<std::string> labels;
    for (HTREEITEM item : TreeChildren(tree, parent))
        labels.push_back(TreeLabel(tree, item));
    return labels;
}

HTREEITEM TreeRootOf(HWND tree, const std::string& labelStart)
{
    for (HTREEITEM item : TreeChildren(tree))
        if (TreeLabel(tree, item).rfind(labelStart, 0) == 0)
            return item;
    return nullptr;
}

HTREEITEM TreeCaret(HWND tree)
{
    return TreeView_GetNextItem(tree, nullptr, TVGN_CARET);
}

UINT TreeState(HWND tree, HTREEITEM item)
{
    TVITEM tvi{.mask = TVIF_STATE, .hItem = item};
    TreeView_GetItem(tree, &tvi);
    return tvi.state;
}

} // namespace testsupport
