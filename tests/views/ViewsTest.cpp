#include "views/ViewsTest.h"

#include "framework/CreateContext.h"
#include "framework/FrameworkMessages.h"
#include "platform/MessageLoop.h"
#include "platform/qt/QtBridge.h"

#include <QTest>
#include <QWidget>

#include <cstring>

namespace {

template <class TView>
TView* CreatePane(CWnd& frame, CKantorDocument& document, const RECT& rect, UINT nID)
{
    auto* pView = new TView;
    CCreateContext context;
    context.m_pCurrentDoc = &document;
    if (!pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, rect, &frame, nID, &context))
        return nullptr;
    return pView;
}

} // namespace

void ViewsTest::SetUp()
{
    m_pApp = std::make_unique<CWinApp>("Lumenor views test");
    m_pDocument = new CKantorDocument;
    m_pDocument->SetStatusBarSource([this] { return &m_statusBar; });
    ASSERT_TRUE(
        m_frame.CreateEx(0, nullptr, "views", WS_OVERLAPPEDWINDOW, RECT{40, 40, 640, 440}, nullptr, 0));
    m_pUpper = CreatePane<CKantorView>(m_frame, *m_pDocument, RECT{0, 0, 600, 200}, 1);
    m_pLower = CreatePane<CKantorInverseView>(m_frame, *m_pDocument, RECT{0, 200, 600, 400}, 2);
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

std::vector<HTREEITEM> ViewsTest::Children(HWND hTree, HTREEITEM hParent)
{
    std::vector<HTREEITEM> aItems;
    auto hItem = reinterpret_cast<HTREEITEM>(
        hParent ? SendMessageA(hTree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(hParent))
                : SendMessageA(hTree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    for (; hItem; hItem = reinterpret_cast<HTREEITEM>(
                      SendMessageA(hTree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(hItem))))
        aItems.push_back(hItem);
    return aItems;
}

std::string ViewsTest::Label(HWND hTree, HTREEITEM hItem)
{
    static std::vector<char> aBuffer(1 << 20);
    TVITEM item;
    item.mask = TVIF_TEXT;
    item.hItem = hItem;
    item.pszText = aBuffer.data();
    item.cchTextMax = static_cast<int>(aBuffer.size());
    SendMessageA(hTree, TVM_GETITEM, 0, reinterpret_cast<LPARAM>(&item));
    return aBuffer.data();
}

std::vector<std::string> ViewsTest::Labels(HWND hTree, const std::vector<HTREEITEM>& aItems)
{
    std::vector<std::string> aLabels;
    for (HTREEITEM hItem : aItems)
        aLabels.push_back(Label(hTree, hItem));
    return aLabels;
}

HTREEITEM ViewsTest::Caret(HWND hTree)
{
    return reinterpret_cast<HTREEITEM>(SendMessageA(hTree, TVM_GETNEXTITEM, TVGN_CARET, 0));
}

UINT ViewsTest::State(HWND hTree, HTREEITEM hItem)
{
    TVITEM item;
    item.mask = TVIF_STATE;
    item.hItem = hItem;
    SendMessageA(hTree, TVM_GETITEM, 0, reinterpret_cast<LPARAM>(&item));
    return item.state;
}

HTREEITEM ViewsTest::RootOf(HWND hTree, const std::string& strLabelStart)
{
    for (HTREEITEM hItem : Children(hTree))
        if (Label(hTree, hItem).rfind(strLabelStart, 0) == 0)
            return hItem;
    return nullptr;
}

void ViewsTest::Select(HWND hTree, HTREEITEM hItem)
{
    SendMessageA(hTree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(hItem));
}

POINT ViewsTest::LabelPoint(HWND hTree, HTREEITEM hItem)
{
    RECT rect;
    std::memcpy(static_cast<void*>(&rect), &hItem, sizeof hItem);
    SendMessageA(hTree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect));
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
