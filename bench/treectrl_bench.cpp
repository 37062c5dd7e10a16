// Tree control benchmark: the upper view's case of millions of top-level
// items labelled with entity lines of a real file, driven by messages as the
// views drive it. Prints its figures; never run by the tests.
//
//   treectrl_bench [file.ifc] [items]
//
// Make a large file with: ../shared/tools/ifc-scale ../shared/ifc-samples/duplex.ifc 52 /tmp/big52.ifc
#include "BenchSupport.h"
#include "support/TestSupport.h"
#include "support/TreeItems.h"
#include "treectrl/EntityTreeCtrl.h"
#include "treectrl/TreeData.h"

#include "platform/Gdi.h"
#include "platform/MessageLoop.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The file's lines, zero-terminated in one buffer.
struct Lines {
    std::string buffer;
    std::vector<const char*> lines;
    std::size_t bytes = 0;
};

bool ReadLines(const char* path, std::size_t limit, Lines& out)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::stringstream ss;
    ss << in.rdbuf();
    out.buffer = ss.str();
    char* p = out.buffer.data();
    char* end = p + out.buffer.size();
    while (p < end && out.lines.size() < limit) {
        char* nl = static_cast<char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
        if (!nl)
            nl = end;
        char* e = nl;
        if (e > p && e[-1] == '\r')
            --e;
        *e = '\0';
        out.lines.push_back(p);
        out.bytes += static_cast<std::size_t>(e - p);
        p = nl + 1;
    }
    return !out.lines.empty();
}

struct Bench {
    HWND parent = nullptr;
    CEntityTreeCtrl tree;
    HWND hwnd = nullptr;

    LRESULT Send(UINT msg, WPARAM w = 0, LPARAM l = 0) const { return SendMessageA(hwnd, msg, w, l); }
    HTREEITEM Insert(HTREEITEM parentItem, const char* text) const
    {
        return testsupport::InsertTreeItem(hwnd, parentItem, text);
    }
    HTREEITEM Next(HTREEITEM item, UINT code) const { return TreeView_GetNextItem(hwnd, item, code); }
    TreeData* Data() const { return reinterpret_cast<TreeData*>(GetWindowLongPtrA(hwnd, GWL_USERDATA)); }
    void ScrollToRow(int row) const
    {
        SCROLLINFO si;
        si.fMask = SIF_POS;
        si.nPos = row;
        SetScrollInfo(hwnd, SB_VERT, &si, FALSE);
        Send(WM_VSCROLL, SB_THUMBPOSITION);
    }
};

} // namespace

