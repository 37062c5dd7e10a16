// Message boxes: a Qt message box, or the hook (tests, automation).
#include "platform/MessageLoop.h"

#include "platform/WinMessages.h"
#include "platform/internal/Cp1252.h"
#include "platform/qt/QtBridge.h"

#include <QMessageBox>

namespace {

MessageBoxHook g_hook;

QMessageBox::Icon IconOf(UINT type)
{
    switch (type & 0xF0) {
    case MB_ICONERROR:
        return QMessageBox::Critical;
    case MB_ICONWARNING:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

void SetMessageBoxHook(MessageBoxHook hook)
{
    g_hook = std::move(hook);
}

int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type)
{
    const std::string textBytes = text ? text : "";
    const std::string captionBytes = caption ? caption : "";
    if (g_hook)
        return g_hook(textBytes, captionBytes, type);
    QWidget* parent = WidgetOfWindow(owner);
    QMessageBox box(IconOf(type), TextFromUtf8(captionBytes), TextFromUtf8(textBytes), QMessageBox::Ok,
                    parent ? parent->window() : nullptr);
    box.exec();
    return IDOK;
}
