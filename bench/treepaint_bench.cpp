// Tree painting benchmark: full repaints of a 1200 x 1000 pane of real
// entity lines in the views' style (lines, default GUI font), with a few
// items unfolded and one selected with the focus. Prints its figures;
// never run by the tests. Run with QT_QPA_PLATFORM=offscreen.
//
//   treepaint_bench [file.ifc] [repeats]
#include "BenchSupport.h"
#include "support/SampleFiles.h"
#include "support/TestSupport.h"
#include "support/TreeItems.h"
#include "treectrl/EntityTreeCtrl.h"

#include "platform/Gdi.h"
#include "platform/MessageLoop.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 1200;
constexpr int kHeight = 1000;

std::map<int, std::string> ReadEntities(const std::string& path)
{
    std::map<int, std::string> entities;
    for (std::string& line : ReadEntityLines(path))
        entities.emplace(std::atoi(line.c_str() + 1), std::move(line));
    return entities;
}

// Children for the entities that an entity line refers to.
void Unfold(HWND tree, HTREEITEM item, const std::string& label, const std::map<int, std::string>& entities)
{
    for (std::size_t at = label.find('#', 1); at != std::string::npos; at = label.find('#', at + 1)) {
        auto found = entities.find(std::atoi(label.c_str() + at + 1));
        if (found != entities.end())
            testsupport::InsertTreeItem(tree, item, found->second.c_str());
    }
    TreeView_Expand(tree, item, TVE_EXPAND);
}

