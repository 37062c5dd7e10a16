// The hyperlink control on a static text in a window, driven by real mouse
// input through the event bridge: colours by state, capture, click,
// cursor, font and tooltip.
#include "DialogsTest.h"

#include "dialogs/LinkLabel.h"
#include "framework/Rect.h"
#include "framework/WinApp.h"
#include "platform/CommCtrl.h"
#include "platform/MessageLoop.h"
#include "platform/qt/QtBridge.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include <cstring>

namespace {

using dialogstest::CountColour;
using dialogstest::OpenedTargets;

constexpr COLORREF kNormal = RGB(0, 0, 255);
constexpr COLORREF kHot = RGB(75, 75, 255);
constexpr COLORREF kVisited = RGB(200, 0, 200);
constexpr int kLinkX = 20;
constexpr int kLinkY = 30;
const QPoint kOnLink(kLinkX + 10, kLinkY + 6);
const QPoint kOnLinkElsewhere(kLinkX + 40, kLinkY + 8);
const QPoint kBesideLink(kLinkX + 10, kLinkY + 60);

class LinkLabelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        parent.CreateEx(0, nullptr, "links", WS_OVERLAPPEDWINDOW, CRect(40, 40, 340, 160), nullptr, 0);
        ASSERT_NE(parent.GetSafeHwnd(), nullptr);
        HWND label = CreateWindowExA(0, WC_STATICA, "https://www.velmora.example", WS_CHILD | WS_VISIBLE,
                                     kLinkX, kLinkY, 200, 18, parent.GetSafeHwnd(), 1005, nullptr, nullptr);
        LOGFONTA lf;
        lf.lfHeight = -11;
        std::strcpy(lf.lfFaceName, "DejaVu Sans");
        font = CreateFontIndirectA(&lf);
        SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        ASSERT_TRUE(link.SubclassWindow(label));
        link.SetNormalColor(kNormal);
        link.SetHotColor(kHot);
        link.SetVisitedColor(kVisited);
        parent.ShowWindow(SW_SHOW);
        window = WidgetOfWindow(parent.GetSafeHwnd())->windowHandle();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        // Off the link: a move to where the mouse already is would be no move.
        Move(kBesideLink);
    }

    void TearDown() override
    {
        link.DestroyWindow();
        parent.DestroyWindow();
        DeleteObject(font);
        testsupport::ProcessEvents();
    }

    void Move(QPoint to)
    {
        QTest::mouseMove(window, to);
        testsupport::ProcessEvents();
    }

    void Click(QPoint at)
    {
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, at);
        testsupport::ProcessEvents();
    }

    // The colour the link asks its text to be drawn in now.
    COLORREF TextColour()
    {
        HBITMAP bitmap = CreateBitmap(1, 1);
        HDC hdc = CreateCompatibleDC(nullptr);
        SelectObject(hdc, bitmap);
        SendMessageA(parent.GetSafeHwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hdc),
                     reinterpret_cast<LPARAM>(link.GetSafeHwnd()));
        const COLORREF colour = GetTextColor(hdc);
        DeleteDC(hdc);
        DeleteObject(bitmap);
        return colour;
    }

    QImage Shown() { return testsupport::GrabClient(link.GetSafeHwnd()); }

    std::string TipText() { return dialogstest::TipText(link); }

    CWinApp app{"Link test"};
    CWnd parent;
    CLinkLabel link;
    HFONT font = nullptr;
    QWindow* window = nullptr;
};

