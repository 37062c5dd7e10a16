// Idle calls: when the event loop is about to wait, the idle handler runs
// with a growing count; while it asks for more the loop is woken so that it
// comes round again (handling whatever input arrived meanwhile). A handler
// that said no is left alone until a message starts a new idle period.
#include "platform/WinMessages.h"
#include "platform/internal/MessagePump.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QObject>

namespace {

IdleHandler g_handler;
long g_count = 0;
bool g_wanted = true;
bool g_inHandler = false;
QPoint g_lastMovePos{-1, -1};

void OnAboutToBlock()
{
    if (!g_handler || !g_wanted || g_inHandler || PostedMessagesWaiting())
        return;
    IdleHandler handler = g_handler;
    g_inHandler = true;
    const bool more = handler(g_count++);
    g_inHandler = false;
    if (more) {
        if (auto* dispatcher = QAbstractEventDispatcher::instance())
            dispatcher->wakeUp();
    } else {
        g_wanted = false;
    }
}

} // namespace

void SetIdleHandler(IdleHandler handler)
{
    g_handler = std::move(handler);
    g_count = 0;
    g_wanted = true;
    if (g_handler) {
        if (auto* dispatcher = QAbstractEventDispatcher::instance())
            dispatcher->wakeUp();
    }
}

void NoteMessageProcessed(const MSG& msg)
{
    // Painting, and a mouse move that did not move, belong to the idle
    // period that caused them rather than ending it.
    if (msg.message == WM_PAINT)
        return;
    if (msg.message == WM_MOUSEMOVE) {
        const QPoint pos(msg.pt.x, msg.pt.y);
        if (pos == g_lastMovePos)
            return;
        g_lastMovePos = pos;
    }
    StartIdlePeriod();
}

void StartIdlePeriod()
{
    // Called while an event is handled: the loop comes to its idle call
    // once that is done.
    g_count = 0;
    g_wanted = true;
}

void StartIdleProcessing()
{
    static bool connected = false;
    auto* dispatcher = QAbstractEventDispatcher::instance();
    if (connected || !dispatcher)
        return;
    connected = true;
    QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, dispatcher, &OnAboutToBlock);
}
