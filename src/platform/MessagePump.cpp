// The pump: pre-translation filter, dispatch, the queue of posted messages,
// the main loop and the test helpers that run it.
#include "platform/internal/MessagePump.h"

#include "platform/PeekMessage.h"
#include "platform/internal/WindowRecord.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QObject>
#include <QTimer>

#include <deque>
#include <new>

namespace {

MessageFilter g_filter;
MemoryFailureHandler g_memoryFailureHandler;
std::deque<MSG> g_posted;
std::deque<MSG> g_typed;
bool g_deliveryScheduled = false;
QPoint g_lastPos;

const QEvent::Type kDeliverPosted = static_cast<QEvent::Type>(QEvent::User + 0x4C4D);

void DeliverPostedBatch();

// Receives the one event that stands for "posted messages are waiting".
class PostedMessageCourier : public QObject {
public:
    bool event(QEvent* e) override
    {
        if (e->type() != kDeliverPosted)
            return QObject::event(e);
        g_deliveryScheduled = false;
        try {
            DeliverPostedBatch();
        } catch (const std::bad_alloc&) {
            NoteMemoryFailure();
        }
        return true;
    }
};

PostedMessageCourier& Courier()
{
    static PostedMessageCourier* courier = new PostedMessageCourier;
    return *courier;
}

void ScheduleDelivery()
{
    if (g_deliveryScheduled || !QCoreApplication::instance())
        return;
    g_deliveryScheduled = true;
    QCoreApplication::postEvent(&Courier(), new QEvent(kDeliverPosted));
}

// Messages posted while a batch runs wait for the next batch, so that input
// and painting get their turn between them.
void DeliverPostedBatch()
{
    size_t count = g_posted.size();
    while (count-- > 0 && !g_posted.empty()) {
        MSG msg = g_posted.front();
        g_posted.pop_front();
        if (msg.hwnd && !LiveWindow(msg.hwnd))
            continue;
        DeliverThroughPump(msg);
    }
    if (!g_posted.empty())
        ScheduleDelivery();
}

} // namespace

void SetMessageFilter(MessageFilter filter)
{
    g_filter = std::move(filter);
}

void NoteMessagePosition(QPoint globalPos)
{
    g_lastPos = globalPos;
}

QPoint LastMessagePosition()
{
    return g_lastPos;
}

DWORD GetMessagePos()
{
    return static_cast<DWORD>(MAKELPARAM(g_lastPos.x(), g_lastPos.y()));
}

bool PostedMessagesWaiting()
{
    return !g_posted.empty();
}

void QueueTypedChars(const std::vector<MSG>& chars)
{
    g_typed.assign(chars.begin(), chars.end());
}

void DeliverTypedChars()
{
    while (!g_typed.empty()) {
        MSG msg = g_typed.front();
        g_typed.pop_front();
        if (!LiveWindow(msg.hwnd))
            continue;
        DeliverThroughPump(msg);
    }
}

BOOL PeekMessageA(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeMsg)
{
    const bool anyMessage = filterMin == 0 && filterMax == 0;
    auto matches = [&](const MSG& m) {
        return (!hwnd || m.hwnd == hwnd)
            && (anyMessage || (m.message >= filterMin && m.message <= filterMax));
    };
    for (std::deque<MSG>* queue : {&g_typed, &g_posted}) {
        for (auto it = queue->begin(); it != queue->end(); ++it) {
            if (!matches(*it))
                continue;
            if (msg)
                *msg = *it;
            if (removeMsg & PM_REMOVE)
                queue->erase(it);
            return TRUE;
        }
    }
    return FALSE;
}

void DeliverThroughPump(MSG& msg)
{
    msg.time = GetTickCount();
    msg.pt = POINT{g_lastPos.x(), g_lastPos.y()};
    NoteMessageProcessed(msg);
    if (g_filter) {
        // A copy: the filter may replace itself while it runs.
        MessageFilter filter = g_filter;
        if (filter(msg))
            return;
    }
    DispatchMessageA(&msg);
}

LRESULT DispatchMessageA(const MSG* msg)
{
    if (!msg)
        return 0;
    if (msg->message == WM_TIMER && msg->lParam) {
        auto proc = reinterpret_cast<TIMERPROC>(msg->lParam);
        if (!msg->hwnd || LiveWindow(msg->hwnd))
            proc(msg->hwnd, WM_TIMER, msg->wParam, GetTickCount());
        return 0;
    }
    return SendMessageA(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

BOOL PostMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (hwnd && !LiveWindow(hwnd))
        return FALSE;
    MSG msg;
    msg.hwnd = hwnd;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    g_posted.push_back(msg);
    ScheduleDelivery();
    return TRUE;
}

int RunMessageLoop()
{
    return QCoreApplication::exec();
}

void PostQuitMessage(int exitCode)
{
    // Queued behind what is waiting now, as a quit message would be.
    QTimer::singleShot(0, QCoreApplication::instance(), [exitCode] { QCoreApplication::exit(exitCode); });
}

void SetMemoryFailureHandler(MemoryFailureHandler handler)
{
    g_memoryFailureHandler = std::move(handler);
}

void NoteMemoryFailure()
{
    if (g_memoryFailureHandler)
        g_memoryFailureHandler();
}

void PumpWaitingMessages()
{
    // Twice: delivering the first round (posted messages, input) can post
    // the paint requests that the second round carries out.
    for (int round = 0; round < 2; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

bool PumpUntil(const std::function<bool()>& done, int timeoutMs)
{
    if (done())
        return true;
    QEventLoop loop;
    bool reached = false;
    QTimer poll;
    poll.setInterval(1);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done()) {
            reached = true;
            loop.quit();
        }
    });
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] { loop.quit(); });
    poll.start();
    deadline.start(timeoutMs);
    loop.exec();
    return reached || done();
}
