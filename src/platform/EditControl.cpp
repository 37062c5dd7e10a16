// The single-line edit control on a QLineEdit. Its keys, characters and
// focus changes arrive as messages (the bridge withholds them from the
// editor), so a subclass procedure sees each one first; this procedure
// then hands them to the editor. Text is bytes, shown as Windows-1252.
#include "platform/internal/StandardControls.h"

#include "platform/internal/Cp1252.h"
#include "platform/internal/KeyMapping.h"
#include "platform/internal/WindowWidget.h"
#include "platform/qt/QtBridge.h"

#include <QKeyEvent>

#include <algorithm>
#include <cstring>

namespace {

struct EditState : ControlState { };

EditWidget* Editor(WindowRecord* rec)
{
    return static_cast<EditWidget*>(rec->widget);
}

void SetUp(HWND hwnd, WindowRecord* rec)
{
    if (rec->control)
        return;
    rec->control = std::make_unique<EditState>();
    EditWidget* editor = Editor(rec);
    editor->setFrame((rec->style & WS_BORDER) || (rec->exStyle & WS_EX_CLIENTEDGE));
    editor->setReadOnly((rec->style & ES_READONLY) != 0);
    editor->setFont(QFontOfFont(nullptr));
    {
        const QSignalBlocker blocker(editor);
        editor->setText(TextFromBytes(rec->text));
    }
    QObject::connect(editor, &QLineEdit::textChanged, editor, [hwnd] {
        const WindowRecord* r = LiveWindow(hwnd);
        if (r && r->parent)
            SendMessageA(r->parent, WM_COMMAND, MAKEWPARAM(static_cast<int>(r->id), EN_CHANGE),
                         reinterpret_cast<LPARAM>(hwnd));
    });
}

Qt::KeyboardModifiers CurrentModifiers()
{
    Qt::KeyboardModifiers mods;
    mods.setFlag(Qt::ControlModifier, GetKeyState(VK_CONTROL) < 0);
    mods.setFlag(Qt::ShiftModifier, GetKeyState(VK_SHIFT) < 0);
    mods.setFlag(Qt::AltModifier, GetKeyState(VK_MENU) < 0);
    return mods;
}

// The editor's own handling of a key, without its text: characters come
// with WM_CHAR, and Backspace is a character too.
void PassKey(EditWidget* editor, QEvent::Type type, int virtKey)
{
    if (virtKey == VK_BACK)
        return;
    const int qtKey = QtKeyOf(virtKey);
    if (qtKey == Qt::Key_unknown)
        return;
    QKeyEvent event(type, qtKey, CurrentModifiers());
    editor->baseEvent(&event);
}

void TypeChar(EditWidget* editor, int ch)
{
    if (editor->isReadOnly())
        return;
    if (ch == 8)
        editor->backspace();
    else if (ch >= 32 && ch != 127)
        editor->insert(QString(CharFromByte(static_cast<unsigned char>(ch))));
}

} // namespace

LRESULT EditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    WindowRecord* rec = LiveWindow(hwnd);
    if (!rec)
        return 0;
    SetUp(hwnd, rec);
    EditWidget* editor = Editor(rec);
    switch (msg) {
    case WM_SETTEXT:
        rec->text = lParam ? reinterpret_cast<const char*>(lParam) : "";
        editor->setText(TextFromBytes(rec->text));
        return TRUE;
    case WM_GETTEXT: {
        if (!lParam || wParam == 0)
            return 0;
        const std::string text = BytesFromText(editor->text());
        char* buffer = reinterpret_cast<char*>(lParam);
        const size_t n = std::min<size_t>(text.size(), wParam - 1);
        std::memcpy(buffer, text.data(), n);
        buffer[n] = '\0';
        return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH:
        return editor->text().size();
    case EM_SETSEL: {
        const int length = static_cast<int>(editor->text().size());
        int start = static_cast<int>(static_cast<LONG_PTR>(wParam));
        int end = static_cast<int>(lParam);
        if (start < 0) {
            editor->deselect();
            return 0;
        }
        if (end < 0 || end > length)
            end = length;
        start = std::min(start, length);
        if (start > end)
            std::swap(start, end);
        editor->setSelection(start, end - start);
        return 0;
    }
    case EM_LIMITTEXT:
        editor->setMaxLength(wParam ? static_cast<int>(wParam) : 32767);
        return 0;
    case WM_SETFONT:
        rec->font = reinterpret_cast<HFONT>(wParam);
        editor->setFont(QFontOfFont(rec->font));
        return 0;
    case WM_KEYDOWN:
    case WM_KEYUP:
        PassKey(editor, msg == WM_KEYDOWN ? QEvent::KeyPress : QEvent::KeyRelease, static_cast<int>(wParam));
        return 0;
    case WM_CHAR:
        TypeChar(editor, static_cast<int>(wParam));
        return 0;
    case WM_KILLFOCUS:
        if (rec->parent)
            SendMessageA(rec->parent, WM_COMMAND, MAKEWPARAM(static_cast<int>(rec->id), EN_KILLFOCUS),
                         reinterpret_cast<LPARAM>(hwnd));
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_GETDLGCODE:
        return DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL
            | ((rec->style & ES_MULTILINE) ? DLGC_WANTALLKEYS : 0);
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}