// Times full repaints of what the tree shows now: into a bitmap through a
// passed context, on the window, and the labels' DrawTextA alone.
void MeasurePane(HWND tree, HDC dc, const RECT& client, int repeat)
{
    const int page = static_cast<int>(TreeView_GetVisibleCount(tree));
    std::vector<std::string> shown;
    std::size_t bytes = 0;
    for (HTREEITEM q = TreeView_GetNextItem(tree, nullptr, TVGN_FIRSTVISIBLE);
         q && static_cast<int>(shown.size()) <= page; q = TreeView_GetNextItem(tree, q, TVGN_NEXTVISIBLE)) {
        shown.push_back(testsupport::TreeLabel(tree, q));
        bytes += shown.back().size();
    }
    const int rows = static_cast<int>(shown.size());
    std::printf("  %d rows, %.0f bytes per label\n", rows, static_cast<double>(bytes) / rows);

    const Timing memory = TimeMs(repeat, [&] {
        ValidateRect(tree, nullptr);
        SendMessageA(tree, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    });
    std::printf("  full repaint into a bitmap (passed context): median %.3f ms, min %.3f ms\n", memory.median,
                memory.min);
    const Timing window = TimeMs(repeat, [&] {
        InvalidateRect(tree, nullptr, FALSE);
        UpdateWindow(tree);
    });
    std::printf("  full repaint of the window (BeginPaint, Qt backing store): median %.3f ms, min %.3f ms\n",
                window.median, window.min);

    // What the text alone costs: the pane's labels drawn as the control
    // draws them, nothing else.
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const int h = static_cast<int>(SendMessageA(tree, TVM_GETITEMHEIGHT, 0, 0));
    const Timing text = TimeMs(repeat, [&] {
        int top = 0;
        for (const std::string& label : shown) {
            RECT r{19, top, client.right, top + h};
            DrawTextA(dc, label.c_str(), static_cast<int>(label.size()), &r,
                      DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
            top += h;
        }
    });
    std::printf(
        "  DrawTextA of the %d labels alone: median %.3f ms, min %.3f ms (%.0f%% of the bitmap repaint)\n",
        rows, text.median, text.min, 100.0 * text.median / memory.median);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);

    HTREEITEM caret = TreeView_GetNextItem(tree, nullptr, TVGN_CARET);
    RECT focus{};
    if (caret && TreeView_GetItemRect(tree, caret, &focus, TRUE) && focus.top >= 0
        && focus.top < client.bottom) {
        const Timing frame = TimeMs(repeat, [&] { DrawFocusRect(dc, &focus); });
        std::printf("  DrawFocusRect on the caret's label (%d px wide): median %.3f ms, min %.3f ms\n",
                    static_cast<int>(focus.right - focus.left), frame.median, frame.min);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (!InitPlatform(argc, argv)) {
        std::fprintf(stderr, "no display: %s\n", PlatformInitError().c_str());
        return 1;
    }
    const std::string path = argc > 1 ? argv[1] : testsupport::SamplePath("duplex.ifc");
    const int repeat = argc > 2 ? std::atoi(argv[2]) : 200;
    const auto entities = ReadEntities(path);
    if (entities.empty()) {
        std::fprintf(stderr, "no entity lines in %s\n", path.c_str());
        return 1;
    }

    HWND parent = testsupport::CreateShownTopWindow(kWidth + 100, kHeight + 100);
    CEntityTreeCtrl control;
    RECT rect{0, 0, kWidth, kHeight};
    control.Create(WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_DISABLEDRAGDROP | TVS_SHOWSELALWAYS, rect,
                   parent, 102);
    HWND tree = control.GetSafeHwnd();
    SendMessageA(tree, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    // Make the client area (inside any scroll bars) exactly the pane.
    RECT client;
    GetClientRect(tree, &client);
    MoveWindow(tree, 0, 0, 2 * kWidth - client.right, 2 * kHeight - client.bottom, FALSE);
    GetClientRect(tree, &client);
    PumpWaitingMessages();

    SendMessageA(tree, WM_SETREDRAW, FALSE, 0);
    std::vector<HTREEITEM> roots;
    std::vector<const std::string*> labels;
    for (const auto& [number, text] : entities) {
        roots.push_back(testsupport::InsertTreeItem(tree, nullptr, text.c_str()));
        labels.push_back(&text);
    }
    SendMessageA(tree, WM_SETREDRAW, TRUE, 0);
    // A page from the middle of the file, with every third item in it
    // unfolded and one of the unfolded children selected.
    const std::size_t middle = roots.size() / 2;
    TreeView_Select(tree, roots[middle], TVGN_FIRSTVISIBLE);
    const int page = static_cast<int>(TreeView_GetVisibleCount(tree));
    for (std::size_t i = middle; i < std::min(roots.size(), middle + static_cast<std::size_t>(page)); i += 3)
        Unfold(tree, roots[i], *labels[i], entities);
    HTREEITEM selected = TreeView_GetNextItem(tree, roots[middle + 3], TVGN_CHILD);
    TreeView_SelectItem(tree, selected ? selected : roots[middle + 3]);
    SetFocus(tree);
    PumpWaitingMessages();

    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateBitmap(client.right, client.bottom);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    std::printf("%s: %zu entities; pane %d x %d, rows of %ld px\n", path.c_str(), entities.size(),
                static_cast<int>(client.right), static_cast<int>(client.bottom),
                static_cast<long>(SendMessageA(tree, TVM_GETITEMHEIGHT, 0, 0)));
    std::printf("middle of the file, every third item unfolded, one child selected:\n");
    MeasurePane(tree, dc, client, repeat);

    // The page whose labels are longest in all; making its first item the
    // top row makes it the caret too.
    std::size_t heaviest = 0;
    std::size_t most = 0;
    std::size_t sum = 0;
    const std::size_t rowsPerPage = static_cast<std::size_t>(page) + 1;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        sum += labels[i]->size();
        if (i >= rowsPerPage)
            sum -= labels[i - rowsPerPage]->size();
        if (sum > most) {
            most = sum;
            heaviest = i + 1 - std::min(i + 1, rowsPerPage);
        }
    }
    TreeView_Select(tree, roots[heaviest], TVGN_FIRSTVISIBLE);
    std::printf("the page of the longest labels, the caret on its first:\n");
    MeasurePane(tree, dc, client, repeat);

    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    control.DestroyWindow();
    DestroyWindow(parent);
    return 0;
}
