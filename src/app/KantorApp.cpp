#include "app/KantorApp.h"

#include "app/MainFrame.h"
#include "app/MainResources.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/UsageDlg.h"
#include "framework/CmdUI.h"
#include "framework/DocTemplate.h"
#include "framework/RuntimeClass.h"
#include "res/Resource.h"
#include "res/StringTable.h"
#include "views/KantorDocument.h"
#include "views/KantorView.h"

BEGIN_MESSAGE_MAP(CKantorApp, CWinApp)
ON_COMMAND(res::ID_FILE_NEW, &CWinApp::OnFileNew)
ON_COMMAND(res::ID_FILE_OPEN, &CWinApp::OnFileOpen)
ON_COMMAND(res::ID_APP_ABOUT, &CKantorApp::OnAppAbout)
ON_COMMAND(res::ID_USAGE, &CKantorApp::OnUsage)
ON_COMMAND(res::ID_FILE_RELOAD, &CKantorApp::OnFileReload)
ON_UPDATE_COMMAND_UI(res::ID_FILE_RELOAD, &CKantorApp::OnUpdateFileReload)
END_MESSAGE_MAP()

CKantorApp::CKantorApp() = default;

CKantorApp::~CKantorApp()
{
    ReleaseMainResources();
}

BOOL CKantorApp::InitInstance()
{
    // The menu, accelerators and toolbar that the main frame loads by id.
    RegisterMainResources();

    SetRegistryKey("Velmora");
    LoadStdProfileSettings(4);

    AddDocTemplate(new CSingleDocTemplate(res::IDR_MAINFRAME, RUNTIME_CLASS(CKantorDocument),
                                          RUNTIME_CLASS(CMainFrame), RUNTIME_CLASS(CKantorView)));
    // Compressed IFC files open like plain ones (see src/compressed).
    m_strMoreFileFilters = res::LoadString(res::IDS_COMPRESSED_FILTER);
    // Shell registration of the .ifc type is the installed desktop entry and
    // MIME type (src/res/shell); there is nothing to register at run time.

    // A file named on the command line is opened on the first idle pass, so
    // that its load shows in a window that is already on the screen.
    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    if (cmdInfo.m_nShellCommand == CCommandLineInfo::FileOpen) {
        m_strDeferredFile = cmdInfo.m_strFileName;
        m_bDeferredOpen = true;
        cmdInfo.m_nShellCommand = CCommandLineInfo::FileNew;
    }
    if (!ProcessShellCommand(cmdInfo) || !m_pMainWnd)
        return FALSE;

    m_pMainWnd->ShowWindow(SW_SHOW);
    m_pMainWnd->UpdateWindow();
    m_pMainWnd->DragAcceptFiles(TRUE);
    return TRUE;
}

BOOL CKantorApp::OnIdle(long lCount)
{
    BOOL bMore = CWinApp::OnIdle(lCount);

    // The window first: the file waits until the main window is on the
    // display (exposed and painted, which starts a new idle period), so that
    // its load shows there.
    if (m_bDeferredOpen && m_pMainWnd && IsWindowOnScreen(m_pMainWnd->GetSafeHwnd())) {
        // Cleared first: a failed open shows a message box, whose modal loop
        // runs idle passes of its own, and the file is tried only once.
        m_bDeferredOpen = false;
        OpenDocumentFile(m_strDeferredFile.c_str());
    }

    if (CMainFrame* pFrame = GetMainFrame())
        if (auto* pDocument = dynamic_cast<CKantorDocument*>(pFrame->GetActiveDocument())) {
            const bool bComputing = !pDocument->GetKantorDoc().IsInverseComplete();
            if (pDocument->GetKantorDoc().ComputeInverseStep())
                bMore = TRUE;
            // The referrers found so far, and at the end all of them.
            if (bComputing)
                pFrame->UpdateEntityPane();
        }
    return bMore;
}

void CKantorApp::OnAppAbout()
{
    CAboutDlg dlg;
    dlg.DoModal();
}

void CKantorApp::OnUsage()
{
    CUsageDlg dlg;
    dlg.DoModal();
}

void CKantorApp::OnFileReload()
{
    if (CMainFrame* pFrame = GetMainFrame())
        if (auto* pDocument = dynamic_cast<CKantorDocument*>(pFrame->GetActiveDocument()))
            pDocument->Reload();
}

void CKantorApp::OnUpdateFileReload(CCmdUI* pCmdUI)
{
    CMainFrame* pFrame = GetMainFrame();
    CDocument* pDocument = pFrame ? pFrame->GetActiveDocument() : nullptr;
    pCmdUI->Enable(pDocument && !pDocument->GetPathName().empty());
}

CMainFrame* CKantorApp::GetMainFrame() const
{
    auto* pFrame = dynamic_cast<CMainFrame*>(m_pMainWnd);
    return pFrame && pFrame->GetSafeHwnd() ? pFrame : nullptr;
}

CProgressStatusBar* CKantorApp::GetStatusBar() const
{
    CMainFrame* pFrame = GetMainFrame();
    return pFrame ? pFrame->GetStatusBar() : nullptr;
}

IProgressSink* CKantorApp::GetProgressSink() const
{
    CMainFrame* pFrame = GetMainFrame();
    return pFrame && pFrame->GetStatusBar()->GetSafeHwnd() ? pFrame->GetProgressSink() : nullptr;
}
