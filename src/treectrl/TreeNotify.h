// Notifications to the parent window.
#pragma once

#include "treectrl/TreeData.h"

LRESULT SendTreeNotify(TreeData* td, UINT code, NMTREEVIEW* nm);
LRESULT SendDispInfoNotify(TreeData* td, UINT code, NMTVDISPINFO* nm);
void FillNotifyItem(TVITEM* item, const TreeNode* node, UINT mask);
constexpr UINT kNotifyItemMask = TVIF_HANDLE | TVIF_STATE | TVIF_PARAM;
