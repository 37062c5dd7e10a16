#include "platform/qt/QtBridge.h"

#include "platform/internal/GdiObjects.h"
#include "platform/internal/WindowRecord.h"

#include <QBackingStore>
#include <QPainter>
#include <QWidget>

QWidget* WidgetOfWindow(HWND hwnd)
{
    const WindowRecord* rec = LiveWindow(hwnd);
    return rec ? rec->widget : nullptr;
}

HWND WindowOfWidget(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        if (HWND hwnd = WindowOfWidgetExact(widget))
            return hwnd;
    }
    return nullptr;
}

BOOL SetWindowMenuWidget(HWND hwnd, QWidget* menu)
{
    WindowRecord* rec = LiveWindow(hwnd);
    if (!rec || (rec->style & WS_CHILD))
        return FALSE;
    if (rec->menuWidget && rec->menuWidget != menu)
        rec->menuWidget->hide();
    rec->menuWidget = menu;
    if (menu) {
        menu->setParent(rec->widget);
        menu->show();
    }
    LayoutNonClient(rec);
    NotifySizeIfChanged(rec, false);
    return TRUE;
}

QPainter* PainterOfDC(HDC hdc)
{
    DcRecord* dc = LiveDc(hdc);
    if (!dc)
        return nullptr;
    dc->painterFontSet = false; // the caller may change the painter's font
    return dc->painter.get();
}

QFont QFontOfFont(HFONT font)
{
    const GdiObjectRecord* record = LiveGdiObject(font, GdiKind::Font);
    return record ? record->font : DefaultQFont();
}

QImage GrabWindowImage(HWND hwnd)
{
    const WindowRecord* rec = LiveWindow(hwnd);
    if (!rec || !rec->widget->isVisible())
        return QImage();
    QWidget* top = rec->widget->window();
    QBackingStore* store = top->backingStore();
    // Read in device pixels from the store's own image: a screen grab of
    // part of a window takes the part's logical size in device pixels on
    // some platforms, cutting off the rest at a ratio above 1.
    const auto* image = store ? dynamic_cast<const QImage*>(store->paintDevice()) : nullptr;
    if (!image)
        return QImage();
    const qreal ratio = image->devicePixelRatio();
    const QRect client(rec->widget->mapTo(top, ClientOrigin(rec)), ClientSize(rec));
    const QPoint topLeft(qRound(client.left() * ratio), qRound(client.top() * ratio));
    const QPoint end(qRound((client.right() + 1) * ratio), qRound((client.bottom() + 1) * ratio));
    QImage shown = image->copy(QRect(topLeft, end - QPoint(1, 1)));
    shown.setDevicePixelRatio(1);
    return shown;
}
