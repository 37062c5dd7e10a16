// Modal dialogs from templates: the closing button's id, data exchange in
// both directions (text, radio index, control attachment) and the keys.
#include "framework/Dialog.h"
#include "framework/DataExchange.h"
#include "framework/ResourceRegistry.h"
#include "framework/WinApp.h"
#include "platform/MessageLoop.h"
#include "platform/TestHooks.h"

#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

constexpr UINT kDialog = 9201;
constexpr int kText = 1000;
constexpr int kUp = 1002;
constexpr int kDown = 1003;
constexpr int kLink = 1005;
constexpr int kApply = 1010;

DialogTemplate SearchLikeTemplate()
{
    DialogTemplate t;
    t.caption = "Search";
    t.cx = 200;
    t.cy = 60;
    t.items = {
        {"EDIT", kText, "", 5, 5, 120, 12, WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL},
        {"BUTTON", kUp, "Up", 5, 25, 40, 10, WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_AUTORADIOBUTTON},
        {"BUTTON", kDown, "Down", 50, 25, 40, 10, WS_VISIBLE | BS_AUTORADIOBUTTON},
        {"STATIC", kLink, "link", 5, 40, 40, 10, WS_VISIBLE | WS_GROUP | SS_NOTIFY},
        {"BUTTON", IDOK, "OK", 140, 5, 50, 14, WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON},
        {"BUTTON", IDCANCEL, "Cancel", 140, 22, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON},
        {"BUTTON", kApply, "Apply", 140, 39, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON},
    };
    return t;
}

class SearchLikeDialog : public CDialog {
public:
    SearchLikeDialog() : CDialog(kDialog) { }

    std::string m_strText;
    int m_nDirection = 1;
    CWnd m_wndLink;
    // Runs inside the modal loop, once the dialog is on the screen.
    std::function<void(SearchLikeDialog&)> whileOpen;
    std::string textAtInit;
    int directionAtInit = -2;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, kText, m_strText);
        DDX_Radio(pDX, kUp, m_nDirection);
        DDX_Control(pDX, kLink, m_wndLink);
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        textAtInit = GetWindowTextString(GetDlgItem(kText));
        directionAtInit = static_cast<int>(SendMessageA(GetDlgItem(kDown), BM_GETCHECK, 0, 0));
        if (whileOpen)
            QTimer::singleShot(0, [this] { whileOpen(*this); });
        return TRUE;
    }
    void OnApply() { EndDialog(kApply); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SearchLikeDialog, CDialog)
ON_BN_CLICKED(kApply, &SearchLikeDialog::OnApply)
END_MESSAGE_MAP()

class Dialogs : public ::testing::Test {
protected:
    void SetUp() override { RegisterDialogResource(kDialog, SearchLikeTemplate()); }
    void TearDown() override { SetKeyStateForTest(VK_SHIFT, false); }

    static void Click(CDialog& dlg, int id) { SendMessageA(dlg.GetDlgItem(id), BM_CLICK, 0, 0); }
    static void Key(HWND target, int key) { PostMessageA(target, WM_KEYDOWN, static_cast<WPARAM>(key), 1); }

    CWinApp app{"Dialog test"};
};

TEST_F(Dialogs, MembersGoIntoTheControlsOnOpenAndBackOnOk)
{
    SearchLikeDialog dlg;
    dlg.m_strText = "IFCWALL";
    dlg.m_nDirection = 1;
    dlg.whileOpen = [](SearchLikeDialog& d) {
        EXPECT_NE(d.m_wndLink.GetSafeHwnd(), nullptr) << "attached to the control";
        EXPECT_EQ(d.m_wndLink.GetSafeHwnd(), d.GetDlgItem(kLink));
        SetWindowTextA(d.GetDlgItem(kText), "door");
        Click(d, kUp);
        Click(d, IDOK);
    };
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.textAtInit, "IFCWALL");
    EXPECT_EQ(dlg.directionAtInit, BST_CHECKED);
    EXPECT_EQ(dlg.m_strText, "door");
    EXPECT_EQ(dlg.m_nDirection, 0);
    EXPECT_EQ(dlg.GetSafeHwnd(), nullptr);
    EXPECT_EQ(dlg.m_wndLink.GetSafeHwnd(), nullptr) << "detached when the dialog closed";

    // No checked radio button saves -1.
    dlg.m_nDirection = -1;
    dlg.whileOpen = [](SearchLikeDialog& d) { Click(d, IDOK); };
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.directionAtInit, BST_UNCHECKED);
    EXPECT_EQ(dlg.m_nDirection, -1);
}

TEST_F(Dialogs, CancelLeavesTheMembersAndOtherButtonsReturnTheirId)
{
    SearchLikeDialog dlg;
    dlg.m_strText = "keep";
    dlg.whileOpen = [](SearchLikeDialog& d) {
        SetWindowTextA(d.GetDlgItem(kText), "changed");
        Click(d, IDCANCEL);
    };
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.m_strText, "keep");

    dlg.whileOpen = [](SearchLikeDialog& d) { Click(d, kApply); };
    EXPECT_EQ(dlg.DoModal(), kApply);
    EXPECT_EQ(dlg.m_strText, "keep") << "no exchange unless OK";
    EXPECT_EQ(CDialog(4711).DoModal(), -1) << "an unknown template";
}

TEST_F(Dialogs, EachRunGivesBackTheFontItMade)
{
    const std::size_t nObjects = LiveGdiObjectCount();
    SearchLikeDialog dlg;
    dlg.whileOpen = [&](SearchLikeDialog& d) {
        EXPECT_EQ(LiveGdiObjectCount(), nObjects + 1) << "the dialog's font";
        Click(d, IDOK);
    };
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(LiveGdiObjectCount(), nObjects);
}

TEST_F(Dialogs, EnterPressesTheDefaultButtonEscapeCancelsTabMovesTheFocus)
{
    SearchLikeDialog dlg;
    dlg.whileOpen = [](SearchLikeDialog& d) {
        HWND edit = d.GetDlgItem(kText);
        EXPECT_EQ(GetFocus(), edit) << "the first tab stop has the focus";
        Key(edit, VK_TAB);
        PumpWaitingMessages();
        EXPECT_EQ(GetFocus(), d.GetDlgItem(kUp));
        SetKeyStateForTest(VK_SHIFT, true);
        Key(GetFocus(), VK_TAB);
        PumpWaitingMessages();
        SetKeyStateForTest(VK_SHIFT, false);
        EXPECT_EQ(GetFocus(), edit);
        SetWindowTextA(edit, "typed");
        Key(edit, VK_RETURN);
    };
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_strText, "typed");

    dlg.whileOpen = [](SearchLikeDialog& d) { Key(d.GetDlgItem(kText), VK_ESCAPE); };
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(Dialogs, AMissingControlFailsTheExchangeAndKeepsTheDialogOpen)
{
    class Broken : public CDialog {
    public:
        Broken() : CDialog(kDialog) { }
        std::string value = "v";
        int okAttempts = 0;

    protected:
        void DoDataExchange(CDataExchange* pDX) override
        {
            DDX_Text(pDX, kText, value);
            DDX_Text(pDX, 4242, value);
        }
        BOOL OnInitDialog() override
        {
            EXPECT_FALSE(UpdateData(FALSE));
            QTimer::singleShot(0, [this] {
                Click(*this, IDOK);
                ++okAttempts;
                EXPECT_NE(GetSafeHwnd(), nullptr) << "OK did not close it";
                Click(*this, IDCANCEL);
            });
            return TRUE;
        }
    } dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.okAttempts, 1);
}

} // namespace
