// Measures the whole program on one IFC file, the way a user starts it:
//
//     app_bench [FILE.ifc]          (default /tmp/big40.ifc)
//
// The application object, main frame and views are the real ones, started
// as main() starts them with FILE on the command line. Printed, from the
// start of the process: the window on the screen, the upper tree built and
// then painted; after that the inverse computation complete; meanwhile the
// time a key press waits before the tree gets it (keys are posted from
// another thread every 15 ms, as the window system's reader thread does),
// and the longest idle pass; the processor time of both phases, which a
// busy machine does not inflate as it does the wall time. Last the peak
// resident memory against the file's size. Run with QT_QPA_PLATFORM=offscreen or on a (virtual) X
// display. The settings go to a temporary folder, never the user's.
#include "BenchSupport.h"
#include "app/KantorApp.h"
#include "app/MainFrame.h"
#include "model/KantorDoc.h"
#include "platform/MessageLoop.h"
#include "platform/qt/QtBridge.h"
#include "views/KantorDocument.h"
#include "views/KantorView.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QSettings>
#include <QWidget>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// Seconds on the boot-time clock, the clock the process start is given in.
double Now()
{
    timespec ts;
    clock_gettime(CLOCK_BOOTTIME, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

// Processor seconds of this thread so far: an idle pass's own work, which
// other processes of a busy machine do not stretch.
double ThreadProcessorSeconds()
{
    timespec ts;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

// Processor seconds of the process so far, user and system.
double ProcessorSeconds()
{
    timespec ts;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

double ProcessStart()
{
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 22; ++i)
        fields >> field;
    return std::stod(field) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

struct Times {
    double fStart = ProcessStart();
    double fShown = 0;
    double fBuilt = 0;
    double fPainted = 0;
    double fComplete = 0;
    double fLongestIdle = 0;
    double fLongestIdleCpu = 0;
    double fCpuPainted = 0;
    double fCpuComplete = 0;
    long nRssBuilt = 0;
};
Times g_times;

std::mutex g_keyMutex;
std::vector<double> g_keyPosted;
std::vector<double> g_keyLatencies;
WNDPROC g_treeProc = nullptr;

LRESULT TreeProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_KEYDOWN) {
        std::lock_guard<std::mutex> lock(g_keyMutex);
        if (g_keyLatencies.size() < g_keyPosted.size())
            g_keyLatencies.push_back(Now() - g_keyPosted[g_keyLatencies.size()]);
    }
    const LRESULT result = CallWindowProcA(g_treeProc, hwnd, msg, wParam, lParam);
    if (msg == WM_PAINT && g_times.fBuilt > 0 && g_times.fPainted == 0) {
        g_times.fPainted = Now();
        g_times.fCpuPainted = ProcessorSeconds();
    }
    return result;
}

class CBenchApp : public CKantorApp {
public:
    CDocument* OpenDocumentFile(const char* lpszFileName) override
    {
        CDocument* pDocument = CKantorApp::OpenDocumentFile(lpszFileName);
        g_times.fBuilt = Now();
        g_times.nRssBuilt = ProcessStatusKb("VmRSS:");
        return pDocument;
    }

    BOOL OnIdle(long lCount) override
    {
        // Passes after the one that opened the file: the computation's.
        const bool bComputing = g_times.fBuilt > 0 && g_times.fComplete == 0;
        const double fStart = Now();
        const double fCpuStart = ThreadProcessorSeconds();
        const BOOL bMore = CKantorApp::OnIdle(lCount);
        const double fEnd = Now();
        if (bComputing) {
            g_times.fLongestIdle = std::max(g_times.fLongestIdle, fEnd - fStart);
            g_times.fLongestIdleCpu = std::max(g_times.fLongestIdleCpu, ThreadProcessorSeconds() - fCpuStart);
            if (!bMore) {
                g_times.fComplete = fEnd;
                g_times.fCpuComplete = ProcessorSeconds();
            }
        }
        if (g_times.fComplete > 0 && g_times.fPainted > 0 && !bMore)
            PostQuitMessage(0);
        return bMore;
    }
};

} // namespace

int main(int argc, char** argv)
{
    const std::string strFile = argc > 1 ? argv[1] : "/tmp/big40.ifc";
    std::error_code ec;
    const auto nFileBytes = std::filesystem::file_size(strFile, ec);
    if (ec) {
        std::fprintf(stderr, "app_bench: cannot read %s\n", strFile.c_str());
        return 1;
    }
    char settings[] = "/tmp/lumenor-bench-XXXXXX";
    if (!mkdtemp(settings))
        return 1;

    CBenchApp app;
    if (!InitPlatform(argc, argv))
        return 1;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings);
    app.SetCommandLine({"lumenor", strFile});
    if (!app.InitInstance())
        return 1;
    g_times.fShown = Now();

    HWND hTree = app.GetMainFrame()->GetUpperView()->GetTreeHwnd();
    g_treeProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hTree, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&TreeProc)));

    // Keys pressed while the inverse computation runs.
    QPointer<QWidget> treeWidget = WidgetOfWindow(hTree);
    // The first key event makes Qt's keyboard device; that must happen on
    // this thread.
    QKeyEvent(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    std::atomic<bool> bStop{false};
    std::thread keys([&] {
        while (!bStop) {
            std::this_thread::sleep_for(std::chrono::milliseconds(15));
            if (g_times.fPainted == 0 || g_times.fComplete > 0)
                continue;
            {
                std::lock_guard<std::mutex> lock(g_keyMutex);
                g_keyPosted.push_back(Now());
            }
            QCoreApplication::postEvent(treeWidget.data(),
                                        new QKeyEvent(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier));
            QCoreApplication::postEvent(treeWidget.data(),
                                        new QKeyEvent(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier));
        }
    });
    RunMessageLoop();
    bStop = true;
    keys.join();

    const Times& t = g_times;
    const double fMb = static_cast<double>(nFileBytes) / 1e6;
    std::printf("file                      %s, %.1f MB, %zu entities\n", strFile.c_str(), fMb,
                dynamic_cast<CKantorDocument*>(app.GetMainFrame()->GetActiveDocument())
                    ->GetKantorDoc()
                    .GetEntityMap()
                    .GetCount());
    std::printf("window shown              %6.3f s after process start\n", t.fShown - t.fStart);
    std::printf("upper tree built          %6.3f s after process start\n", t.fBuilt - t.fStart);
    std::printf("upper tree painted        %6.3f s after process start\n", t.fPainted - t.fStart);
    std::printf("inverse complete          %6.3f s after the tree was painted\n", t.fComplete - t.fPainted);
    std::printf("processor to painted      %6.3f s, user and system\n", t.fCpuPainted);
    std::printf("processor for inverse     %6.3f s, user and system\n", t.fCpuComplete - t.fCpuPainted);
    std::printf("longest idle pass         %6.2f ms while computing\n", t.fLongestIdle * 1e3);
    std::printf("longest idle processor    %6.2f ms while computing\n", t.fLongestIdleCpu * 1e3);
    std::vector<double> latencies = g_keyLatencies;
    std::sort(latencies.begin(), latencies.end());
    if (!latencies.empty())
        std::printf("keys during computation   %zu, waited median %.2f ms, longest %.2f ms\n",
                    latencies.size(), latencies[latencies.size() / 2] * 1e3, latencies.back() * 1e3);
    const long nPeakKb = ProcessStatusKb("VmHWM:");
    std::printf("resident after the build  %6.0f MB\n", static_cast<double>(t.nRssBuilt) * 1024.0 / 1e6);
    std::printf("peak resident             %6.0f MB = %.2f x the file\n",
                static_cast<double>(nPeakKb) * 1024.0 / 1e6,
                static_cast<double>(nPeakKb) * 1024.0 / static_cast<double>(nFileBytes));
    app.GetMainFrame()->DestroyWindow();
    std::filesystem::remove_all(settings, ec);
    return 0;
}
