// Window timers on Qt timers: each expiry becomes WM_TIMER through the pump
// (with the timer procedure, when one was given, called at dispatch).
#include "platform/internal/Timers.h"

#include "platform/internal/MessagePump.h"
#include "platform/internal/WindowRecord.h"

#include <QObject>
#include <QTimerEvent>

#include <algorithm>
#include <map>
#include <utility>

namespace {

struct TimerEntry {
    HWND hwnd;
    UINT_PTR id;
    TIMERPROC proc;
};

class TimerHost : public QObject {
public:
    UINT_PTR set(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc)
    {
        if (!hwnd)
            id = m_nextThreadTimerId++;
        kill(hwnd, id);
        const int qtId = startTimer(static_cast<int>(std::max<UINT>(elapse, 1)));
        if (!qtId)
            return 0;
        m_byQtId[qtId] = TimerEntry{hwnd, id, proc};
        m_byKey[{hwnd, id}] = qtId;
        return id;
    }

    bool kill(HWND hwnd, UINT_PTR id)
    {
        auto it = m_byKey.find({hwnd, id});
        if (it == m_byKey.end())
            return false;
        killTimer(it->second);
        m_byQtId.erase(it->second);
        m_byKey.erase(it);
        return true;
    }

    void killAll(HWND hwnd)
    {
        for (auto it = m_byKey.begin(); it != m_byKey.end();) {
            if (it->first.first == hwnd) {
                killTimer(it->second);
                m_byQtId.erase(it->second);
                it = m_byKey.erase(it);
            } else {
                ++it;
            }
        }
    }

protected:
    void timerEvent(QTimerEvent* event) override
    {
        auto it = m_byQtId.find(event->timerId());
        if (it == m_byQtId.end())
            return;
        const TimerEntry entry = it->second;
        MSG msg;
        msg.hwnd = entry.hwnd;
        msg.message = WM_TIMER;
        msg.wParam = entry.id;
        msg.lParam = reinterpret_cast<LPARAM>(entry.proc);
        DeliverThroughPump(msg);
    }

private:
    std::map<int, TimerEntry> m_byQtId;
    std::map<std::pair<HWND, UINT_PTR>, int> m_byKey;
    UINT_PTR m_nextThreadTimerId = 0x7F00;
};

TimerHost& Host()
{
    static TimerHost* host = new TimerHost;
    return *host;
}

} // namespace

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc)
{
    if (hwnd && !LiveWindow(hwnd))
        return 0;
    const UINT_PTR result = Host().set(hwnd, id, elapse, proc);
    // A window timer answers its id; 0 would read as failure.
    return hwnd && result == 0 ? 1 : result;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id)
{
    if (hwnd && !LiveWindow(hwnd))
        return FALSE;
    return Host().kill(hwnd, id) ? TRUE : FALSE;
}

void KillWindowTimers(HWND hwnd)
{
    Host().killAll(hwnd);
}
