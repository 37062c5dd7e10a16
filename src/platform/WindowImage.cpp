// A window rendered to an image file, for screenshots taken without a
// screen: rendering paints every widget through the event bridge, so the
// image is exactly what the window would show.
#include "platform/Gdi.h"
#include "platform/qt/QtBridge.h"

#include <QImageWriter>
#include <QPixmap>
#include <QWidget>

BOOL SaveWindowPng(HWND hwnd, const char* path)
{
    QWidget* widget = WidgetOfWindow(hwnd);
    if (!widget || !path)
        return FALSE;
    QImageWriter writer(QString::fromLocal8Bit(path), "png");
    return writer.write(widget->grab().toImage()) ? TRUE : FALSE;
}
