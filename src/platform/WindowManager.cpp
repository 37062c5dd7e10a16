// Window classes, creation and destruction, procedures and window data,
// sending, and the hierarchy.
#include "platform/internal/WindowRecord.h"

#include "platform/internal/Cp1252.h"
#include "platform/internal/FocusState.h"
#include "platform/internal/MessagePump.h"
#include "platform/internal/ScrollBars.h"
#include "platform/internal/Timers.h"
#include "platform/internal/WindowWidget.h"

#include <QApplication>
#include <QTimer>

#include <algorithm>
#include <cctype>
#include <iterator>
#include <map>
#include <unordered_set>

struct InstanceRecord { };

namespace {

InstanceRecord g_instance;
std::unordered_set<const WindowRecord*> g_liveWindows;
// The handles looked up last: a tree being filled or painted gets millions
// of messages for the same few windows, each of which checks its handle.
// A window leaves this list when it is freed, so an entry is always live.
constexpr std::size_t kRecentLive = 4;
const WindowRecord* g_recentLive[kRecentLive] = {};
std::size_t g_nextRecent = 0;
std::function<void(HWND)> g_creationHook;

std::string ClassKey(const char* name)
{
    std::string key(name);
    for (char& c : key)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

std::map<std::string, std::unique_ptr<WindowClassRecord>>& Classes()
{
    static std::map<std::string, std::unique_ptr<WindowClassRecord>> classes;
    return classes;
}

Qt::WindowFlags TopLevelFlags(DWORD style, const char* className, bool owned)
{
    if (FindWindowClass(className) == FindWindowClass("tooltips_class32"))
        return Qt::ToolTip;
    if ((style & WS_POPUP) && !(style & WS_CAPTION))
        return Qt::Tool | Qt::FramelessWindowHint;
    return owned ? Qt::Dialog : Qt::Window;
}

QWidget* CreateBackingWidget(HWND hwnd, const WindowClassRecord* cls, QWidget* parent)
{
    if (cls->kind == WidgetKind::LineEdit)
        return new EditWidget(hwnd, parent);
    auto* widget = new WindowWidget(hwnd, parent);
    // The window paints every pixel it wants painted; what it leaves stays
    // as it was, and Qt never paints the parent underneath.
    widget->setAttribute(Qt::WA_OpaquePaintEvent);
    widget->setAttribute(Qt::WA_NoSystemBackground);
    widget->setMouseTracking(true);
    widget->setFocusPolicy(Qt::NoFocus);
    return widget;
}

void DetachWidget(QWidget* widget)
{
    if (auto* plain = dynamic_cast<WindowWidget*>(widget))
        plain->detach();
    else if (auto* edit = dynamic_cast<EditWidget*>(widget))
        edit->detach();
}

void MarkDestroying(WindowRecord* rec)
{
    rec->destroying = true;
    for (HWND child : rec->children)
        MarkDestroying(child);
}

void SendDestroy(HWND hwnd)
{
    SendMessageA(hwnd, WM_DESTROY, 0, 0);
    const std::vector<HWND> children = hwnd->children;
    for (HWND child : children) {
        if (LiveWindow(child))
            SendDestroy(child);
    }
}

void FreeWindow(WindowRecord* rec)
{
    KillWindowTimers(rec);
    EndModalLoopOfDestroyedWindow(rec);
    g_liveWindows.erase(rec);
    std::replace(std::begin(g_recentLive), std::end(g_recentLive), static_cast<const WindowRecord*>(rec),
                 static_cast<const WindowRecord*>(nullptr));
    rec->dead = true;
    DetachWidget(rec->widget);
    // Freed on the next turn of the event loop, so that a caller up the
    // stack that still holds the handle finds it dead, not reused.
    QTimer::singleShot(0, [rec] { delete rec; });
}

void SendNcDestroyAndFree(HWND hwnd)
{
    const std::vector<HWND> children = hwnd->children;
    for (HWND child : children) {
        if (LiveWindow(child))
            SendNcDestroyAndFree(child);
    }
    SendMessageA(hwnd, WM_NCDESTROY, 0, 0);
    FreeWindow(hwnd);
}

} // namespace

WindowRecord* LiveWindow(HWND hwnd)
{
    if (!hwnd)
        return nullptr;
    for (const WindowRecord* recent : g_recentLive) {
        if (recent == hwnd)
            return hwnd;
    }
    if (!g_liveWindows.count(hwnd))
        return nullptr;
    g_recentLive[g_nextRecent] = hwnd;
    g_nextRecent = (g_nextRecent + 1) % kRecentLive;
    return hwnd;
}

const WindowClassRecord* FindWindowClass(const char* name)
{
    if (!name)
        return nullptr;
    auto it = Classes().find(ClassKey(name));
    return it == Classes().end() ? nullptr : it->second.get();
}

HWND WindowOfWidgetExact(const QWidget* widget)
{
    if (auto* plain = dynamic_cast<const WindowWidget*>(widget))
        return LiveWindow(plain->hwnd());
    if (auto* edit = dynamic_cast<const EditWidget*>(widget))
        return LiveWindow(edit->hwnd());
    return nullptr;
}

BOOL RegisterWindowClassOfKind(const WNDCLASSA* wc, WidgetKind kind)
{
    if (!wc || !wc->lpszClassName || !*wc->lpszClassName || !wc->lpfnWndProc)
        return FALSE;
    const std::string key = ClassKey(wc->lpszClassName);
    if (Classes().count(key))
        return FALSE;
    auto cls = std::make_unique<WindowClassRecord>();
    cls->name = wc->lpszClassName;
    cls->wc = *wc;
    cls->wc.lpszClassName = cls->name.c_str();
    cls->kind = kind;
    Classes().emplace(key, std::move(cls));
    return TRUE;
}

BOOL RegisterClassA(const WNDCLASSA* wc)
{
    return RegisterWindowClassOfKind(wc, WidgetKind::Plain);
}

BOOL GetClassInfoA(HINSTANCE, const char* className, WNDCLASSA* wc)
{
    const WindowClassRecord* cls = FindWindowClass(className);
    if (!cls || !wc)
        return FALSE;
    *wc = cls->wc;
    return TRUE;
}

HINSTANCE GetModuleHandleA(const char*)
{
    return &g_instance;
}

void HookNextWindowCreation(std::function<void(HWND)> hook)
{
    g_creationHook = std::move(hook);
}

HWND CreateWindowExA(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU hMenu, HINSTANCE hInstance, void* param)
{
    const WindowClassRecord* cls = FindWindowClass(className);
    if (!cls || !qApp)
        return nullptr;
    const bool child = (style & WS_CHILD) != 0;
    if (parent && !LiveWindow(parent))
        return nullptr;
    if (child && !parent)
        return nullptr;
    if (!child)
        style &= ~WS_VISIBLE; // shown by ShowWindow only

    auto* rec = new WindowRecord;
    rec->windowClass = cls;
    rec->proc = cls->wc.lpfnWndProc;
    rec->style = style;
    rec->exStyle = exStyle;
    rec->id = child ? hMenu : 0;
    rec->instance = hInstance ? hInstance : &g_instance;
    rec->parent = parent;
    rec->text = windowName ? windowName : "";
    g_liveWindows.insert(rec);

    QWidget* parentWidget = parent ? parent->widget : nullptr;
    if (child) {
        rec->widget = CreateBackingWidget(rec, cls, parentWidget);
        parent->children.push_back(rec);
        rec->widget->setGeometry(
            QRect(ClientOrigin(parent) + QPoint(x, y), QSize(std::max(width, 0), std::max(height, 0))));
    } else {
        QWidget* owner = parentWidget ? parentWidget->window() : nullptr;
        rec->widget = CreateBackingWidget(rec, cls, owner);
        rec->widget->setWindowFlags(TopLevelFlags(style, className, owner != nullptr));
        rec->widget->setWindowTitle(TextFromUtf8(rec->text));
        const bool defaultPos = x == CW_USEDEFAULT;
        const bool defaultSize = width == CW_USEDEFAULT;
        QRect geometry(defaultPos ? 100 : x, defaultPos ? 100 : y, defaultSize ? 800 : std::max(width, 0),
                       defaultSize ? 600 : std::max(height, 0));
        rec->widget->setGeometry(geometry);
    }
    ApplyEnabledState(rec);
    if (exStyle & WS_EX_ACCEPTFILES)
        rec->widget->setAcceptDrops(true);
    EnsureScrollBarWidgets(rec);
    LayoutNonClient(rec);

    if (g_creationHook) {
        auto hook = std::move(g_creationHook);
        g_creationHook = nullptr;
        hook(rec);
    }

    CREATESTRUCTA cs;
    cs.lpCreateParams = param;
    cs.hInstance = rec->instance;
    cs.hMenu = hMenu;
    cs.hwndParent = parent;
    cs.cy = height;
    cs.cx = width;
    cs.y = y;
    cs.x = x;
    cs.style = static_cast<LONG>(style);
    cs.lpszName = windowName;
    cs.lpszClass = className;
    cs.dwExStyle = exStyle;
    if (!SendMessageA(rec, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
        DestroyWindow(rec);
        return nullptr;
    }
    if (!LiveWindow(rec))
        return nullptr;
    if (SendMessageA(rec, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(rec);
        return nullptr;
    }
    if (!LiveWindow(rec))
        return nullptr;
    NotifySizeIfChanged(rec, false);
    NotifyMoveIfChanged(rec);
    if (child && LiveWindow(rec))
        rec->widget->setVisible((rec->style & WS_VISIBLE) != 0);
    return LiveWindow(rec);
}

BOOL DestroyWindow(HWND hwnd)
{
    WindowRecord* rec = LiveWindow(hwnd);
    if (!rec || rec->destroying)
        return FALSE;

    // Owned top-level windows go first, as they would close with their owner.
    std::vector<HWND> owned;
    for (const WindowRecord* w : g_liveWindows) {
        if (w->parent == hwnd && !(w->style & WS_CHILD))
            owned.push_back(const_cast<WindowRecord*>(w));
    }
    for (HWND w : owned)
        DestroyWindow(w);

    MarkDestroying(rec);
    ForgetFocusAndCaptureInside(rec);
    {
        QtFocusChangeGuard guard;
        rec->widget->hide();
    }
    SendDestroy(rec);
    if (rec->parent) {
        auto& siblings = rec->parent->children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), rec), siblings.end());
    }
    QWidget* widget = rec->widget;
    SendNcDestroyAndFree(rec);
    widget->deleteLater();
    return TRUE;
}

