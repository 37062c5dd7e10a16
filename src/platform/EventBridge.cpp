// The event bridge: the one place where Qt events become messages. Input,
// paint, resize, focus, activation, close and drops of every window widget
// come here and go on as messages through the pump, so that pre-translation
// sees them before the window procedure does.
#include "platform/internal/WindowWidget.h"

#include "platform/internal/Cp1252.h"
#include "platform/internal/Cursors.h"
#include "platform/internal/DropFiles.h"
#include "platform/internal/FocusState.h"
#include "platform/internal/GdiObjects.h"
#include "platform/internal/KeyMapping.h"
#include "platform/internal/LockKeys.h"
#include "platform/internal/MessagePump.h"
#include "platform/internal/ScrollBars.h"
#include "platform/internal/StandardControls.h"
#include "platform/internal/WindowRecord.h"

#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QUrl>
#include <QWheelEvent>
#include <QWindow>

namespace {

MSG MakeMsg(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    MSG msg;
    msg.hwnd = hwnd;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    return msg;
}

void Deliver(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    MSG msg = MakeMsg(hwnd, message, wParam, lParam);
    DeliverThroughPump(msg);
}

// Mouse ---------------------------------------------------------------------

// The extra button (back XBUTTON1, forward XBUTTON2) of a button event; 0
// for the others.
WORD ExtraButton(Qt::MouseButton button)
{
    return button == Qt::BackButton ? XBUTTON1 : button == Qt::ForwardButton ? XBUTTON2 : 0;
}

UINT MouseMessage(QEvent::Type type, Qt::MouseButton button)
{
    const bool left = button == Qt::LeftButton;
    const bool right = button == Qt::RightButton;
    const bool middle = button == Qt::MiddleButton;
    const bool extra = ExtraButton(button) != 0;
    switch (type) {
    case QEvent::MouseButtonPress:
        return left  ? WM_LBUTTONDOWN
            : right  ? WM_RBUTTONDOWN
            : middle ? WM_MBUTTONDOWN
            : extra  ? WM_XBUTTONDOWN
                     : 0;
    case QEvent::MouseButtonDblClick:
        return left  ? WM_LBUTTONDBLCLK
            : right  ? WM_RBUTTONDBLCLK
            : middle ? WM_MBUTTONDOWN
            : extra  ? WM_XBUTTONDBLCLK
                     : 0;
    case QEvent::MouseButtonRelease:
        return left ? WM_LBUTTONUP : right ? WM_RBUTTONUP : middle ? WM_MBUTTONUP : extra ? WM_XBUTTONUP : 0;
    case QEvent::MouseMove:
        return WM_MOUSEMOVE;
    default:
        return 0;
    }
}

void DeliverMouse(WindowRecord* rec, QMouseEvent* event)
{
    NoteInputEvent(event);
    const QPoint global = event->globalPosition().toPoint();
    NoteMessagePosition(global);
    const UINT message = MouseMessage(event->type(), event->button());
    if (!message)
        return;
    const QPoint local = event->position().toPoint() - ClientOrigin(rec);
    const bool inClient = QRect(QPoint(0, 0), ClientSize(rec)).contains(local);
    NoteWindowUnderMouse(inClient ? rec : nullptr);
    HWND target = GetCapture();
    QPoint pos;
    if (target) {
        pos = target->widget->mapFromGlobal(global) - ClientOrigin(target);
    } else {
        target = rec;
        pos = local;
        // Borders and the scroll-bar corner are not client area.
        if (!inClient)
            return;
        SendMessageA(rec, WM_SETCURSOR, reinterpret_cast<WPARAM>(static_cast<HWND>(rec)),
                     MAKELPARAM(HTCLIENT, message));
        if (!LiveWindow(target))
            return;
    }
    const WPARAM wParam = MouseKeyFlags() | (static_cast<WPARAM>(ExtraButton(event->button())) << 16);
    MSG msg = MakeMsg(target, message, wParam, MAKELPARAM(pos.x(), pos.y()));
    RelayToTooltips(msg);
    DeliverThroughPump(msg);
}

// Keys ----------------------------------------------------------------------

// The characters a key press types, as WM_CHAR codes: Ctrl+letter gives
// the control code, Enter, Escape, Backspace and Tab their classic codes.
std::vector<int> CharsOfKey(const QKeyEvent* event, int virtKey)
{
    const Qt::KeyboardModifiers mods = event->modifiers();
    if (mods.testFlag(Qt::AltModifier))
        return {};
    switch (virtKey) {
    case VK_RETURN:
        return {13};
    case VK_ESCAPE:
        return {27};
    case VK_BACK:
        return {8};
    case VK_TAB:
        return {9};
    case VK_DELETE:
        return {};
    default:
        break;
    }
    if (mods.testFlag(Qt::ControlModifier)) {
        if (virtKey >= 'A' && virtKey <= 'Z')
            return {virtKey - 'A' + 1};
        return {};
    }
    std::vector<int> chars;
    for (QChar ch : event->text()) {
        const int byte = ByteFromChar(ch);
        if (byte >= 32 && byte != 127)
            chars.push_back(byte);
    }
    return chars;
}

void DeliverKey(WindowRecord* rec, QKeyEvent* event)
{
    NoteInputEvent(event);
    const bool press = event->type() == QEvent::KeyPress;
    const int virtKey = VirtualKeyOf(event->key(), event->modifiers());
    if (virtKey)
        NoteKeyTransition(virtKey, press);
    if (!press && event->isAutoRepeat())
        return; // a held key repeats its press, not its release
    HWND focus = GetFocus();
    HWND target = focus && focus->widget->window() == rec->widget->window() ? focus : static_cast<HWND>(rec);
    std::vector<MSG> chars;
    if (press)
        for (int ch : CharsOfKey(event, virtKey))
            chars.push_back(MakeMsg(target, WM_CHAR, static_cast<WPARAM>(ch), 1));
    // The characters wait while the key goes down, as if the key had been
    // translated: a key-down handler may peek at them or take them.
    QueueTypedChars(chars);
    if (virtKey) {
        const bool system = event->modifiers().testFlag(Qt::AltModifier) || virtKey == VK_F10;
        LPARAM lParam = 1;
        if (event->isAutoRepeat())
            lParam |= LPARAM(1) << 30;
        if (!press)
            lParam |= LPARAM(3) << 30;
        const UINT message =
            press ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
        Deliver(target, message, static_cast<WPARAM>(virtKey), lParam);
    }
    DeliverTypedChars();
}

// Focus ---------------------------------------------------------------------

HWND BridgedWindowOf(QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        if (HWND hwnd = WindowOfWidgetExact(widget))
            return hwnd;
    }
    return nullptr;
}

