#include "framework/WinApp.h"

#include "framework/CmdUI.h"
#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/FrameWnd.h"
#include "framework/MemoryFailure.h"
#include "framework/ProfileSettings.h"
#include "framework/RecentFileList.h"
#include "platform/MessageLoop.h"
#include "res/Resource.h"
#include "res/StringTable.h"

#include <cstdio>
#include <filesystem>
#include <new>

namespace {

CWinApp* g_app = nullptr;

} // namespace

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
ON_COMMAND(res::ID_APP_EXIT, &CWinApp::OnAppExit)
ON_COMMAND_RANGE(res::ID_FILE_MRU_FILE1, res::ID_FILE_MRU_LAST, &CWinApp::OnOpenRecentFile)
ON_UPDATE_COMMAND_UI(res::ID_FILE_MRU_FILE1, &CWinApp::OnUpdateRecentFileMenu)
END_MESSAGE_MAP()

CWinApp* AfxGetApp()
{
    return g_app;
}

CWnd* AfxGetMainWnd()
{
    return g_app ? g_app->m_pMainWnd : nullptr;
}

CWinApp::CWinApp(const char* lpszAppName)
    : m_strAppName(lpszAppName ? lpszAppName : res::LoadString(res::AFX_IDS_APP_TITLE))
{
    g_app = this;
    SetMessageFilter([this](MSG& msg) {
        try {
            return PreTranslateMessage(&msg) != FALSE;
        } catch (const std::bad_alloc&) {
            ReportOutOfMemory();
            return true;
        }
    });
    SetMemoryFailureHandler(ReportOutOfMemory);
    SetIdleHandler([this](long count) {
        try {
            return OnIdle(count) != FALSE;
        } catch (const std::bad_alloc&) {
            // Called again at once: the next pass shows the report and goes
            // on with the idle work that was not reached.
            ReportOutOfMemory();
            return true;
        }
    });
}

CWinApp::~CWinApp()
{
    SetIdleHandler(nullptr);
    SetMessageFilter(nullptr);
    SetMemoryFailureHandler(nullptr);
    // Documents and frames still open go before the templates they refer to.
    if (m_pMainWnd && m_pMainWnd->GetSafeHwnd())
        m_pMainWnd->DestroyWindow();
    m_templates.clear();
    if (g_app == this)
        g_app = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    SaveStdProfileSettings();
    return m_nExitCode;
}

int CWinApp::Run()
{
    m_bRunning = TRUE;
    m_nExitCode = RunMessageLoop();
    m_bRunning = FALSE;
    return ExitInstance();
}

BOOL CWinApp::OnIdle(long lCount)
{
    ShowPendingOutOfMemoryReport();
    if (lCount == 0) {
        auto* frame = dynamic_cast<CFrameWnd*>(m_pMainWnd);
        if (frame && frame->GetSafeHwnd() && frame->IsWindowVisible())
            frame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE);
    }
    return FALSE;
}

BOOL CWinApp::PreTranslateMessage(MSG* pMsg)
{
    for (HWND h = pMsg->hwnd; h; h = GetParent(h)) {
        CWnd* wnd = CWnd::FromHandlePermanent(h);
        if (wnd && wnd->PreTranslateMessage(pMsg))
            return TRUE;
        // A top-level window ends the chain (a dialog does not pass its
        // keys on to the frame that owns it).
        if (!IsWindow(h) || !(GetWindowLongPtrA(h, GWL_STYLE) & WS_CHILD))
            break;
    }
    return FALSE;
}

void CWinApp::ParseCommandLine(CCommandLineInfo& info) const
{
    for (size_t i = 1; i < m_args.size(); ++i) {
        const std::string& arg = m_args[i];
        if (arg.empty() || arg[0] == '-')
            continue;
        info.m_nShellCommand = CCommandLineInfo::FileOpen;
        info.m_strFileName = arg;
        return;
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& info)
{
    switch (info.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
        if (!OnCmdMsg(res::ID_FILE_NEW, CN_COMMAND, nullptr, nullptr))
            OnFileNew();
        return m_pMainWnd != nullptr;
    case CCommandLineInfo::FileOpen:
        return OpenDocumentFile(info.m_strFileName.c_str()) != nullptr;
    case CCommandLineInfo::FileNothing:
        return TRUE;
    }
    return FALSE;
}

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    m_templates.emplace_back(pTemplate);
}

