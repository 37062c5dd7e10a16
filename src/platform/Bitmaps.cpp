// Bitmaps: 32-bit images that memory contexts draw on.
#include "platform/internal/GdiObjects.h"

#include <QImageWriter>

HBITMAP CreateBitmap(int width, int height)
{
    if (width <= 0 || height <= 0)
        return nullptr;
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return nullptr;
    image.fill(Qt::white);
    GdiObjectRecord* bitmap = NewGdiObject(GdiKind::Bitmap);
    bitmap->image = std::move(image);
    return bitmap;
}

HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height)
{
    if (hdc && !LiveDc(hdc))
        return nullptr;
    return CreateBitmap(width, height);
}

BOOL SaveBitmapPng(HBITMAP bitmap, const char* path)
{
    const GdiObjectRecord* record = LiveGdiObject(bitmap, GdiKind::Bitmap);
    if (!record || !path)
        return FALSE;
    QImageWriter writer(QString::fromLocal8Bit(path), "png");
    return writer.write(record->image) ? TRUE : FALSE;
}
