// Item labels. A label is either a copy in the tree's label store or, with
// TVIF_TEXTREF, the caller's own bytes kept by reference: the views label
// their items with entity texts that the document keeps for longer than the
// items live, and a copy of each would double the memory of a large file.
#pragma once

#include "treectrl/TreeData.h"

#include <cstddef>
#include <string>

// The longest label in bytes. TVM_GETITEMA hands a label back whole when
// cchTextMax, an int, exceeds its length, so labels stay below INT_MAX; a
// longer text is cut to this length.
std::size_t MaxLabelLength();
// Lowers the limit, for tests of the cut; 0 restores it.
void SetMaxLabelLength(std::size_t length);

// Gives q the label of an item's text fields (TVIF_TEXT, with TVIF_TEXTREF
// for a borrowed one); a null pszText gives no label. False when a copy
// finds no memory: q then has no label.
bool AssignNodeLabel(TreeData* td, TreeNode* q, const TVITEM& item);
// Frees the label of a node, if it owns one.
void FreeNodeLabel(TreeData* td, TreeNode* q);
// q's label zero-terminated, for a receiver of a plain string.
std::string NodeLabelString(const TreeNode* q);
