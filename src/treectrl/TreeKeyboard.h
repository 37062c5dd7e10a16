// Keyboard input (WM_KEYDOWN).
#pragma once

#include "treectrl/TreeData.h"

LRESULT OnKeyDown(TreeData* td, WPARAM key);
