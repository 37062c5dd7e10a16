// Keyboard and mouse-button state as the input events left it, system
// metrics, times and the beep.
#include "platform/internal/FocusState.h"

#include "platform/TestHooks.h"
#include "platform/internal/LockKeys.h"
#include "platform/internal/ScrollBars.h"

#include <QApplication>
#include <QGuiApplication>
#include <QInputEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QStyleHints>

#include <chrono>
#include <set>

namespace {

Qt::KeyboardModifiers g_modifiers;
Qt::MouseButtons g_buttons;
std::set<int> g_keysDown;
unsigned long g_beeps = 0;

bool ModifierDown(int virtKey)
{
    switch (virtKey) {
    case VK_CONTROL:
        return g_modifiers.testFlag(Qt::ControlModifier);
    case VK_SHIFT:
        return g_modifiers.testFlag(Qt::ShiftModifier);
    case VK_MENU:
        return g_modifiers.testFlag(Qt::AltModifier);
    default:
        return false;
    }
}

Qt::KeyboardModifier ModifierOfKey(int virtKey)
{
    switch (virtKey) {
    case VK_CONTROL:
        return Qt::ControlModifier;
    case VK_SHIFT:
        return Qt::ShiftModifier;
    case VK_MENU:
        return Qt::AltModifier;
    default:
        return Qt::NoModifier;
    }
}

} // namespace

void NoteInputEvent(const QInputEvent* event)
{
    g_modifiers = event->modifiers();
    if (auto* mouse = dynamic_cast<const QMouseEvent*>(event))
        g_buttons = mouse->buttons();
}

void NoteKeyTransition(int virtKey, bool down)
{
    // A modifier key's own event reports the modifier state from before it,
    // so the key itself sets its modifier.
    if (Qt::KeyboardModifier modifier = ModifierOfKey(virtKey))
        g_modifiers.setFlag(modifier, down);
    NoteLockKeysMayHaveChanged();
    if (down)
        g_keysDown.insert(virtKey);
    else
        g_keysDown.erase(virtKey);
}

void SetKeyStateForTest(int virtKey, bool down)
{
    NoteKeyTransition(virtKey, down);
}

WPARAM MouseKeyFlags()
{
    WPARAM flags = 0;
    if (g_buttons.testFlag(Qt::LeftButton))
        flags |= MK_LBUTTON;
    if (g_buttons.testFlag(Qt::RightButton))
        flags |= MK_RBUTTON;
    if (g_buttons.testFlag(Qt::MiddleButton))
        flags |= MK_MBUTTON;
    if (g_buttons.testFlag(Qt::BackButton))
        flags |= MK_XBUTTON1;
    if (g_buttons.testFlag(Qt::ForwardButton))
        flags |= MK_XBUTTON2;
    if (g_modifiers.testFlag(Qt::ShiftModifier))
        flags |= MK_SHIFT;
    if (g_modifiers.testFlag(Qt::ControlModifier))
        flags |= MK_CONTROL;
    return flags;
}

short GetKeyState(int virtKey)
{
    bool down = false;
    switch (virtKey) {
    case VK_CONTROL:
    case VK_SHIFT:
    case VK_MENU:
        down = ModifierDown(virtKey);
        break;
    case VK_LBUTTON:
        down = g_buttons.testFlag(Qt::LeftButton);
        break;
    case VK_RBUTTON:
        down = g_buttons.testFlag(Qt::RightButton);
        break;
    default:
        down = g_keysDown.count(virtKey) != 0;
        break;
    }
    // The low bit: the key's lock is on.
    return static_cast<short>((down ? 0x8000 : 0) | (LockKeyToggled(virtKey) ? 1 : 0));
}

BOOL MessageBeep(UINT)
{
    ++g_beeps;
    QApplication::beep();
    return TRUE;
}

unsigned long MessageBeepCount()
{
    return g_beeps;
}

int GetSystemMetrics(int index)
{
    switch (index) {
    case SM_CXSCREEN:
    case SM_CYSCREEN: {
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen)
            return 0;
        return index == SM_CXSCREEN ? screen->geometry().width() : screen->geometry().height();
    }
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
        return ScrollBarExtent();
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
        return 4;
    case SM_CXDRAG:
    case SM_CYDRAG:
        return 4;
    default:
        return 0;
    }
}

UINT GetDoubleClickTime()
{
    return static_cast<UINT>(QGuiApplication::styleHints()->mouseDoubleClickInterval());
}

DWORD GetTickCount()
{
    using namespace std::chrono;
    return static_cast<DWORD>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}
