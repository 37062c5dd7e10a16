// Focus, capture loss and the control's two timers.
#pragma once

#include "treectrl/TreeData.h"

void OnSetFocus(TreeData* td);
void OnKillFocus(TreeData* td);
void OnCaptureChanged(TreeData* td);
void OnTimer(TreeData* td, UINT_PTR id);
