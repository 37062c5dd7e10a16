// Filling and reading a tree control through its messages, as the views
// do: for the tests of the control and of the layers above it, and for the
// benchmarks.
#pragma once

#include "platform/TreeViewMessages.h"

#include <string>
#include <vector>

namespace testsupport {

// A new item with this label (the text only).
HTREEITEM InsertTreeItem(HWND tree, HTREEITEM parent, const char* text, HTREEITEM after = TVI_LAST);
// The children of parent in order; the roots for null.
std::vector<HTREEITEM> TreeChildren(HWND tree, HTREEITEM parent = nullptr);
std::string TreeLabel(HWND tree, HTREEITEM item);
std::vector<std::string> TreeLabels(HWND tree, HTREEITEM parent = nullptr);
// The first root whose label starts with this text; null when there is none.
HTREEITEM TreeRootOf(HWND tree, const std::string& labelStart);
HTREEITEM TreeCaret(HWND tree);
UINT TreeState(HWND tree, HTREEITEM item);

} // namespace testsupport
