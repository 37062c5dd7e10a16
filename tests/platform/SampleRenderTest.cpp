// Renders a small window with the standard controls and a text sample to
// PNG files in the build folder, for people to look at; checks that the
// files are written and hold what was drawn.
#include "platform/CommCtrl.h"
#include "platform/Gdi.h"
#include "platform/Window.h"
#include "platform/qt/QtBridge.h"
#include "support/TestSupport.h"

#include <QFileInfo>
#include <QImage>

#include <gtest/gtest.h>

#include <string>

namespace {

HWND Child(HWND parent, const char* cls, const char* text, DWORD style, int x, int y, int w, int h, int id,
           DWORD exStyle = 0)
{
    return CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                           static_cast<HMENU>(id), nullptr, nullptr);
}

TEST(SampleRenderTest, WindowWithStandardControls)
{
    HWND top = testsupport::CreateShownTopWindow(360, 200);
    HWND panel = Child(top, WC_STATICA, "", 0, 0, 0, 360, 200, 1);
    HFONT font = reinterpret_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    HWND label = Child(top, WC_STATICA, "Building tree structure \x85", 0, 175, 12, 180, 16, 2);
    HWND progress = Child(top, PROGRESS_CLASSA, "", 0, 10, 12, 160, 16, 3);
    HWND edit = Child(top, WC_EDITA, "#12=IFCWALL(...)", WS_BORDER, 10, 40, 200, 24, 4);
    HWND up = Child(top, WC_BUTTONA, "&Up", BS_AUTORADIOBUTTON | WS_GROUP, 10, 75, 80, 20, 5);
    HWND down = Child(top, WC_BUTTONA, "&Down", BS_AUTORADIOBUTTON, 10, 97, 80, 20, 6);
    HWND ok = Child(top, WC_BUTTONA, "OK", BS_DEFPUSHBUTTON, 10, 160, 80, 26, IDOK);
    HWND tree = Child(top, WC_TREEVIEWA, "", 0, 220, 40, 130, 150, 7, WS_EX_CLIENTEDGE);
    for (HWND w : {label, edit, up, down, ok})
        SendMessageA(w, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageA(progress, PBM_SETRANGE32, 0, 100);
    SendMessageA(progress, PBM_SETPOS, 60, 0);
    SendMessageA(down, BM_SETCHECK, BST_CHECKED, 0);
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE;
    si.nMax = 99;
    si.nPage = 30;
    SetScrollInfo(tree, SB_VERT, &si, TRUE);
    (void)panel;
    testsupport::ProcessEvents();
    RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);

    const QImage shot = GrabWindowImage(top);
    ASSERT_FALSE(shot.isNull());
    const std::string path = std::string(LUMENOR_BINARY_DIR) + "/platform-sample-window.png";
    ASSERT_TRUE(shot.save(QString::fromStdString(path)));
    EXPECT_GT(QFileInfo(QString::fromStdString(path)).size(), 0);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_EQ(shot.pixel(14, 20) & 0xFFFFFF,
              qRgb(GetRValue(highlight), GetGValue(highlight), GetBValue(highlight)) & 0xFFFFFFu);
    DestroyWindow(top);
}

TEST(SampleRenderTest, TextSampleOnABitmap)
{
    HBITMAP bitmap = CreateBitmap(320, 60);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    RECT line{4, 4, 316, 20};
    DrawTextA(dc, "#1=IFCPROJECT('0YvctVUKr0kugbFTf53O9L',#2,'Caf\xE9 \x80',$);", -1, &line,
              DT_SINGLELINE | DT_NOPREFIX);
    HFONT test = CreateTestFont();
    SelectObject(dc, test);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
    SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    ExtTextOutA(dc, 4, 26, 0, nullptr, "Test font 7x13", 14, nullptr);
    RECT focus{3, 25, 4 + 14 * kTestFontCharWidth + 1, 26 + kTestFontHeight + 1};
    DrawFocusRect(dc, &focus);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    const std::string path = std::string(LUMENOR_BINARY_DIR) + "/platform-sample-text.png";
    EXPECT_TRUE(SaveBitmapPng(bitmap, path.c_str()));
    EXPECT_GT(QFileInfo(QString::fromStdString(path)).size(), 0);
    EXPECT_EQ(GetPixel(dc, 5, 27), GetSysColor(COLOR_HIGHLIGHT)) << "opaque text background";
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
    DeleteObject(test);
}

} // namespace
