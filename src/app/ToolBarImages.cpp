#include "app/ToolBarImages.h"

#include "platform/Gdi.h"

#include <array>
#include <string_view>

namespace {

using Image = std::array<std::string_view, kToolBarImageHeight>;

// An open folder: back and flap in yellow, the front in a darker yellow.
constexpr Image kOpenImage = {
    "................", "................", "................", ".kkkkk..........", "kwyyyyk.........",
    "kyyyyyykkkkkkk..", "kyyyyyyyyyyyyyk.", "kyykkkkkkkkkkkkk", "kykooooooooooook", "kkooooooooooook.",
    "kooooooooooook..", "kkkkkkkkkkkkk...", "................", "................", "................",
};

// A white "i" on a blue disc.
constexpr Image kInfoImage = {
    "................", ".....bbbbbb.....", "...bbbbbbbbbb...", "..bbbbbwwbbbbb..", "..bbbbbwwbbbbb..",
    ".bbbbbbbbbbbbbb.", ".bbbbwwwwbbbbbb.", ".bbbbbbwwbbbbbb.", ".bbbbbbwwbbbbbb.", ".bbbbbbwwbbbbbb.",
    "..bbbbbwwbbbbb..", "..bbbbwwwwbbbb..", "...bbbbbbbbbb...", ".....bbbbbb.....", "................",
};

constexpr bool RowsFit(const Image& image)
{
    for (std::string_view row : image)
        if (row.size() != kToolBarImageWidth)
            return false;
    return true;
}
static_assert(RowsFit(kOpenImage) && RowsFit(kInfoImage));

COLORREF ColorOf(char c)
{
    switch (c) {
    case 'k':
        return RGB(0, 0, 0);
    case 'w':
        return RGB(255, 255, 255);
    case 'y':
        return RGB(255, 255, 0);
    case 'o':
        return RGB(192, 160, 0);
    case 'b':
        return RGB(0, 64, 192);
    default:
        return RGB(192, 192, 192);
    }
}

void DrawImage(HDC dc, int left, const Image& image)
{
    for (int y = 0; y < kToolBarImageHeight; ++y)
        for (int x = 0; x < kToolBarImageWidth; ++x)
            SetPixelV(dc, left + x, y, ColorOf(image[static_cast<size_t>(y)][static_cast<size_t>(x)]));
}

} // namespace

HBITMAP CreateToolBarImages()
{
    HBITMAP bitmap = CreateBitmap(2 * kToolBarImageWidth, kToolBarImageHeight);
    if (!bitmap)
        return nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    DrawImage(dc, 0, kOpenImage);
    DrawImage(dc, kToolBarImageWidth, kInfoImage);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return bitmap;
}
