// The Info box and the Usage dialog, opened modally as the application
// opens them: their controls, texts and the link's set-up; each is
// rendered to a picture in the build folder.
#include "DialogsTest.h"

#include "dialogs/AboutDlg.h"
#include "dialogs/UsageDlg.h"
#include "framework/Rect.h"
#include "framework/ResourceRegistry.h"
#include "framework/WinApp.h"
#include "platform/CommCtrl.h"
#include "platform/Gdi.h"
#include "platform/qt/QtBridge.h"
#include "res/Resource.h"
#include "support/TestSupport.h"

#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace {

using dialogstest::CountColour;

// Runs `whileOpen` inside the modal loop, once the dialog is up.
template <class Dialog>
class Opened : public Dialog {
public:
    std::function<void(Opened&)> whileOpen;

protected:
    BOOL OnInitDialog() override
    {
        const BOOL result = Dialog::OnInitDialog();
        QTimer::singleShot(0, [this] {
            testsupport::ProcessEvents();
            if (whileOpen)
                whileOpen(*this);
            SendMessageA(this->GetDlgItem(IDOK), BM_CLICK, 0, 0);
        });
        return result;
    }
};

// Every static text and the link show whole at the test's device pixel
// ratio (ctest runs this at 1, 1.5 and 2): the ink of each control spans
// the width its text needs and, wrapped, all its lines but the last one.
void ExpectTextsShownWhole(HWND dialog)
{
    const double ratio = WidgetOfWindow(dialog)->devicePixelRatio();
    int texts = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::string text = GetWindowTextString(child);
        if (!(SendMessageA(child, WM_GETDLGCODE, 0, 0) & DLGC_STATIC) || text.empty())
            continue;
        ++texts;
        CRect client;
        GetClientRect(child, &client);
        HDC hdc = GetDC(child);
        SelectObject(hdc, reinterpret_cast<HGDIOBJ>(SendMessageA(child, WM_GETFONT, 0, 0)));
        RECT needed = client;
        DrawTextA(hdc, text.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        TEXTMETRICA tm;
        GetTextMetricsA(hdc, &tm);
        ReleaseDC(child, hdc);
        const QImage shown = testsupport::GrabClient(child);
        ASSERT_NEAR(shown.width(), client.Width() * ratio, 1.0) << text;
        const QRgb background = shown.pixel(0, 0);
        const QRect ink = testsupport::PixelBox(shown, [background](QRgb p) { return p != background; });
        EXPECT_GE(ink.width(), (needed.right - needed.left - 4) * ratio) << text;
        EXPECT_GE(ink.height(), (needed.bottom - needed.top - tm.tmHeight) * ratio) << text;
    }
    EXPECT_GT(texts, 0);
}

// Left in the build folder for people to look at.
void Save(HWND dialog, const char* fileName)
{
    const QImage image = testsupport::GrabClient(dialog);
    ASSERT_FALSE(image.isNull());
    EXPECT_TRUE(image.save(QString::fromStdString(std::string(LUMENOR_BINARY_DIR) + "/" + fileName)));
}

class InfoDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The dialogs' layout and text checks hold for the font they are made for.
        LOGFONTA lf;
        lf.lfHeight = -11;
        std::strcpy(lf.lfFaceName, "DejaVu Sans");
        HFONT font = CreateFontIndirectA(&lf);
        ASSERT_EQ(QFontOfFont(font).family(), "DejaVu Sans") << "fonts-dejavu-core is needed";
        DeleteObject(font);
    }
    // The Info box registers the program's icon where no program did.
    void TearDown() override { RemoveIconResource(res::IDR_MAINFRAME); }

    // A point of a control in the dialog window's coordinates.
    static QPoint InDialog(HWND dialog, HWND control, POINT inControl)
    {
        ClientToScreen(control, &inControl);
        ScreenToClient(dialog, &inControl);
        return QPoint(inControl.x, inControl.y);
    }
    static void MoveTo(HWND dialog, HWND control, POINT inControl)
    {
        QTest::mouseMove(WidgetOfWindow(dialog)->windowHandle(), InDialog(dialog, control, inControl));
        testsupport::ProcessEvents();
    }
    static void ClickAt(HWND dialog, HWND control, POINT inControl)
    {
        QTest::mouseClick(WidgetOfWindow(dialog)->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          InDialog(dialog, control, inControl));
        testsupport::ProcessEvents();
    }

    CWinApp app{"Info dialogs test"};
};

