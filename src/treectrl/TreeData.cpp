#include "treectrl/TreeData.h"

#include <algorithm>

TreeData::TreeData() : m_root(m_nodes.Root())
{
    SetIndentGeometry(this, 19);
}

void SetIndentGeometry(TreeData* td, UINT indent)
{
    td->m_nIndent = std::max<UINT>(indent, 15);
    int cx = 0;
    int cy = 0;
    if (!td->m_hWnd || !td->m_himlNormal) {
        td->m_nButtonSize = td->m_nIndent > 15 ? 9 : 7;
        td->m_nButtonOffset = td->m_nButtonSize == 9 ? static_cast<int>(td->m_nIndent - 8) / 2 : 4;
        td->m_nSignArm = 2;
        return;
    }
    if (!ImageList_GetIconSize(td->m_himlNormal, &cx, &cy)) {
        td->m_nButtonSize = 1;
        td->m_nButtonOffset = 0;
        td->m_nSignArm = 0;
        return;
    }
    const int m = std::min(cx, cy);
    const UINT size = static_cast<UINT>(2 * (m / 4) + 1);
    td->m_nButtonSize = size;
    td->m_nButtonOffset = cx / 2 - m / 4;
    if (size < 3)
        td->m_nSignArm = 0;
    else if (size < 5)
        td->m_nSignArm = 1;
    else if (size < 11)
        td->m_nSignArm = 2;
    else if (size < 13)
        td->m_nSignArm = 3;
    else if (size < 17)
        td->m_nSignArm = 4;
    else
        td->m_nSignArm = size / 3;
    const int needed = static_cast<int>(size) + 2 * td->m_nButtonOffset;
    if (needed > 0)
        td->m_nIndent = std::max(td->m_nIndent, static_cast<UINT>(needed));
}