CDocTemplate* CWinApp::GetFirstDocTemplate() const
{
    return m_templates.empty() ? nullptr : m_templates.front().get();
}

CDocument* CWinApp::OpenDocumentFile(const char* lpszFileName)
{
    CDocTemplate* tmpl = GetFirstDocTemplate();
    return tmpl ? tmpl->OpenDocumentFile(lpszFileName) : nullptr;
}

void CWinApp::OnFileNew()
{
    if (CDocTemplate* tmpl = GetFirstDocTemplate())
        tmpl->OpenDocumentFile(nullptr);
}

void CWinApp::OnFileOpen()
{
    // The dialog starts in the open file's folder, else in the folder of the
    // file chosen last, which the settings keep.
    std::string fileName;
    CDocTemplate* tmpl = GetFirstDocTemplate();
    CDocument* doc = tmpl ? tmpl->GetOnlyDocument() : nullptr;
    if (doc && !doc->GetPathName().empty())
        fileName = std::filesystem::path(doc->GetPathName()).parent_path().string() + "/";
    else if (m_pSettings)
        fileName = m_pSettings->GetString("Settings", "Last Folder");
    if (!DoPromptFileName(fileName, tmpl))
        return;
    if (m_pSettings)
        m_pSettings->WriteString("Settings", "Last Folder",
                                 std::filesystem::path(fileName).parent_path().string() + "/");
    OpenDocumentFile(fileName.c_str());
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd)
        m_pMainWnd->SendMessage(WM_CLOSE);
}

void CWinApp::OnOpenRecentFile(UINT nID)
{
    if (!m_pRecentFileList)
        return;
    const int index = static_cast<int>(nID - res::ID_FILE_MRU_FILE1);
    if (index < 0 || index >= m_pRecentFileList->GetCount())
        return;
    // A file that can no longer be opened leaves the list.
    const std::string path = (*m_pRecentFileList)[index];
    if (!OpenDocumentFile(path.c_str()))
        m_pRecentFileList->Remove(index);
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI* pCmdUI)
{
    if (m_pRecentFileList)
        m_pRecentFileList->UpdateMenu(pCmdUI);
    else
        pCmdUI->Enable(FALSE);
}

void CWinApp::SetRegistryKey(const char* lpszRegistryKey)
{
    m_pSettings = std::make_unique<CProfileSettings>(lpszRegistryKey, m_strAppName);
}

void CWinApp::LoadStdProfileSettings(unsigned nMaxMRU)
{
    m_pRecentFileList = std::make_unique<CRecentFileList>(res::ID_FILE_MRU_FILE1, "Recent File List",
                                                          "File%d", static_cast<int>(nMaxMRU));
    if (m_pSettings)
        m_pRecentFileList->ReadList(*m_pSettings);
}

void CWinApp::AddToRecentFileList(const std::string& path)
{
    if (!m_pRecentFileList)
        return;
    m_pRecentFileList->Add(path);
    // Stored at once, so that a program that is killed keeps its list.
    if (m_pSettings)
        m_pRecentFileList->WriteList(*m_pSettings);
}

void CWinApp::SaveStdProfileSettings()
{
    if (m_pRecentFileList && m_pSettings)
        m_pRecentFileList->WriteList(*m_pSettings);
}

int AfxWinMain(int argc, char** argv)
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return 1;
    if (!InitPlatform(argc, argv)) {
        std::fprintf(stderr, "%s: %s\n", app->m_strAppName.c_str(), PlatformInitError().c_str());
        return 1;
    }
    app->SetCommandLine(std::vector<std::string>(argv, argv + argc));
    if (!app->InitInstance()) {
        if (app->m_pMainWnd && app->m_pMainWnd->GetSafeHwnd())
            app->m_pMainWnd->DestroyWindow();
        const int code = app->ExitInstance();
        return code == 0 ? 1 : code;
    }
    return app->Run();
}
