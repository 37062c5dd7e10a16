// The inner side of the message pump, for the event bridge, timers and
// posted messages: every message that goes through the pump is offered to
// the pre-translation filter and then dispatched.
#pragma once

#include "platform/MessageLoop.h"

#include <QPoint>

#include <vector>

// Stamps time and mouse position, runs the filter, dispatches when the
// filter does not consume it, and notes the message for idle processing.
void DeliverThroughPump(MSG& msg);
// The screen position recorded with the last input event.
void NoteMessagePosition(QPoint globalPos);
QPoint LastMessagePosition();
bool PostedMessagesWaiting();
// The WM_CHAR messages of a key press: queued before its WM_KEYDOWN is
// delivered (PeekMessageA finds them), delivered after it unless a handler
// took them out.
void QueueTypedChars(const std::vector<MSG>& chars);
void DeliverTypedChars();
// An event or posted message dropped for lack of memory: tells the handler.
void NoteMemoryFailure();

// A modal loop whose window is destroyed ends as cancelled (ModalLoop.cpp).
void EndModalLoopOfDestroyedWindow(HWND hwnd);

// Idle bookkeeping (IdleProcessing.cpp).
void NoteMessageProcessed(const MSG& msg);
// Starts a new idle period, as a processed message does.
void StartIdlePeriod();
void StartIdleProcessing();
