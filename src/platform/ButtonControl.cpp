// Buttons: push, default push, auto check box, auto radio (grouped by
// WS_GROUP) and group box, drawn with the application style. A click (mouse or space bar)
// sends BN_CLICKED to the parent.
#include "platform/internal/StandardControls.h"

#include "platform/ScopedDc.h"
#include "platform/internal/Cp1252.h"
#include "platform/internal/GdiObjects.h"
#include "platform/qt/QtBridge.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QWidget>

#include <algorithm>

namespace {

struct ButtonState : ControlState {
    bool checked = false;
    bool pressed = false;
    bool tracking = false;
};

ButtonState& State(WindowRecord* rec)
{
    if (!rec->control)
        rec->control = std::make_unique<ButtonState>();
    return static_cast<ButtonState&>(*rec->control);
}

DWORD Type(const WindowRecord* rec)
{
    return rec->style & 0x0F;
}

bool IsRadio(const WindowRecord* rec)
{
    return Type(rec) == BS_AUTORADIOBUTTON;
}

bool IsCheckBox(const WindowRecord* rec)
{
    return Type(rec) == BS_AUTOCHECKBOX;
}

// The auto radio buttons of the group: from the nearest sibling at or
// before this one that starts a group (WS_GROUP) up to the next one.
std::vector<HWND> RadioGroup(HWND hwnd)
{
    std::vector<HWND> group;
    const WindowRecord* rec = LiveWindow(hwnd);
    if (!rec->parent)
        return {hwnd};
    const std::vector<HWND>& siblings = rec->parent->children;
    auto self = std::find(siblings.begin(), siblings.end(), hwnd);
    auto first = self;
    while (first != siblings.begin() && !((*first)->style & WS_GROUP))
        --first;
    for (auto it = first; it != siblings.end(); ++it) {
        if (it != first && ((*it)->style & WS_GROUP))
            break;
        if (IsRadio(*it))
            group.push_back(*it);
    }
    return group;
}

void Click(HWND hwnd)
{
    WindowRecord* rec = LiveWindow(hwnd);
    if (IsRadio(rec)) {
        for (HWND other : RadioGroup(hwnd))
            SendMessageA(other, BM_SETCHECK, other == hwnd ? BST_CHECKED : BST_UNCHECKED, 0);
    } else if (IsCheckBox(rec)) {
        SendMessageA(hwnd, BM_SETCHECK, SendMessageA(hwnd, BM_GETCHECK, 0, 0) ? BST_UNCHECKED : BST_CHECKED, 0);
    }
    if (LiveWindow(hwnd) && rec->parent)
        SendMessageA(rec->parent, WM_COMMAND, MAKEWPARAM(static_cast<int>(rec->id), BN_CLICKED),
                     reinterpret_cast<LPARAM>(hwnd));
}

void Paint(WindowRecord* rec, HDC hdc)
{
    QPainter* painter = PainterOfDC(hdc);
    if (!painter)
        return;
    const ButtonState& st = State(rec);
    RECT client;
    GetClientRect(rec, &client);
    FillRect(hdc, &client, GetSysColorBrush(COLOR_BTNFACE));
    painter->setFont(QFontOfFont(rec->font));
    QStyle* style = QApplication::style();
    const QRect rect(0, 0, client.right, client.bottom);
    const QString text = TextFromBytes(rec->text);
    const bool enabled = !(rec->style & WS_DISABLED);
    const bool focused = GetFocus() == rec;

    if (Type(rec) == BS_GROUPBOX) {
        QStyleOptionGroupBox option;
        option.initFrom(rec->widget);
        option.rect = rect;
        option.text = text;
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        option.textAlignment = Qt::AlignLeft;
        option.lineWidth = 1;
        option.state.setFlag(QStyle::State_Enabled, enabled);
        style->drawComplexControl(QStyle::CC_GroupBox, &option, painter, rec->widget);
        return;
    }
    QStyleOptionButton option;
    option.initFrom(rec->widget);
    option.rect = rect;
    option.text = text;
    option.state.setFlag(QStyle::State_Enabled, enabled);
    // The focus mark shows whenever a button has the focus.
    option.state.setFlag(QStyle::State_HasFocus, focused);
    option.state.setFlag(QStyle::State_KeyboardFocusChange, focused);
    option.state.setFlag(QStyle::State_Sunken, st.pressed);
    option.state.setFlag(QStyle::State_Raised, !st.pressed);
    if (IsRadio(rec) || IsCheckBox(rec)) {
        option.state.setFlag(st.checked ? QStyle::State_On : QStyle::State_Off);
        style->drawControl(IsRadio(rec) ? QStyle::CE_RadioButton : QStyle::CE_CheckBox, &option, painter,
                           rec->widget);
        return;
    }
    if (Type(rec) == BS_DEFPUSHBUTTON)
        option.features |= QStyleOptionButton::DefaultButton;
    style->drawControl(QStyle::CE_PushButton, &option, painter, rec->widget);
}

} // namespace

