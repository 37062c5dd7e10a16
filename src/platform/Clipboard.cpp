#include "platform/Clipboard.h"

#include "platform/internal/Cp1252.h"

#include <QClipboard>
#include <QGuiApplication>

BOOL SetClipboardTextA(std::string_view text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return FALSE;
    clipboard->setText(TextFromBytes(text.data(), static_cast<int>(text.size())));
    return TRUE;
}

std::string GetClipboardTextA()
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard ? BytesFromText(clipboard->text()) : std::string();
}
