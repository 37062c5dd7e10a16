// Mouse input: presses, clicks, double clicks, tracking and the drag start.
#pragma once

#include "treectrl/TreeData.h"

void ReleasePress(TreeData* td);
void CancelPress(TreeData* td);
void OnLButtonDown(TreeData* td, POINT pt);
void OnLButtonUp(TreeData* td);
void OnLButtonDblClk(TreeData* td, POINT pt);
void OnRButtonDown(TreeData* td, POINT pt);
void OnRButtonUp(TreeData* td, POINT pt);
void OnMouseMove(TreeData* td, POINT pt);
