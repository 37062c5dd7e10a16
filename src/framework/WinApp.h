// CWinApp: the one application object. It starts the program
// (InitInstance), runs the message loop with idle processing and message
// pre-translation, owns the document templates, the per-user settings and
// the recent-file list, and handles the application-wide commands.
#pragma once

#include "framework/CmdTarget.h"

#include <memory>
#include <string>
#include <vector>

class CDocTemplate;
class CDocument;
class CProfileSettings;
class CRecentFileList;
class CWnd;

// What the command line asks for.
struct CCommandLineInfo {
    enum Command { FileNew, FileOpen, FileNothing };
    Command m_nShellCommand = FileNew;
    std::string m_strFileName;
};

class CWinApp : public CCmdTarget {
public:
    // The name defaults to the program's title string.
    explicit CWinApp(const char* lpszAppName = nullptr);
    ~CWinApp() override;

    std::string m_strAppName;
    CWnd* m_pMainWnd = nullptr;
    // File Open's filters after the template's own, each "Name (*.a *.b)",
    // separated by ";;".
    std::string m_strMoreFileFilters;

    virtual BOOL InitInstance();
    // Saves the settings; the result is the program's exit code.
    virtual int ExitInstance();
    // The message loop until the main window is gone, then ExitInstance.
    virtual int Run();
    // TRUE while Run's message loop runs (closing the main window ends it).
    BOOL IsRunning() const { return m_bRunning; }
    // Called while no message waits, with a count that starts at 0 and grows
    // by one per call; called again while it returns TRUE and no message
    // arrives. The default refreshes the main frame's bars on count 0.
    virtual BOOL OnIdle(long lCount);
    // Offers the message to its target window and then to each parent up to
    // the top-level window; TRUE (consumed) stops it.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    // Command line of the program (set by AfxWinMain).
    void SetCommandLine(std::vector<std::string> args) { m_args = std::move(args); }
    // The first argument that is not an option names a file to open.
    void ParseCommandLine(CCommandLineInfo& info) const;
    BOOL ProcessShellCommand(CCommandLineInfo& info);

    // Templates (owned by the application).
    void AddDocTemplate(CDocTemplate* pTemplate);
    CDocTemplate* GetFirstDocTemplate() const;
    virtual CDocument* OpenDocumentFile(const char* lpszFileName);
    void OnFileNew();
    void OnFileOpen();
    // The File Open dialog with the template's filter; FALSE when cancelled.
    virtual BOOL DoPromptFileName(std::string& fileName, CDocTemplate* pTemplate);

    // Per-user settings under the company key and the application's name.
    void SetRegistryKey(const char* lpszRegistryKey);
    CProfileSettings* GetProfileSettings() const { return m_pSettings.get(); }
    void LoadStdProfileSettings(unsigned nMaxMRU = 4);
    virtual void AddToRecentFileList(const std::string& path);
    CRecentFileList* GetRecentFileList() const { return m_pRecentFileList.get(); }

protected:
    void OnAppExit();
    void OnOpenRecentFile(UINT nID);
    void OnUpdateRecentFileMenu(CCmdUI* pCmdUI);
    void SaveStdProfileSettings();

    std::vector<std::unique_ptr<CDocTemplate>> m_templates;
    std::unique_ptr<CProfileSettings> m_pSettings;
    std::unique_ptr<CRecentFileList> m_pRecentFileList;
    std::vector<std::string> m_args;
    int m_nExitCode = 0;
    BOOL m_bRunning = FALSE;

    DECLARE_MESSAGE_MAP()
};

// The File Open dialog's filter: the template's file type, the filters
// given in moreFilters, then all files.
std::string FileOpenFilter(const CDocTemplate* pTemplate, const std::string& moreFilters = {});

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();

// Starts the platform, then InitInstance and Run of the application
// object. Returns the exit code.
int AfxWinMain(int argc, char** argv);
