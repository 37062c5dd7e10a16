// The procedure the control installs on its edit child. Enter, Escape and
// focus loss end the edit through the control's own message, so that every
// way of ending goes through one path; the edit widens as text is typed so
// that the label being typed stays in view.
#include "treectrl/LabelEditProc.h"

#include "treectrl/LabelEdit.h"

#include "platform/Gdi.h"
#include "platform/ScopedDc.h"
#include "platform/Window.h"

#include <algorithm>

namespace {

// The user data slot belongs to the edit's own procedure, so the record
// hangs on a property.
constexpr const char* kEditRecordProp = "TreeLabelEdit";
// The text is measured before the typed character is inserted: this leaves
// room for it.
constexpr int kTypingRoom = 16;
constexpr WPARAM kCtrlL = 12;
constexpr WPARAM kCharReturn = 13;
constexpr WPARAM kCharEscape = 27;

struct EditRecord {
    WNDPROC previous = nullptr;
    RECT start{};
    RECT bounds{};
};

EditRecord* RecordOf(HWND edit)
{
    return static_cast<EditRecord*>(GetPropA(edit, kEditRecordProp));
}

int TextWidth(HWND edit)
{
    char text[kMaxEditText + 1];
    const int length = GetWindowTextA(edit, text, sizeof text);
    ScopedWindowDc dc(edit);
    const auto font = reinterpret_cast<HGDIOBJ>(SendMessageA(edit, WM_GETFONT, 0, 0));
    HGDIOBJ previous = font ? SelectObject(dc.Dc(), font) : nullptr;
    SIZE size{};
    GetTextExtentPoint32A(dc.Dc(), text, length, &size);
    if (previous)
        SelectObject(dc.Dc(), previous);
    return size.cx;
}

// Widens the edit for the character about to be typed, never past the
// control's right edge. Ctrl+L fits it to the text as it stands.
void FitToText(HWND edit, const EditRecord& record, WPARAM ch)
{
    const int textWidth = TextWidth(edit);
    const int initialWidth = record.start.right - record.start.left;
    int width = 0;
    if (ch == kCtrlL) {
        width = std::max(textWidth, initialWidth);
    } else {
        width = textWidth + kTypingRoom;
        if (width <= initialWidth || record.start.left + width >= record.bounds.right)
            return;
    }
    SetWindowPos(edit, nullptr, 0, 0, width, record.start.bottom - record.start.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void EndEdit(HWND edit, BOOL cancel)
{
    SendMessageA(GetParent(edit), TVM_ENDEDITLABELNOW, static_cast<WPARAM>(cancel), 0);
}

LRESULT LabelEditProc(HWND edit, UINT msg, WPARAM wParam, LPARAM lParam)
{
    EditRecord* record = RecordOf(edit);
    if (!record)
        return DefWindowProcA(edit, msg, wParam, lParam);
    switch (msg) {
    case WM_KEYDOWN:
        if (wParam == static_cast<WPARAM>(VK_RETURN) || wParam == static_cast<WPARAM>(VK_ESCAPE)) {
            EndEdit(edit, wParam == static_cast<WPARAM>(VK_ESCAPE));
            return 0;
        }
        break;
    case WM_KILLFOCUS:
        // The window system takes the focus away before a control that is
        // being destroyed hears of it: its teardown ends the edit, cancelled,
        // once the caret has let go, and no dying item is renamed.
        if (!IsWindowDestroying(edit))
            EndEdit(edit, FALSE);
        break;
    case WM_CHAR:
        FitToText(edit, *record, wParam);
        if (wParam == kCharReturn || wParam == kCharEscape)
            return 0;
        break;
    case WM_NCDESTROY: {
        const WNDPROC previous = record->previous;
        const LRESULT result = CallWindowProcA(previous, edit, msg, wParam, lParam);
        SetWindowLongPtrA(edit, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        RemovePropA(edit, kEditRecordProp);
        delete record;
        return result;
    }
    default:
        break;
    }
    return CallWindowProcA(record->previous, edit, msg, wParam, lParam);
}

} // namespace

void InstallEditProc(HWND edit)
{
    auto* record = new EditRecord();
    SetPropA(edit, kEditRecordProp, record);
    record->previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(edit, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&LabelEditProc)));
}

void SetEditPlacement(HWND edit, const RECT& start, const RECT& bounds)
{
    EditRecord* record = RecordOf(edit);
    if (!record)
        return;
    record->start = start;
    record->bounds = bounds;
}
