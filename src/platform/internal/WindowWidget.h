// The widget behind every window: it hands each Qt event to the event
// bridge first, which turns it into messages; what the bridge leaves alone
// gets Qt's own handling.
#pragma once

#include "platform/WinTypes.h"
#include "platform/internal/MessagePump.h"

#include <QEvent>
#include <QLineEdit>
#include <QWidget>

#include <new>

// Returns true when the bridge has handled the event completely.
bool BridgeEvent(HWND hwnd, QWidget* widget, QEvent* event);

template <class Base>
class BridgedWidget : public Base {
public:
    BridgedWidget(HWND hwnd, QWidget* parent) : Base(parent), m_hwnd(hwnd) { }

    HWND hwnd() const { return m_hwnd; }
    // Called when the window is destroyed; the widget itself goes later.
    void detach() { m_hwnd = nullptr; }
    // Qt's own handling of an event, for a class procedure's default work.
    bool baseEvent(QEvent* event) { return Base::event(event); }

protected:
    bool event(QEvent* event) override
    {
        try {
            if (m_hwnd && BridgeEvent(m_hwnd, this, event))
                return true;
        } catch (const std::bad_alloc&) {
            NoteMemoryFailure();
            return true;
        }
        return Base::event(event);
    }

private:
    HWND m_hwnd;
};

using WindowWidget = BridgedWidget<QWidget>;
using EditWidget = BridgedWidget<QLineEdit>;
