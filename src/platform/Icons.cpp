// Icons from vector data: drawn at whatever size and pixel density they are
// drawn at, so that they stay sharp on every screen.
#include "platform/internal/Icons.h"

#include "platform/TestHooks.h"
#include "platform/internal/GdiObjects.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <cmath>
#include <unordered_set>

namespace {

std::unordered_set<const IconRecord*> g_liveIcons;

} // namespace

IconRecord* LiveIcon(HICON icon)
{
    return icon && g_liveIcons.count(icon) ? icon : nullptr;
}

HICON CreateIconFromSvg(const char* data, size_t size)
{
    if (!data)
        return nullptr;
    auto picture = std::make_shared<QSvgRenderer>(QByteArray(data, static_cast<qsizetype>(size)));
    if (!picture->isValid())
        return nullptr;
    auto* icon = new IconRecord{std::move(picture)};
    g_liveIcons.insert(icon);
    return icon;
}

std::size_t LiveIconCount()
{
    return g_liveIcons.size();
}

BOOL DestroyIcon(HICON icon)
{
    if (!LiveIcon(icon))
        return FALSE;
    g_liveIcons.erase(icon);
    delete icon;
    return TRUE;
}

QImage RenderIconPicture(QSvgRenderer& picture, int cx, int cy, qreal ratio)
{
    QImage image(std::max(1, static_cast<int>(std::lround(cx * ratio))),
                 std::max(1, static_cast<int>(std::lround(cy * ratio))), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    picture.render(&painter, QRectF(0, 0, image.width(), image.height()));
    painter.end();
    image.setDevicePixelRatio(ratio);
    return image;
}

BOOL DrawIconEx(HDC hdc, int x, int y, HICON icon, int cx, int cy, UINT, HBRUSH, UINT)
{
    IconRecord* record = LiveIcon(icon);
    DcRecord* dc = LiveDc(hdc);
    if (!record || !dc)
        return FALSE;
    if (!dc->painter)
        return TRUE;
    cx = cx > 0 ? cx : kIconSize;
    cy = cy > 0 ? cy : kIconSize;
    // Rendered in the surface's own pixels; Qt scales the painter by them.
    const qreal ratio = dc->painter->deviceTransform().m11();
    dc->painter->drawImage(QPoint(x, y), RenderIconPicture(*record->picture, cx, cy, ratio));
    return TRUE;
}

QIcon WindowIconOf(HICON icon)
{
    QIcon windowIcon;
    if (IconRecord* record = LiveIcon(icon)) {
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
            windowIcon.addPixmap(QPixmap::fromImage(RenderIconPicture(*record->picture, size, size, 1.0)));
    }
    return windowIcon;
}
