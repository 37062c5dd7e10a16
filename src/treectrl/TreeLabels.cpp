#include "treectrl/TreeLabels.h"

#include "treectrl/EntityTreeCtrl.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

constexpr std::size_t kLabelLimit = INT_MAX - 1;
std::size_t g_nMaxLabelLength = kLabelLimit;

} // namespace

std::size_t MaxLabelLength()
{
    return g_nMaxLabelLength;
}

void SetMaxLabelLength(std::size_t length)
{
    g_nMaxLabelLength = length == 0 ? kLabelLimit : std::min(length, kLabelLimit);
}

bool AssignNodeLabel(TreeData* td, TreeNode* q, const TVITEM& item)
{
    FreeNodeLabel(td, q);
    if (!item.pszText)
        return true;
    if (item.mask & TVIF_TEXTREF) {
        q->pszText = item.pszText;
        q->cchText = static_cast<int>(
            std::min(static_cast<std::size_t>(std::max(item.cchTextMax, 0)), g_nMaxLabelLength));
        return true;
    }
    const std::size_t length = std::min(std::strlen(item.pszText), g_nMaxLabelLength);
    char* copy = td->m_labels.Copy(item.pszText, length);
    if (!copy)
        return false;
    q->pszText = copy;
    q->cchText = static_cast<int>(length);
    q->bLabelOwned = 1;
    return true;
}

void FreeNodeLabel(TreeData* td, TreeNode* q)
{
    const auto length = static_cast<std::size_t>(q->cchText);
    // Freeing all items drops the label store's blocks at once.
    if (q->bLabelOwned && !td->m_bFreeingAll)
        td->m_labels.Free(const_cast<char*>(static_cast<const char*>(q->pszText)), length);
    q->pszText = nullptr;
    q->cchText = 0;
    q->bLabelOwned = 0;
}

std::string NodeLabelString(const TreeNode* q)
{
    return q->pszText ? std::string(q->pszText, static_cast<std::size_t>(q->cchText)) : std::string();
}
