// Focus, capture and input state shared by the window manager and the
// event bridge.
#pragma once

#include "platform/internal/WindowRecord.h"

#include <QPoint>

class QInputEvent;

// Focus and capture are dropped without notifying anyone but the windows
// losing them when a window that holds them, or an ancestor, is destroyed.
void ForgetFocusAndCaptureInside(HWND hwnd);

// While one exists, focus changes that Qt reports are not turned into
// messages: the platform itself is moving the focus.
class QtFocusChangeGuard {
public:
    QtFocusChangeGuard();
    ~QtFocusChangeGuard();
    QtFocusChangeGuard(const QtFocusChangeGuard&) = delete;
    QtFocusChangeGuard& operator=(const QtFocusChangeGuard&) = delete;
    static bool active();
};

// Moves the logical focus to `hwnd` as SetFocus does, without touching Qt's
// focus (the bridge calls it when Qt has moved the focus already).
void ChangeLogicalFocus(HWND hwnd, bool throughPump);

// Keyboard and mouse-button state, kept from the input events the bridge
// sees, for GetKeyState and the MK_* flags.
void NoteInputEvent(const QInputEvent* event);
void NoteKeyTransition(int virtKey, bool down);
WPARAM MouseKeyFlags();
