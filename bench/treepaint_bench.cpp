// Tree painting benchmark: full repaints of a 1200 x 1000 pane of real
// entity lines in the views' style (lines, default GUI font), with a few
// items unfolded and one selected with the focus. Prints its figures;
// never run by the tests. Run with QT_QPA_PLATFORM=offscreen.
//
//   treepaint_bench [file.ifc] [repeats]
#include "BenchSupport.h"
#include "treectrl/EntityTreeCtrl.h"

#include "platform/CommCtrl.h"
#include "platform/Gdi.h"
#include "platform/MessageLoop.h"
#include "platform/Window.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
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

LRESULT ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NOTIFY)
        return 0;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

struct Tree {
    HWND hwnd = nullptr;
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return SendMessageA(hwnd, msg, wParam, lParam);
    }
    HTREEITEM Insert(HTREEITEM parent, const std::string& text) const
    {
        TVINSERTSTRUCT is;
        is.hParent = parent;
        is.hInsertAfter = TVI_LAST;
        is.item.mask = TVIF_TEXT;
        is.item.pszText = const_cast<char*>(text.c_str());
        return reinterpret_cast<HTREEITEM>(Send(TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&is)));
    }
    HTREEITEM Next(HTREEITEM item, WPARAM code) const
    {
        return reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
    }
};

// Children for the entities that an entity line refers to.
void Unfold(const Tree& tree, HTREEITEM item, const std::string& label,
            const std::map<int, std::string>& entities)
{
    for (std::size_t at = label.find('#', 1); at != std::string::npos; at = label.find('#', at + 1)) {
        auto found = entities.find(std::atoi(label.c_str() + at + 1));
        if (found != entities.end())
            tree.Insert(item, found->second);
    }
    tree.Send(TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
}

// Times full repaints of what the tree shows now: into a bitmap through a
// passed context, on the window, and the labels' DrawTextA alone.
void MeasurePane(const Tree& tree, HDC dc, const RECT& client, int repeat)
{
    const int page = static_cast<int>(tree.Send(TVM_GETVISIBLECOUNT));
    std::vector<std::string> shown;
    std::size_t bytes = 0;
    for (HTREEITEM q = tree.Next(nullptr, TVGN_FIRSTVISIBLE); q && static_cast<int>(shown.size()) <= page;
         q = tree.Next(q, TVGN_NEXTVISIBLE)) {
        std::vector<char> buffer(1 << 20);
        TVITEM item;
        item.mask = TVIF_TEXT;
        item.hItem = q;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(buffer.size());
        tree.Send(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        shown.emplace_back(buffer.data());
        bytes += shown.back().size();
    }
    const int rows = static_cast<int>(shown.size());
    std::printf("  %d rows, %.0f bytes per label\n", rows, static_cast<double>(bytes) / rows);

    const Timing memory = TimeMs(repeat, [&] {
        ValidateRect(tree.hwnd, nullptr);
        tree.Send(WM_PAINT, reinterpret_cast<WPARAM>(dc));
    });
    std::printf("  full repaint into a bitmap (passed context): median %.3f ms, min %.3f ms\n", memory.median,
                memory.min);
    const Timing window = TimeMs(repeat, [&] {
        InvalidateRect(tree.hwnd, nullptr, FALSE);
        UpdateWindow(tree.hwnd);
    });
    std::printf("  full repaint of the window (BeginPaint, Qt backing store): median %.3f ms, min %.3f ms\n",
                window.median, window.min);

    // What the text alone costs: the pane's labels drawn as the control
    // draws them, nothing else.
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const int h = static_cast<int>(tree.Send(TVM_GETITEMHEIGHT));
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

    HTREEITEM caret = tree.Next(nullptr, TVGN_CARET);
    RECT focus{};
    std::memcpy(static_cast<void*>(&focus), &caret, sizeof(caret));
    if (caret && tree.Send(TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&focus)) && focus.top >= 0
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
    const std::string path = argc > 1 ? argv[1] : (SamplesDir() / "duplex.ifc").string();
    const int repeat = argc > 2 ? std::atoi(argv[2]) : 200;
    const auto entities = ReadEntities(path);
    if (entities.empty()) {
        std::fprintf(stderr, "no entity lines in %s\n", path.c_str());
        return 1;
    }

    WNDCLASSA wc;
    wc.lpfnWndProc = &ParentProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "TreePaintBenchParent";
    RegisterClassA(&wc);
    HWND parent = CreateWindowExA(0, "TreePaintBenchParent", "bench", WS_OVERLAPPEDWINDOW, 0, 0, kWidth + 100,
                                  kHeight + 100, nullptr, 0, GetModuleHandleA(nullptr), nullptr);
    ShowWindow(parent, SW_SHOW);
    CEntityTreeCtrl control;
    RECT rect{0, 0, kWidth, kHeight};
    control.Create(WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_DISABLEDRAGDROP | TVS_SHOWSELALWAYS, rect,
                   parent, 102);
    Tree tree{control.GetSafeHwnd()};
    tree.Send(WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    // Make the client area (inside any scroll bars) exactly the pane.
    RECT client;
    GetClientRect(tree.hwnd, &client);
    MoveWindow(tree.hwnd, 0, 0, 2 * kWidth - client.right, 2 * kHeight - client.bottom, FALSE);
    GetClientRect(tree.hwnd, &client);
    PumpWaitingMessages();

    tree.Send(WM_SETREDRAW, FALSE);
    std::vector<HTREEITEM> roots;
    std::vector<const std::string*> labels;
    for (const auto& [number, text] : entities) {
        roots.push_back(tree.Insert(nullptr, text));
        labels.push_back(&text);
    }
    tree.Send(WM_SETREDRAW, TRUE);
    // A page from the middle of the file, with every third item in it
    // unfolded and one of the unfolded children selected.
    const std::size_t middle = roots.size() / 2;
    tree.Send(TVM_SELECTITEM, TVGN_FIRSTVISIBLE, reinterpret_cast<LPARAM>(roots[middle]));
    const int page = static_cast<int>(tree.Send(TVM_GETVISIBLECOUNT));
    for (std::size_t i = middle; i < std::min(roots.size(), middle + static_cast<std::size_t>(page)); i += 3)
        Unfold(tree, roots[i], *labels[i], entities);
    HTREEITEM selected = tree.Next(roots[middle + 3], TVGN_CHILD);
    tree.Send(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(selected ? selected : roots[middle + 3]));
    SetFocus(tree.hwnd);
    PumpWaitingMessages();

    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateBitmap(client.right, client.bottom);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    std::printf("%s: %zu entities; pane %d x %d, rows of %ld px\n", path.c_str(), entities.size(),
                static_cast<int>(client.right), static_cast<int>(client.bottom),
                static_cast<long>(tree.Send(TVM_GETITEMHEIGHT)));
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
    tree.Send(TVM_SELECTITEM, TVGN_FIRSTVISIBLE, reinterpret_cast<LPARAM>(roots[heaviest]));
    std::printf("the page of the longest labels, the caret on its first:\n");
    MeasurePane(tree, dc, client, repeat);

    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    control.DestroyWindow();
    DestroyWindow(parent);
    return 0;
}