BOOL IsWindow(HWND hwnd)
{
    return LiveWindow(hwnd) ? TRUE : FALSE;
}

BOOL IsWindowDestroying(HWND hwnd)
{
    const WindowRecord* rec = LiveWindow(hwnd);
    return rec && rec->destroying ? TRUE : FALSE;
}

LONG_PTR GetWindowLongPtrA(HWND hwnd, int index)
{
    const WindowRecord* rec = LiveWindow(hwnd);
    if (!rec)
        return 0;
    switch (index) {
    case GWL_WNDPROC:
        return reinterpret_cast<LONG_PTR>(rec->proc);
    case GWL_HINSTANCE:
        return reinterpret_cast<LONG_PTR>(rec->instance);
    case GWL_ID:
        return static_cast<LONG_PTR>(rec->id);
    case GWL_STYLE:
        return static_cast<LONG_PTR>(rec->style);
    case GWL_EXSTYLE:
        return static_cast<LONG_PTR>(rec->exStyle);
    case GWL_USERDATA:
        return rec->userData;
    default:
        return 0;
    }
}

LONG_PTR SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value)
{
    WindowRecord* rec = LiveWindow(hwnd);
    if (!rec)
        return 0;
    LONG_PTR old = GetWindowLongPtrA(hwnd, index);
    switch (index) {
    case GWL_WNDPROC:
        if (!value)
            return 0;
        rec->proc = reinterpret_cast<WNDPROC>(value);
        break;
    case GWL_HINSTANCE:
        rec->instance = reinterpret_cast<HINSTANCE>(value);
        break;
    case GWL_USERDATA:
        rec->userData = value;
        break;
    case GWL_STYLE: {
        const DWORD oldStyle = rec->style;
        rec->style = static_cast<DWORD>(value);
        ApplyStyleChange(rec, oldStyle);
        break;
    }
    case GWL_EXSTYLE:
        rec->exStyle = static_cast<DWORD>(value);
        rec->widget->setAcceptDrops((rec->exStyle & WS_EX_ACCEPTFILES) != 0);
        LayoutNonClient(rec);
        NotifySizeIfChanged(rec, false);
        break;
    default:
        return 0;
    }
    return old;
}

