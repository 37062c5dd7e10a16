#include "framework/MemoryFailure.h"

#include "framework/WinApp.h"
#include "framework/Wnd.h"
#include "platform/MessageLoop.h"

namespace {

bool g_bReportPending = false;

} // namespace

void ReportOutOfMemory()
{
    g_bReportPending = true;
}

void ForgetOutOfMemoryReport()
{
    g_bReportPending = false;
}

bool ShowPendingOutOfMemoryReport()
{
    if (!g_bReportPending)
        return false;
    g_bReportPending = false;
    CWinApp* app = AfxGetApp();
    CWnd* owner = app ? app->m_pMainWnd : nullptr;
    const std::string caption = app ? app->m_strAppName : std::string();
    MessageBoxA(owner ? owner->GetSafeHwnd() : nullptr, "Not enough memory: the operation was abandoned.",
                caption.c_str(), MB_OK | MB_ICONERROR);
    return true;
}