TEST_F(InfoDialogs, TheInfoBoxShowsTheStoredVersionAndASetUpLink)
{
    dialogstest::OpenedTargets opened;
    Opened<CAboutDlg> dlg;
    EXPECT_EQ(dlg.m_strVersion, "1, 1, 0, 0");
    bool ran = false;
    dlg.whileOpen = [&](Opened<CAboutDlg>& d) {
        ran = true;
        const HWND box = d.GetSafeHwnd();
        EXPECT_EQ(d.GetWindowText(), "Info about Lumenor");
        EXPECT_EQ(GetWindowTextString(d.GetDlgItem(res::IDC_VERSION)), "1, 1, 0, 0") << "exactly as stored";
        const HWND link = d.GetDlgItem(res::IDC_HOMEPAGE_LINK);
        EXPECT_EQ(CWnd::FromHandlePermanent(link), &d.m_wndLink);
        EXPECT_EQ(GetWindowTextString(link), kHomepageAddress);
        EXPECT_EQ(GetFocus(), d.GetDlgItem(IDOK));

        const HWND icon = d.GetDlgItem(res::IDC_ABOUT_ICON);
        EXPECT_EQ(SendMessageA(icon, STM_GETIMAGE, IMAGE_ICON, 0),
                  reinterpret_cast<LRESULT>(FindIconResource(res::IDR_MAINFRAME)));
        const QImage iconShown = testsupport::GrabClient(icon);
        ASSERT_GE(iconShown.width(), kIconSize) << "the whole icon shows";
        ASSERT_GE(iconShown.height(), kIconSize);
        EXPECT_EQ(iconShown.pixel(16, 2) & 0xFFFFFF, 0x24507Au) << "the tile";
        EXPECT_EQ(iconShown.pixel(16, 10) & 0xFFFFFF, 0xF3EFE4u) << "the house";

        EXPECT_EQ(dialogstest::TipText(d.m_wndLink), "Click here to go to the Velmora Homepage");
        EXPECT_EQ(SendMessageA(d.m_wndLink.GetTipWindow(), TTM_GETTIPBKCOLOR, 0, 0),
                  LRESULT(RGB(255, 255, 200)));
        EXPECT_EQ(SendMessageA(d.m_wndLink.GetTipWindow(), TTM_GETTIPTEXTCOLOR, 0, 0), LRESULT(RGB(0, 0, 0)));

        EXPECT_GT(CountColour(testsupport::GrabClient(link), RGB(0, 0, 255)), 0);
        Save(box, "about-box.png");
        MoveTo(box, link, POINT{5, 5});
        EXPECT_GT(CountColour(testsupport::GrabClient(link), RGB(75, 75, 255)), 0) << "hot";
        ClickAt(box, link, POINT{5, 5});
        EXPECT_EQ(opened.targets, (std::vector<std::string>{kHomepageAddress}));
        EXPECT_GT(CountColour(testsupport::GrabClient(link), RGB(200, 0, 200)), 0) << "visited";
        MoveTo(box, d.GetDlgItem(IDOK), POINT{3, 3});
        Save(box, "about-box-visited.png");
    };
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(ran);
}

TEST_F(InfoDialogs, EveryTextShowsWholeAtTheScreensRatio)
{
    int shown = 0;
    Opened<CAboutDlg> about;
    about.whileOpen = [&](Opened<CAboutDlg>& d) {
        ++shown;
        ExpectTextsShownWhole(d.GetSafeHwnd());
    };
    EXPECT_EQ(about.DoModal(), IDOK);
    Opened<CUsageDlg> usage;
    usage.whileOpen = [&](Opened<CUsageDlg>& d) {
        ++shown;
        EXPECT_EQ(d.GetWindowText(), "Lumenor Usage");
        EXPECT_EQ(GetWindowTextString(d.GetDlgItem(res::IDC_USAGE_TEXT)), d.m_strUsage);
        ExpectTextsShownWhole(d.GetSafeHwnd());
        Save(d.GetSafeHwnd(), "usage-dialog.png");
    };
    EXPECT_EQ(usage.DoModal(), IDOK);
    EXPECT_EQ(shown, 2);
}

} // namespace
