#pragma once

#include "platform/internal/WindowRecord.h"

class QWheelEvent;

// Width of a vertical bar, height of a horizontal one (SM_CXVSCROLL).
int ScrollBarExtent();
// Creates the bar widgets that the window's style or scroll info asks for.
void EnsureScrollBarWidgets(WindowRecord* rec);
// The bridge hands wheel turns on a bar to the window (EventBridge.cpp).
void DeliverWheel(HWND hwnd, QWheelEvent* event);