void HandleFocus(WindowRecord* rec, QFocusEvent* event)
{
    // Menus take Qt's focus for a while; a menu never takes the window focus.
    const Qt::FocusReason reason = event->reason();
    if (QtFocusChangeGuard::active() || reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason
        || rec->destroying)
        return;
    if (event->type() == QEvent::FocusIn) {
        if (GetFocus() != rec)
            ChangeLogicalFocus(rec, true);
        return;
    }
    if (GetFocus() != rec)
        return;
    HWND next = BridgedWindowOf(QApplication::focusWidget());
    ChangeLogicalFocus(next != rec ? next : nullptr, true);
}

// Paint ---------------------------------------------------------------------

void PaintNonClient(WindowRecord* rec, const QRegion& region)
{
    const QRect client = ClientRectInWidget(rec);
    if (QRegion(region).subtracted(client).isEmpty())
        return;
    QPainter painter(rec->widget);
    const QRect all = rec->widget->rect();
    painter.setClipRegion(QRegion(all).subtracted(client));
    // The scroll-bar corner and any other uncovered edge: button face.
    painter.fillRect(all, ToQColor(GetSysColor(COLOR_BTNFACE)));
    int inset = 0;
    if (rec->exStyle & WS_EX_CLIENTEDGE) {
        const QRect outer = all;
        painter.fillRect(QRect(outer.left(), outer.top(), outer.width(), 1),
                         ToQColor(GetSysColor(COLOR_BTNSHADOW)));
        painter.fillRect(QRect(outer.left(), outer.top(), 1, outer.height()),
                         ToQColor(GetSysColor(COLOR_BTNSHADOW)));
        painter.fillRect(QRect(outer.left(), outer.bottom(), outer.width(), 1),
                         ToQColor(GetSysColor(COLOR_BTNHIGHLIGHT)));
        painter.fillRect(QRect(outer.right(), outer.top(), 1, outer.height()),
                         ToQColor(GetSysColor(COLOR_BTNHIGHLIGHT)));
        const QRect inner = outer.adjusted(1, 1, -1, -1);
        painter.fillRect(QRect(inner.left(), inner.top(), inner.width(), 1),
                         ToQColor(GetSysColor(COLOR_3DDKSHADOW)));
        painter.fillRect(QRect(inner.left(), inner.top(), 1, inner.height()),
                         ToQColor(GetSysColor(COLOR_3DDKSHADOW)));
        painter.fillRect(QRect(inner.left(), inner.bottom(), inner.width(), 1),
                         ToQColor(GetSysColor(COLOR_3DLIGHT)));
        painter.fillRect(QRect(inner.right(), inner.top(), 1, inner.height()),
                         ToQColor(GetSysColor(COLOR_3DLIGHT)));
        inset = 2;
    }
    if ((rec->style & WS_BORDER) && (rec->style & WS_CHILD)) {
        const QRect frame = all.adjusted(inset, inset, -inset, -inset);
        painter.setPen(ToQColor(GetSysColor(COLOR_WINDOWFRAME)));
        painter.drawRect(frame.adjusted(0, 0, -1, -1));
    }
}