LRESULT ButtonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    WindowRecord* rec = LiveWindow(hwnd);
    if (!rec)
        return 0;
    ButtonState& st = State(rec);
    const bool groupBox = Type(rec) == BS_GROUPBOX;
    switch (msg) {
    case WM_CREATE:
        if (groupBox) {
            // A group box frames the controls inside it: it lies under them
            // and lets the mouse through to them.
            rec->widget->lower();
            rec->widget->setAttribute(Qt::WA_TransparentForMouseEvents);
        }
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        if (HDC passed = reinterpret_cast<HDC>(wParam)) {
            Paint(rec, passed);
            return 0;
        }
        ScopedPaint paint(hwnd);
        Paint(rec, paint.Dc());
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (groupBox)
            return 0;
        st.pressed = st.tracking = true;
        SetCapture(hwnd);
        SetFocus(hwnd);
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_MOUSEMOVE:
        if (st.tracking) {
            RECT client;
            GetClientRect(hwnd, &client);
            const bool inside = PtInRect(&client, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            if (inside != st.pressed) {
                st.pressed = inside;
                InvalidateRect(hwnd, nullptr, FALSE);
            }
        }
        return 0;
    case WM_LBUTTONUP:
        if (st.tracking) {
            const bool clicked = st.pressed;
            st.tracking = st.pressed = false;
            ReleaseCapture();
            InvalidateRect(hwnd, nullptr, FALSE);
            if (clicked)
                Click(hwnd);
        }
        return 0;
    case WM_CAPTURECHANGED:
        if (st.tracking) {
            st.tracking = st.pressed = false;
            InvalidateRect(hwnd, nullptr, FALSE);
        }
        return 0;
    case WM_KEYDOWN:
        if (wParam == static_cast<WPARAM>(VK_SPACE) && !groupBox) {
            st.pressed = true;
            InvalidateRect(hwnd, nullptr, FALSE);
        }
        return 0;
    case WM_KEYUP:
        if (wParam == static_cast<WPARAM>(VK_SPACE) && st.pressed && !st.tracking) {
            st.pressed = false;
            InvalidateRect(hwnd, nullptr, FALSE);
            Click(hwnd);
        }
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case BM_GETCHECK:
        return st.checked ? BST_CHECKED : BST_UNCHECKED;
    case BM_SETCHECK:
        if (st.checked != (wParam == BST_CHECKED)) {
            st.checked = wParam == BST_CHECKED;
            InvalidateRect(hwnd, nullptr, FALSE);
        }
        return 0;
    case BM_CLICK:
        if (!groupBox)
            Click(hwnd);
        return 0;
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProcA(hwnd, msg, wParam, lParam);
        InvalidateRect(hwnd, nullptr, FALSE);
        return result;
    }
    case WM_GETDLGCODE:
        if (groupBox)
            return DLGC_STATIC;
        if (IsRadio(rec))
            return DLGC_BUTTON | DLGC_RADIOBUTTON;
        if (IsCheckBox(rec))
            return DLGC_BUTTON;
        return DLGC_BUTTON | (Type(rec) == BS_DEFPUSHBUTTON ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}
