// The Qt side: the menu bar outside the client area, dropped files and
// cursors through WM_SETCURSOR.
#include "platform/qt/QtBridge.h"
#include "platform/Window.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QDropEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

using testsupport::MessageRecorder;

class QtBridgeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        top = testsupport::CreateShownTopWindow(300, 200);
        ASSERT_NE(top, nullptr);
    }
    void TearDown() override
    {
        DestroyWindow(top);
        testsupport::ProcessEvents();
    }
    HWND top = nullptr;
};

TEST_F(QtBridgeTest, MenuBarSitsAboveTheClientArea)
{
    MessageRecorder log;
    log.Watch(top);
    auto* menu = new QMenuBar;
    menu->addMenu(QStringLiteral("&File"));
    ASSERT_TRUE(SetWindowMenuWidget(top, menu));
    RECT client;
    GetClientRect(top, &client);
    const int menuHeight = menu->sizeHint().height();
    EXPECT_GT(menuHeight, 0);
    EXPECT_EQ(client.bottom, 200 - menuHeight);
    ASSERT_EQ(log.Count(WM_SIZE), 1);
    EXPECT_EQ(HIWORD(log.Messages().back().lParam), 200 - menuHeight);
    POINT origin{0, 0};
    ClientToScreen(top, &origin);
    EXPECT_EQ(origin.y, WidgetOfWindow(top)->mapToGlobal(QPoint(0, menuHeight)).y());
    EXPECT_EQ(WindowOfWidget(menu), top);
    EXPECT_TRUE(SetWindowMenuWidget(top, nullptr));
    GetClientRect(top, &client);
    EXPECT_EQ(client.bottom, 200);
}

// The names are read by the main window's test; here the handle's life and
// a window that takes no files.
TEST_F(QtBridgeTest, DroppedFilesArriveAsDropFilesOnlyWhereAccepted)
{
    MessageRecorder log;
    log.Watch(top);
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.ifc"))});
    auto drop = [&] {
        log.Clear();
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(WidgetOfWindow(top), &enter);
        QDropEvent event(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(WidgetOfWindow(top), &event);
        for (const auto& m : log.Messages())
            if (m.message == WM_DROPFILES)
                return reinterpret_cast<HDROP>(m.wParam);
        return HDROP{};
    };
    DragAcceptFiles(top, TRUE);
    const HDROP handle = drop();
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(DragQueryFileA(handle, 0xFFFFFFFF, nullptr, 0), 1u);
    DragFinish(handle);
    EXPECT_EQ(DragQueryFileA(handle, 0xFFFFFFFF, nullptr, 0), 0u) << "a finished drop is gone";
    DragAcceptFiles(top, FALSE);
    EXPECT_EQ(drop(), nullptr);
}

TEST_F(QtBridgeTest, ClassCursorIsSetThroughSetCursor)
{
    WNDCLASSA wc;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hCursor = LoadStandardCursor(StandardCursor::Hand);
    wc.lpszClassName = "PlatformTestHandCursor";
    RegisterClassA(&wc);
    HWND link = CreateWindowExA(0, "PlatformTestHandCursor", "", WS_CHILD | WS_VISIBLE, 10, 10, 80, 20, top,
                                static_cast<HMENU>(1), nullptr, nullptr);
    MessageRecorder log;
    log.Watch(link);
    QTest::mouseMove(WidgetOfWindow(top)->windowHandle(), QPoint(20, 15));
    ASSERT_GE(log.Count(WM_SETCURSOR), 1);
    EXPECT_EQ(WidgetOfWindow(link)->cursor().shape(), Qt::PointingHandCursor);
}

} // namespace