// A paint while the top-level window is exposed goes to the display (Qt
// flushes it as soon as the painting is done). The first one puts the
// window on the screen, and what waited for that runs in the idle period
// that follows.
void NotePaintOnScreen(const WindowRecord* rec)
{
    QWidget* top = rec->widget->window();
    WindowRecord* topRec = LiveWindow(WindowOfWidgetExact(top));
    if (!topRec || topRec->onScreen || !top->windowHandle() || !top->windowHandle()->isExposed())
        return;
    topRec->onScreen = true;
    StartIdlePeriod();
}

void HandlePaint(WindowRecord* rec, QPaintEvent* event)
{
    NotePaintOnScreen(rec);
    PaintNonClient(rec, event->region());
    const QRegion client =
        event->region().translated(-ClientOrigin(rec)).intersected(QRect(QPoint(0, 0), ClientSize(rec)));
    if (client.isEmpty())
        return;
    // Parts Qt wants painted that nobody invalidated were exposed: they
    // need their background too.
    if (!client.subtracted(rec->updateRegion).isEmpty())
        rec->eraseNeeded = true;
    rec->updateRegion += client;
    PaintEventScope scope(rec);
    Deliver(rec, WM_PAINT, 0, 0);
}

// Drops ---------------------------------------------------------------------

std::vector<std::string> LocalFiles(const QMimeData* mime)
{
    std::vector<std::string> files;
    if (!mime || !mime->hasUrls())
        return files;
    for (const QUrl& url : mime->urls()) {
        if (url.isLocalFile())
            files.push_back(QFile::encodeName(url.toLocalFile()).toStdString());
    }
    return files;
}

bool HandleDrop(WindowRecord* rec, QEvent* event)
{
    if (!(rec->exStyle & WS_EX_ACCEPTFILES))
        return false;
    auto* drop = static_cast<QDropEvent*>(event);
    std::vector<std::string> files = LocalFiles(drop->mimeData());
    if (files.empty())
        return false;
    drop->acceptProposedAction();
    if (event->type() == QEvent::Drop)
        Deliver(rec, WM_DROPFILES, reinterpret_cast<WPARAM>(NewDropRecord(std::move(files))), 0);
    return true;
}

// Events shared by every kind of window.
bool HandleCommonEvent(WindowRecord* rec, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Resize:
        LayoutNonClient(rec);
        NotifySizeIfChanged(rec, true);
        return false;
    case QEvent::Move:
        NotifyMoveIfChanged(rec);
        return false;
    case QEvent::Close:
        Deliver(rec, WM_CLOSE, 0, 0);
        event->ignore();
        return true;
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate: {
        const bool active = event->type() == QEvent::WindowActivate;
        // The locks may have been switched in another program meanwhile.
        if (active)
            NoteLockKeysMayHaveChanged();
        if (!active) {
            HWND capture = GetCapture();
            if (capture && GetTopLevelWindow(capture) == rec)
                ReleaseCapture();
        }
        if (rec->widget->isWindow() && LiveWindow(rec))
            Deliver(rec, WM_ACTIVATE, active ? WA_ACTIVE : WA_INACTIVE, 0);
        return false;
    }
    case QEvent::Leave:
        // The mouse left the widget for something that is no window of
        // ours (another application, a hosted Qt widget).
        if (WindowUnderMouse() == rec)
            NoteWindowUnderMouse(nullptr);
        return false;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return HandleDrop(rec, event);
    default:
        return false;
    }
}