BOOL SetPropA(HWND hwnd, const char* name, void* value)
{
    WindowRecord* rec = LiveWindow(hwnd);
    if (!rec || !name)
        return FALSE;
    rec->props[name] = value;
    return TRUE;
}

void* GetPropA(HWND hwnd, const char* name)
{
    const WindowRecord* rec = LiveWindow(hwnd);
    if (!rec || !name)
        return nullptr;
    auto it = rec->props.find(name);
    return it == rec->props.end() ? nullptr : it->second;
}

void* RemovePropA(HWND hwnd, const char* name)
{
    WindowRecord* rec = LiveWindow(hwnd);
    if (!rec || !name)
        return nullptr;
    auto it = rec->props.find(name);
    if (it == rec->props.end())
        return nullptr;
    void* value = it->second;
    rec->props.erase(it);
    return value;
}

LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!proc)
        return 0;
    return proc(hwnd, msg, wParam, lParam);
}

LRESULT SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    const WindowRecord* rec = LiveWindow(hwnd);
    if (!rec)
        return 0;
    return rec->proc(hwnd, msg, wParam, lParam);
}

// Hierarchy ---------------------------------------------------------------

HWND GetParent(HWND hwnd)
{
    const WindowRecord* rec = LiveWindow(hwnd);
    if (!rec)
        return nullptr;
    if ((rec->style & WS_CHILD) || (rec->style & WS_POPUP))
        return LiveWindow(rec->parent);
    return nullptr;
}

