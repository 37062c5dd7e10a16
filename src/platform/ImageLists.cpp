// Image lists: equal-sized images with transparency, drawn onto contexts.
// Transparent pixels are kept as alpha 0 (and black colour, as the classic
// masked image lists leave them). An image taken from an icon stays a
// vector picture, drawn in the pixels of the surface it is drawn on.
#include "platform/CommCtrl.h"
#include "platform/internal/GdiObjects.h"
#include "platform/internal/Icons.h"

#include <QPainter>

#include <unordered_set>
#include <vector>

namespace {

struct ListImage {
    QImage pixels; // ARGB32, unpremultiplied; or
    std::shared_ptr<QSvgRenderer> picture;
    QImage rendered; // the picture at the ratio last drawn
};

} // namespace

struct ImageListRecord {
    int cx = 0;
    int cy = 0;
    std::vector<ListImage> images;
};

namespace {

std::unordered_set<const ImageListRecord*> g_liveLists;

ImageListRecord* LiveList(HIMAGELIST himl)
{
    if (!himl || !g_liveLists.count(himl))
        return nullptr;
    return himl;
}

template <class IsTransparent>
int AddPieces(ImageListRecord* list, const QImage& source, IsTransparent transparent)
{
    if (source.width() < list->cx || source.height() < list->cy)
        return -1;
    const int first = static_cast<int>(list->images.size());
    for (int left = 0; left + list->cx <= source.width(); left += list->cx) {
        QImage piece = source.copy(left, 0, list->cx, list->cy).convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < piece.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(piece.scanLine(y));
            for (int x = 0; x < piece.width(); ++x) {
                if (transparent(left + x, y, line[x]))
                    line[x] = qRgba(0, 0, 0, 0);
            }
        }
        list->images.push_back(ListImage{std::move(piece), nullptr, QImage()});
    }
    return first;
}

} // namespace

HIMAGELIST ImageList_Create(int cx, int cy, UINT, int, int)
{
    if (cx <= 0 || cy <= 0)
        return nullptr;
    auto* list = new ImageListRecord;
    list->cx = cx;
    list->cy = cy;
    g_liveLists.insert(list);
    return list;
}

BOOL ImageList_Destroy(HIMAGELIST himl)
{
    ImageListRecord* list = LiveList(himl);
    if (!list)
        return FALSE;
    g_liveLists.erase(list);
    delete list;
    return TRUE;
}

int ImageList_Add(HIMAGELIST himl, HBITMAP image, HBITMAP mask)
{
    ImageListRecord* list = LiveList(himl);
    const GdiObjectRecord* bitmap = LiveGdiObject(image, GdiKind::Bitmap);
    if (!list || !bitmap)
        return -1;
    const GdiObjectRecord* maskBitmap = LiveGdiObject(mask, GdiKind::Bitmap);
    const QImage source = bitmap->image.copy();
    if (!maskBitmap)
        return AddPieces(list, source, [](int, int, QRgb) { return false; });
    const QImage maskImage = maskBitmap->image.copy();
    return AddPieces(list, source, [&maskImage](int x, int y, QRgb) {
        return maskImage.valid(x, y) && (maskImage.pixel(x, y) & 0xFFFFFF) != 0;
    });
}

int ImageList_AddMasked(HIMAGELIST himl, HBITMAP image, COLORREF mask)
{
    ImageListRecord* list = LiveList(himl);
    const GdiObjectRecord* bitmap = LiveGdiObject(image, GdiKind::Bitmap);
    if (!list || !bitmap)
        return -1;
    const QRgb key = ToQColor(mask).rgb() & 0xFFFFFF;
    return AddPieces(list, bitmap->image.copy(),
                     [key](int, int, QRgb pixel) { return (pixel & 0xFFFFFF) == key; });
}

int ImageList_AddIcon(HIMAGELIST himl, HICON icon)
{
    ImageListRecord* list = LiveList(himl);
    const IconRecord* record = LiveIcon(icon);
    if (!list || !record)
        return -1;
    list->images.push_back(ListImage{QImage(), record->picture, QImage()});
    return static_cast<int>(list->images.size()) - 1;
}

int ImageList_GetImageCount(HIMAGELIST himl)
{
    const ImageListRecord* list = LiveList(himl);
    return list ? static_cast<int>(list->images.size()) : 0;
}

BOOL ImageList_GetIconSize(HIMAGELIST himl, int* cx, int* cy)
{
    const ImageListRecord* list = LiveList(himl);
    if (!list || !cx || !cy)
        return FALSE;
    *cx = list->cx;
    *cy = list->cy;
    return TRUE;
}

BOOL ImageList_Draw(HIMAGELIST himl, int i, HDC hdc, int x, int y, UINT style)
{
    ImageListRecord* list = LiveList(himl);
    DcRecord* dc = LiveDc(hdc);
    if (!list || !dc || i < 0 || i >= static_cast<int>(list->images.size()))
        return FALSE;
    if (!dc->painter)
        return TRUE;
    ListImage& entry = list->images[static_cast<size_t>(i)];
    QImage image = entry.pixels;
    if (entry.picture) {
        const qreal ratio = dc->painter->deviceTransform().m11();
        if (entry.rendered.isNull() || entry.rendered.devicePixelRatio() != ratio)
            entry.rendered = RenderIconPicture(*entry.picture, list->cx, list->cy, ratio);
        image = entry.rendered;
    }
    if (style & ILD_MASK) {
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QPainter shape(&image);
        shape.setCompositionMode(QPainter::CompositionMode_SourceIn);
        shape.fillRect(QRectF(0, 0, image.width(), image.height()), ToQColor(dc->state.textColor));
    }
    dc->painter->drawImage(QPoint(x, y), image);
    return TRUE;
}
