// Renders a frame with the status bar in progress mode to
// screenshots/statusbar-progress.png in the build folder, for a look.
#include "app/ProgressStatusBar.h"
#include "framework/FrameWnd.h"
#include "framework/WinApp.h"
#include "platform/Gdi.h"
#include "platform/MessageLoop.h"
#include "platform/qt/QtBridge.h"
#include "res/Resource.h"
#include "res/StringTable.h"

#include <QImage>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

class ProgressFrame : public CFrameWnd {
public:
    CProgressStatusBar m_wndStatusBar;

protected:
    int OnCreate(CREATESTRUCTA* cs) override
    {
        if (CFrameWnd::OnCreate(cs) == -1)
            return -1;
        static const UINT indicators[] = {res::ID_SEPARATOR, res::ID_INDICATOR_CAPS, res::ID_INDICATOR_NUM,
                                          res::ID_INDICATOR_SCRL};
        if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(indicators, 4))
            return -1;
        return 0;
    }
};

TEST(StatusBarScreenshot, FrameWithTheStatusBarInProgressMode)
{
    CWinApp app("Screenshot test");
    auto* frame = new ProgressFrame;
    ASSERT_TRUE(frame->LoadFrame(res::IDR_MAINFRAME, WS_OVERLAPPEDWINDOW));
    frame->MoveWindow(0, 0, 640, 160);
    frame->ShowWindow(SW_SHOW);
    frame->SetMessageText(res::AFX_IDS_IDLEMESSAGE);
    PumpWaitingMessages();

    CProgressStatusBar& bar = frame->m_wndStatusBar;
    bar.SetProgressText(res::LoadString(res::IDS_LOADING));
    bar.ShowProgress(TRUE);
    bar.GetProgressCtrl().SetRange32(0, 100);
    bar.GetProgressCtrl().SetStep(5);
    for (int i = 0; i < 7; ++i)
        bar.GetProgressCtrl().StepIt();
    PumpWaitingMessages();

    const QImage image = GrabWindowImage(frame->m_hWnd);
    ASSERT_FALSE(image.isNull());
    const std::filesystem::path dir = std::filesystem::path(LUMENOR_BINARY_DIR) / "screenshots";
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "statusbar-progress.png").string();
    ASSERT_TRUE(image.save(QString::fromStdString(path)));
    EXPECT_EQ(bar.GetProgressCtrl().GetPos(), 35);
    frame->DestroyWindow();
}

} // namespace