// A disabled top-level window takes no input. Qt's own disabled state is
// not given to it, as Qt would pass it on to the windows it owns.
bool InputRefused(const WindowRecord* rec)
{
    return rec->widget->isWindow() && (rec->style & WS_DISABLED);
}

bool HandlePlainEvent(WindowRecord* rec, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Paint:
        HandlePaint(rec, static_cast<QPaintEvent*>(event));
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        if (!InputRefused(rec))
            DeliverMouse(rec, static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::Wheel:
        if (!InputRefused(rec))
            DeliverWheel(rec, static_cast<QWheelEvent*>(event));
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (!InputRefused(rec))
            DeliverKey(rec, static_cast<QKeyEvent*>(event));
        return true;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        HandleFocus(rec, static_cast<QFocusEvent*>(event));
        return true;
    case QEvent::ShortcutOverride: {
        // Keys belong to the window (accelerators are pre-translation's
        // business); only Alt combinations are left to Qt's menu bar.
        auto* key = static_cast<QKeyEvent*>(event);
        const bool altOnly =
            key->modifiers().testFlag(Qt::AltModifier) && !key->modifiers().testFlag(Qt::ControlModifier);
        if (!altOnly)
            event->accept();
        return !altOnly;
    }
    case QEvent::ContextMenu:
        return true; // WM_RBUTTONUP makes WM_CONTEXTMENU
    default:
        return HandleCommonEvent(rec, event);
    }
}

// The line editor keeps its painting and mouse handling; its keys and focus
// changes become messages first, and its procedure hands them on.
bool HandleLineEditEvent(WindowRecord* rec, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        DeliverKey(rec, static_cast<QKeyEvent*>(event));
        return true;
    case QEvent::ShortcutOverride:
        event->accept();
        return true;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        HandleFocus(rec, static_cast<QFocusEvent*>(event));
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        NoteInputEvent(static_cast<QInputEvent*>(event));
        NoteMessagePosition(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return false;
    default:
        return HandleCommonEvent(rec, event);
    }
}

} // namespace

void DeliverWheel(HWND hwnd, QWheelEvent* event)
{
    if (!LiveWindow(hwnd))
        return;
    NoteInputEvent(event);
    const QPoint global = event->globalPosition().toPoint();
    NoteMessagePosition(global);
    const int delta = event->angleDelta().y();
    if (delta == 0)
        return;
    HWND target = GetCapture() ? GetCapture() : hwnd;
    Deliver(target, WM_MOUSEWHEEL, MAKEWPARAM(static_cast<int>(MouseKeyFlags()), delta),
            MAKELPARAM(global.x(), global.y()));
}

bool BridgeEvent(HWND hwnd, QWidget*, QEvent* event)
{
    WindowRecord* rec = LiveWindow(hwnd);
    if (!rec)
        return false;
    if (rec->windowClass->kind == WidgetKind::LineEdit)
        return HandleLineEditEvent(rec, event);
    return HandlePlainEvent(rec, event);
}

BOOL TrackMouseEvent(TRACKMOUSEEVENT* tme)
{
    if (!tme)
        return FALSE;
    WindowRecord* rec = LiveWindow(tme->hwndTrack);
    if (!rec)
        return FALSE;
    if (tme->dwFlags & TME_CANCEL) {
        if (tme->dwFlags & TME_LEAVE)
            rec->trackLeave = false;
        return TRUE;
    }
    if (tme->dwFlags & TME_LEAVE) {
        if (WindowUnderMouse() == rec)
            rec->trackLeave = true;
        else
            PostMessageA(rec, WM_MOUSELEAVE, 0, 0);
    }
    return TRUE;
}
