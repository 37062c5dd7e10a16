#include "treectrl/TreeData.h"

#include "treectrl/TreeOps.h"

TreeData::TreeData() : m_root(m_nodes.Root())
{
    SetIndentGeometry(this, 19);
}