int main(int argc, char** argv)
{
    if (!InitPlatform(argc, argv)) {
        std::fprintf(stderr, "no display: %s\n", PlatformInitError().c_str());
        return 1;
    }
    const char* path = argc > 1 ? argv[1] : "/tmp/big52.ifc";
    const std::size_t limit = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 2000000;
    Lines labels;
    if (!ReadLines(path, limit, labels)) {
        std::fprintf(stderr, "cannot read %s (make it with ifc-scale, see the comment at the top)\n", path);
        return 1;
    }
    const int n = static_cast<int>(labels.lines.size());
    std::printf("labels: %d lines of %s, %.1f bytes on average\n", n, path,
                static_cast<double>(labels.bytes) / n);

    Bench b;
    b.parent = testsupport::CreateShownTopWindow(820, 640);
    RECT rect{0, 0, 800, 600};
    b.tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_DISABLEDRAGDROP | TVS_SHOWSELALWAYS, rect,
                  b.parent, 102);
    b.hwnd = b.tree.GetSafeHwnd();
    b.Send(WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    PumpWaitingMessages();

    // Filling between WM_SETREDRAW off and on, as the upper view does.
    const long rssBefore = ProcessStatusKb("VmRSS:") * 1024;
    const Stopwatch fill;
    b.Send(WM_SETREDRAW, FALSE);
    for (int i = 0; i < n; ++i)
        b.Insert(nullptr, labels.lines[static_cast<std::size_t>(i)]);
    const double inserted = fill.Ms();
    b.Send(WM_SETREDRAW, TRUE);
    const double done = fill.Ms();
    const long rssAfter = ProcessStatusKb("VmRSS:") * 1024;
    std::printf("insert %d items: %.0f ms, redraw on (scroll-bar update, all labels measured): %.0f ms, "
                "total %.0f ms\n",
                n, inserted, done - inserted, done);
    std::printf("memory: %.1f bytes per item beyond the label bytes (resident growth %.0f MB for %.0f MB of "
                "labels)\n",
                (static_cast<double>(rssAfter - rssBefore) - static_cast<double>(labels.bytes)) / n,
                (rssAfter - rssBefore) / 1e6, labels.bytes / 1e6);
    {
        TreeData* td = b.Data();
        const double pool = static_cast<double>(td->m_nodes.BytesReserved());
        const double blocks = static_cast<double>(td->m_labels.BytesReserved());
        std::printf("        structure: %.1f bytes per item (node %zu bytes, label terminator 1 byte; node "
                    "pool %.0f MB, "
                    "label blocks %.0f MB)\n",
                    (pool + blocks - static_cast<double>(labels.bytes)) / n, sizeof(TreeNode), pool / 1e6,
                    blocks / 1e6);
    }

    const int page = static_cast<int>(TreeView_GetVisibleCount(b.hwnd));
    for (int row : {0, n / 2, n - page}) {
        b.ScrollToRow(row);
        TreeData* td = b.Data();
        HTREEITEM first = b.Next(nullptr, TVGN_FIRSTVISIBLE);
        HTREEITEM inView = first;
        for (int i = 0; i < page / 2; ++i)
            inView = b.Next(inView, TVGN_NEXTVISIBLE);
        const double rectMs = MsPerCall(1000, [&](int) {
            RECT r;
            TreeView_GetItemRect(b.hwnd, inView, &r, TRUE);
        });
        const double hitMs = MsPerCall(1000, [&](int i) {
            TVHITTESTINFO info;
            info.pt = POINT{20 + i % 300, (i * 7) % 580};
            TreeView_HitTest(b.hwnd, &info);
        });
        const double hoverMs = MsPerCall(1000, [&](int i) {
            TVITEM set;
            set.hItem = inView;
            set.mask = TVIF_STATE;
            set.state = (i & 1) ? 0 : TVIS_BOLD;
            set.stateMask = TVIS_BOLD;
            TreeView_SetItem(b.hwnd, &set);
        });
        const double pageMs =
            MsPerCall(200, [&](int i) { b.Send(WM_VSCROLL, (i & 1) ? SB_PAGEUP : SB_PAGEDOWN); });
        std::printf("at row %d (top %d): TVM_GETITEMRECT %.4f ms, TVM_HITTEST %.4f ms, "
                    "TVM_SETITEMA hover bit + scroll-bar update %.4f ms, page scroll with repaint %.4f ms\n",
                    row, td->m_nTopIndex, rectMs, hitMs, hoverMs, pageMs);
    }

    // The same page scroll without painting: the control's own share.
    ShowWindow(b.parent, SW_HIDE);
    b.ScrollToRow(n / 2);
    std::printf("page scroll, window hidden (no repaint): %.4f ms\n",
                MsPerCall(200, [&](int i) { b.Send(WM_VSCROLL, (i & 1) ? SB_PAGEUP : SB_PAGEDOWN); }));
    ShowWindow(b.parent, SW_SHOW);

    // Far away: an item a million rows from the view.
    b.ScrollToRow(0);
    HTREEITEM far = b.Next(nullptr, TVGN_ROOT);
    for (int i = 0; i < std::min(n - 1, 1000000); ++i)
        far = b.Next(far, TVGN_NEXT);
    Stopwatch watch;
    RECT farRect;
    TreeView_GetItemRect(b.hwnd, far, &farRect, FALSE);
    std::printf("TVM_GETITEMRECT of an item %d rows below the view: %.2f ms\n", std::min(n - 1, 1000000),
                watch.Ms());
    watch.Restart();
    TreeView_SelectItem(b.hwnd, far);
    std::printf("select an item a million rows away (scrolled into view): %.2f ms\n", watch.Ms());
    HTREEITEM near = b.Next(nullptr, TVGN_ROOT);
    watch.Restart();
    TreeView_SelectItem(b.hwnd, near);
    std::printf("select back at the top: %.2f ms\n", watch.Ms());

    // Expanding and collapsing an item with 10,000 children in the middle.
    TreeView_SelectItem(b.hwnd, far);
    for (int i = 0; i < 10000; ++i)
        b.Insert(far, labels.lines[static_cast<std::size_t>(i % n)]);
    watch.Restart();
    TreeView_Expand(b.hwnd, far, TVE_EXPAND);
    const double expandMs = watch.Ms();
    watch.Restart();
    TreeView_Expand(b.hwnd, far, TVE_COLLAPSE);
    std::printf("expand 10,000 children: %.2f ms, collapse: %.2f ms\n", expandMs, watch.Ms());

    watch.Restart();
    TreeView_DeleteAllItems(b.hwnd);
    std::printf("delete all %d items: %.0f ms\n", static_cast<int>(n + 10000), watch.Ms());

    b.tree.DestroyWindow();
    DestroyWindow(b.parent);
    return 0;
}
