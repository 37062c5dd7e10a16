// CKantorApp: the application object. It binds the document, the main frame
// and the upper view in one single-document template, opens a file named on
// the command line once the main window is on the screen, and runs the
// inverse-reference computation in slices from the idle processing.
#pragma once

#include "framework/WinApp.h"

#include <string>

class CMainFrame;
class CProgressStatusBar;
class IProgressSink;

class CKantorApp : public CWinApp {
public:
    CKantorApp();
    // Releases the main resources that InitInstance registered.
    ~CKantorApp() override;

    BOOL InitInstance() override;
    BOOL OnIdle(long lCount) override;

    // The main frame, null before start-up and after exit.
    CMainFrame* GetMainFrame() const;
    // The main frame's status bar; null while there is no main frame.
    CProgressStatusBar* GetStatusBar() const;
    // The same bar in the model's terms.
    IProgressSink* GetProgressSink() const;

    // A file named on the command line and not opened yet.
    bool IsDeferredOpenPending() const { return m_bDeferredOpen; }
    // Whether the main window comes back where the user left it and is kept
    // there; the queries and the screenshot show the default place.
    virtual bool KeepsWindowPlace() const { return true; }

protected:
    // Info (the about box) and Usage, both modal.
    void OnAppAbout();
    void OnUsage();
    // Reload (F5): the open file again, at the same place.
    void OnFileReload();
    void OnUpdateFileReload(CCmdUI* pCmdUI);

    std::string m_strDeferredFile;
    bool m_bDeferredOpen = false;

    DECLARE_MESSAGE_MAP()
};
