// Lumenor's entry point. Until the application object with its document
// template lands, the program shows the main window with its status bar.
#include "app/ProgressStatusBar.h"
#include "app/framework/FrameWnd.h"
#include "app/framework/WinApp.h"
#include "res/Resource.h"

namespace {

class CShellFrame : public CFrameWnd {
protected:
    int OnCreate(CREATESTRUCTA* cs) override
    {
        if (CFrameWnd::OnCreate(cs) == -1)
            return -1;
        static const UINT indicators[] = {res::ID_SEPARATOR, res::ID_INDICATOR_CAPS, res::ID_INDICATOR_NUM,
                                          res::ID_INDICATOR_SCRL};
        if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(indicators, 4))
            return -1;
        SetMessageText(res::AFX_IDS_IDLEMESSAGE);
        RecalcLayout();
        return 0;
    }

    CProgressStatusBar m_wndStatusBar;
};

class CShellApp : public CWinApp {
public:
    BOOL InitInstance() override
    {
        auto* frame = new CShellFrame;
        if (!frame->LoadFrame(res::IDR_MAINFRAME))
            return FALSE;
        m_pMainWnd = frame;
        frame->ShowWindow(SW_SHOW);
        frame->UpdateWindow();
        return TRUE;
    }
};

} // namespace

int main(int argc, char** argv)
{
    CShellApp app;
    return AfxWinMain(argc, argv);
}
