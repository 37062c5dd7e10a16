#include "views/ViewsTest.h"

#include "framework/FrameworkMessages.h"
#include "platform/MessageLoop.h"
#include "platform/qt/QtBridge.h"
#include "support/ViewPane.h"

#include <QTest>
#include <QWidget>

void ViewsTest::SetUp()
{
    m_pApp = std::make_unique<CWinApp>("Lumenor views test");
    m_pDocument = new CKantorDocument;
    m_pDocument->SetStatusBarSource([this] { return &m_statusBar; });
    ASSERT_TRUE(
        m_frame.CreateEx(0, nullptr, "views", WS_OVERLAPPEDWINDOW, RECT{40, 40, 640, 440}, nullptr, 0));
    m_pUpper = testsupport::CreateViewPane<CKantorView>(m_frame, *m_pDocument, RECT{0, 0, 600, 200}, 1);
    m_pLower =
        testsupport::CreateViewPane<CKantorInverseView>(m_frame, *m_pDocument, RECT{0, 200, 600, 400}, 2);
    ASSERT_TRUE(m_pUpper && m_pLower);
    m_frame.ShowWindow(SW_SHOW);
    // The pointer enters the window once, as it would on a desktop before
    // it could move over an item.
    QTest::mouseMove(WidgetOfWindow(m_frame.GetSafeHwnd()), QPoint(590, 390));
    PumpWaitingMessages();
    NewDocument();
    ASSERT_TRUE(Upper() && Lower());
}

void ViewsTest::TearDown()
{
    m_frame.DestroyWindow();
    delete m_pDocument;
    PumpWaitingMessages();
    m_pApp.reset();
}

bool ViewsTest::Open(const std::string& strPath)
{
    if (!m_pDocument->OnOpenDocument(strPath.c_str()))
        return false;
    m_frame.SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, FALSE);
    return true;
}

void ViewsTest::NewDocument()
{
    ASSERT_TRUE(m_pDocument->OnNewDocument());
    m_frame.SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, FALSE);
}

void ViewsTest::Select(HWND hTree, HTREEITEM hItem)
{
    TreeView_SelectItem(hTree, hItem);
}

POINT ViewsTest::LabelPoint(HWND hTree, HTREEITEM hItem)
{
    RECT rect;
    TreeView_GetItemRect(hTree, hItem, &rect, TRUE);
    return POINT{rect.left + 3, (rect.top + rect.bottom) / 2};
}

void ViewsTest::DoubleClick(HWND hTree, HTREEITEM hItem)
{
    const POINT point = LabelPoint(hTree, hItem);
    SendMessageA(hTree, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    SendMessageA(hTree, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
}

void ViewsTest::PostAndPump(HWND hTree, UINT msg, POINT point)
{
    PostMessageA(hTree, msg, 0, MAKELPARAM(point.x, point.y));
    // Once for the message, once more for what the view posted to itself.
    PumpWaitingMessages();
    PumpWaitingMessages();
}

void ViewsTest::MoveMouse(HWND hTree, POINT point)
{
    QTest::mouseMove(WidgetOfWindow(hTree), QPoint(point.x, point.y));
    PumpWaitingMessages();
    PumpWaitingMessages();
}
