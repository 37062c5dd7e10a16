#include "treectrl/TreeTestSupport.h"

#include "treectrl/TreeNavigation.h"

#include "support/TestSupport.h"
#include "support/TreeItems.h"

#include "platform/qt/QtBridge.h"

#include <QScrollBar>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <algorithm>

TreeParent::TreeParent()
{
    m_hwnd =
        CreateWindowExA(0, testsupport::TestWindowClass("LumenorTreeTestParent", &Proc), "tree test",
                        WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, 0, GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(m_hwnd, GWL_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ShowWindow(m_hwnd, SW_SHOW);
}

TreeParent::~TreeParent()
{
    SetWindowLongPtrA(m_hwnd, GWL_USERDATA, 0);
    DestroyWindow(m_hwnd);
}

LRESULT TreeParent::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<TreeParent*>(GetWindowLongPtrA(hwnd, GWL_USERDATA));
    const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
    if (self && msg == WM_NOTIFY
        && (hdr->code == TVN_BEGINLABELEDITA || hdr->code == TVN_ENDLABELEDITA
            || hdr->code == TVN_GETDISPINFOA)) {
        auto* info = reinterpret_cast<NMTVDISPINFO*>(lParam);
        NMTREEVIEW header{};
        header.hdr = *hdr;
        self->notices.push_back(header);
        self->dispNotices.push_back({*info, info->item.pszText ? info->item.pszText : ""});
        return self->dispAnswer ? self->dispAnswer(*info) : 0;
    }
    if (self && msg == WM_NOTIFY) {
        const auto* nm = reinterpret_cast<const NMTREEVIEW*>(lParam);
        self->notices.push_back(*nm);
        return self->answer ? self->answer(*nm) : 0;
    }
    if (self && msg == WM_CONTEXTMENU) {
        self->contextMenus.emplace_back(wParam, lParam);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void TreeParent::Clear()
{
    notices.clear();
    dispNotices.clear();
    contextMenus.clear();
}

void TreeTest::SetUp()
{
    font = CreateTestFont();
    CreateTree(kViewStyle);
}

void TreeTest::TearDown()
{
    tree.DestroyWindow();
    DeleteObject(font);
}

void TreeTest::CreateTree(DWORD style, int width, int height)
{
    tree.DestroyWindow();
    RECT rect{0, 0, width, height};
    ASSERT_TRUE(tree.Create(style, rect, parent.hwnd(), kTreeId));
    hwnd = tree.GetSafeHwnd();
    Send(WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    parent.Clear();
}

std::vector<HTREEITEM> TreeTest::InsertMany(HTREEITEM parentItem, int count, const char* prefix) const
{
    std::vector<HTREEITEM> items;
    for (int i = 0; i < count; ++i)
        items.push_back(Insert(parentItem, (std::string(prefix) + std::to_string(i)).c_str()));
    return items;
}

RECT TreeTest::ItemRect(HTREEITEM item, bool textOnly) const
{
    RECT rect{};
    if (!TreeView_GetItemRect(hwnd, item, &rect, textOnly ? TRUE : FALSE))
        return RECT{-1, -1, -1, -1};
    return rect;
}

namespace {

const QScrollBar* ShownBar(HWND hwnd, int bar)
{
    const Qt::Orientation orientation = bar == SB_VERT ? Qt::Vertical : Qt::Horizontal;
    for (const QScrollBar* shown : WidgetOfWindow(hwnd)->findChildren<QScrollBar*>()) {
        if (shown->orientation() == orientation && shown->isVisible())
            return shown;
    }
    return nullptr;
}

} // namespace

int TreeTest::ShownScrollPos(int bar) const
{
    const QScrollBar* shown = ShownBar(hwnd, bar);
    return shown ? shown->value() : -1;
}

int TreeTest::ShownScrollMax(int bar) const
{
    const QScrollBar* shown = ShownBar(hwnd, bar);
    return shown ? shown->maximum() : -1;
}

bool TreeTest::ScreenIsUpToDate() const
{
    testsupport::ProcessEvents();
    const QImage shown = testsupport::GrabClient(hwnd);
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    testsupport::ProcessEvents();
    return !shown.isNull() && shown == testsupport::GrabClient(hwnd);
}

QWindow* TreeTest::ExposedWindow() const
{
    QWidget* top = WidgetOfWindow(parent.hwnd());
    EXPECT_TRUE(top && QTest::qWaitForWindowExposed(top));
    return top ? top->windowHandle() : nullptr;
}

QPoint TreeTest::At(int x, int y) const
{
    POINT p{x, y};
    ClientToScreen(hwnd, &p);
    return WidgetOfWindow(parent.hwnd())->windowHandle()->mapFromGlobal(QPoint(p.x, p.y));
}

Recount RecountTree(TreeData* td)
{
    Recount r;
    // Every node: count it and check its child count.
    std::vector<TreeNode*> stack{&td->m_root};
    while (!stack.empty()) {
        TreeNode* n = stack.back();
        stack.pop_back();
        int children = 0;
        for (TreeNode* c = n->pFirstChild; c; c = c->pNext) {
            ++children;
            ++r.count;
            stack.push_back(c);
        }
        if (children != n->nChildren)
            r.childCountsRight = false;
    }
    int row = 0;
    for (TreeNode* q = td->m_root.pFirstChild; q; q = NextVisible(q), ++row) {
        if (q == td->m_pFirstVisible)
            r.firstVisibleRow = row;
    }
    r.visible = row;
    return r;
}

int ScannedExtent(TreeData* td)
{
    const bool linesAtRoot = GetWindowLongPtrA(td->m_hWnd, GWL_STYLE) & TVS_LINESATROOT;
    const int indent = static_cast<int>(td->m_nIndent);
    int extent = 0;
    for (TreeNode* q = td->m_root.pFirstChild; q; q = NextVisible(q)) {
        const int offset = (Depth(q) + (linesAtRoot ? 1 : 0)) * indent;
        extent = std::max(extent, offset + q->cxText + 4);
    }
    return extent;
}