HWND GetDlgItem(HWND parent, int id)
{
    const WindowRecord* rec = LiveWindow(parent);
    if (!rec)
        return nullptr;
    for (HWND child : rec->children) {
        if (static_cast<int>(child->id) == id && !child->destroying)
            return child;
    }
    return nullptr;
}

int GetDlgCtrlID(HWND hwnd)
{
    const WindowRecord* rec = LiveWindow(hwnd);
    if (!rec || !(rec->style & WS_CHILD))
        return 0;
    return static_cast<int>(rec->id);
}

HWND GetTopLevelWindow(HWND hwnd)
{
    WindowRecord* rec = LiveWindow(hwnd);
    while (rec && (rec->style & WS_CHILD) && rec->parent)
        rec = rec->parent;
    return rec;
}

HWND GetWindow(HWND hwnd, UINT cmd)
{
    const WindowRecord* rec = LiveWindow(hwnd);
    if (!rec)
        return nullptr;
    if (cmd == GW_CHILD)
        return rec->children.empty() ? nullptr : rec->children.front();
    if (cmd == GW_HWNDNEXT && (rec->style & WS_CHILD) && rec->parent) {
        const auto& siblings = rec->parent->children;
        auto it = std::find(siblings.begin(), siblings.end(), rec);
        if (it != siblings.end() && ++it != siblings.end())
            return *it;
    }
    return nullptr;
}

BOOL IsChild(HWND parent, HWND hwnd)
{
    const WindowRecord* rec = LiveWindow(hwnd);
    if (!LiveWindow(parent))
        return FALSE;
    while (rec && (rec->style & WS_CHILD)) {
        rec = rec->parent;
        if (rec == parent)
            return TRUE;
    }
    return FALSE;
}
