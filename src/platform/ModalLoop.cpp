// Modal loops: a nested Qt event loop per modal window; the owner is
// disabled meanwhile. Idle processing goes on inside (the dispatcher's
// about-to-block signal fires in nested loops too).
#include "platform/MessageLoop.h"
#include "platform/internal/MessagePump.h"

#include "platform/Window.h"
#include "platform/internal/WindowRecord.h"

#include <QEventLoop>
#include <QWidget>

#include <map>

namespace {

struct ModalRun {
    QEventLoop* loop = nullptr;
    int result = 0;
    bool ended = false;
};

std::map<HWND, ModalRun>& Runs()
{
    static std::map<HWND, ModalRun> runs;
    return runs;
}

} // namespace

int RunModalLoop(HWND modal, HWND owner)
{
    WindowRecord* rec = LiveWindow(modal);
    if (!rec)
        return -1;
    ModalRun& run = Runs()[modal];
    const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (ownerWasEnabled)
        EnableWindow(owner, FALSE);
    if (!run.ended) {
        if (rec->widget->isWindow() && !rec->widget->isVisible())
            rec->widget->setWindowModality(Qt::ApplicationModal);
        if (!IsWindowVisible(modal))
            ShowWindow(modal, SW_SHOW);
        QEventLoop loop;
        Runs()[modal].loop = &loop;
        loop.exec();
    }
    const ModalRun finished = Runs()[modal];
    Runs().erase(modal);
    if (ownerWasEnabled && LiveWindow(owner))
        EnableWindow(owner, TRUE);
    // Ended by a quit request rather than by EndModalLoop: cancelled.
    return finished.ended ? finished.result : IDCANCEL;
}

void EndModalLoopOfDestroyedWindow(HWND hwnd)
{
    auto it = Runs().find(hwnd);
    if (it != Runs().end() && it->second.loop && !it->second.ended)
        EndModalLoop(hwnd, IDCANCEL);
}

void EndModalLoop(HWND modal, int result)
{
    ModalRun& run = Runs()[modal];
    run.result = result;
    run.ended = true;
    if (run.loop)
        run.loop->exit(0);
}