TEST_F(LinkLabelTest, AttachingMakesAnUnderlinedClickableText)
{
    EXPECT_TRUE(link.GetStyle() & SS_NOTIFY);
    LOGFONTA original, shown;
    ASSERT_TRUE(GetObjectA(font, sizeof original, &original));
    ASSERT_NE(link.GetFont(), font);
    ASSERT_TRUE(GetObjectA(link.GetFont(), sizeof shown, &shown));
    EXPECT_TRUE(shown.lfUnderline);
    EXPECT_EQ(shown.lfHeight, original.lfHeight);
    EXPECT_STREQ(shown.lfFaceName, original.lfFaceName);
    EXPECT_EQ(link.GetWindowText(), "https://www.velmora.example");

    Move(kOnLink);
    EXPECT_EQ(WidgetOfWindow(link.GetSafeHwnd())->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(LinkLabelTest, HoverCapturesTheMouseAndLeavingTheLinkOrTheProgramRestoresTheNormalLook)
{
    const QImage before = Shown();
    EXPECT_EQ(TextColour(), kNormal);
    EXPECT_GT(CountColour(before, kNormal), 0);

    Move(kOnLink);
    EXPECT_EQ(GetCapture(), link.GetSafeHwnd());
    EXPECT_EQ(TextColour(), kHot);
    const QImage hot = Shown();
    EXPECT_GT(CountColour(hot, kHot), 0) << "the hot colour shows";
    EXPECT_EQ(CountColour(hot, kNormal), 0);

    Move(kOnLinkElsewhere);
    EXPECT_EQ(GetCapture(), link.GetSafeHwnd()) << "moving over the link keeps it hot";

    Move(kBesideLink);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(TextColour(), kNormal);
    EXPECT_EQ(Shown(), before) << "repainted from the background, nothing of the hot text left";

    // It cools down too when the mouse leaves the program or the capture is taken.
    Move(kOnLink);
    ASSERT_EQ(GetCapture(), link.GetSafeHwnd());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(WidgetOfWindow(link.GetSafeHwnd()), &leave);
    testsupport::ProcessEvents();
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(TextColour(), kNormal);

    Move(kOnLinkElsewhere);
    ASSERT_EQ(TextColour(), kHot);
    SetCapture(parent.GetSafeHwnd());
    EXPECT_EQ(TextColour(), kNormal);
    ReleaseCapture();
}

TEST_F(LinkLabelTest, AClickOpensTheTargetAndTheVisitedColourBeatsHot)
{
    OpenedTargets opened;
    link.SetTarget("https://www.velmora.example/products");
    Move(kOnLink);
    Click(kOnLink);
    EXPECT_EQ(opened.targets, (std::vector<std::string>{"https://www.velmora.example/products"}));
    EXPECT_EQ(link.GetWindowText(), "https://www.velmora.example") << "the target does not change the text";
    ASSERT_EQ(GetCapture(), link.GetSafeHwnd()) << "still hot";
    EXPECT_EQ(TextColour(), kVisited);
    const QImage visited = Shown();
    EXPECT_GT(CountColour(visited, kVisited), 0);
    EXPECT_EQ(CountColour(visited, kHot), 0);

    Move(kBesideLink);
    EXPECT_EQ(TextColour(), kVisited);

    opened.accept = false;
    EXPECT_FALSE(CLinkLabel::OpenTarget("https://www.velmora.example"));
    Move(kOnLink);
    Click(kOnLink);
    EXPECT_EQ(opened.targets.size(), 3u);
    EXPECT_EQ(TextColour(), kVisited) << "a failed open is not reported";
}

TEST_F(LinkLabelTest, ColourSettersWaitForTheNextRepaint)
{
    const QImage before = Shown();
    link.SetNormalColor(RGB(0, 128, 0));
    RECT update;
    EXPECT_FALSE(GetUpdateRect(link.GetSafeHwnd(), &update, FALSE));
    testsupport::ProcessEvents();
    EXPECT_EQ(Shown(), before);
    link.Invalidate();
    testsupport::ProcessEvents();
    EXPECT_GT(CountColour(Shown(), RGB(0, 128, 0)), 0);
}

TEST_F(LinkLabelTest, TheTipTakesATextOnlyWhenEnabledAndShowsOverTheLink)
{
    ASSERT_NE(link.GetTipWindow(), nullptr);
    link.SetTipText("dropped");
    EXPECT_EQ(TipText(), "");

    link.EnableTip(TRUE);
    link.SetTipText("Click here");
    EXPECT_EQ(TipText(), "Click here");

    EXPECT_FALSE(IsWindowVisible(link.GetTipWindow()));
    Move(kOnLink);
    EXPECT_TRUE(PumpUntil([this] { return IsWindowVisible(link.GetTipWindow()) != FALSE; }, 5000))
        << "the mouse reaches the tip through the link's pre-translation";

    link.EnableTip(FALSE);
    EXPECT_FALSE(IsWindowVisible(link.GetTipWindow()));
}

} // namespace
