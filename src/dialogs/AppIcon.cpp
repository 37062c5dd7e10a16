#include "dialogs/AppIcon.h"

#include "platform/Gdi.h"

#include <array>
#include <string_view>

namespace {

// b tile, k outline, c wall, l window pane, g gold plan lines, . background.
constexpr std::array<std::string_view, kAppIconSize> kIcon = {
    "................................", ".....bbbbbbbbbbbbbbbbbbbbbb.....",
    "...bbbbbbbbbbbbbbbbbbbbbbbbbb...", "..bbbbbbbbbbbbbbbbbbbbbbbbbbbb..",
    "..bbbbbbbbbbbbbbbbbbbbbbbbbbbb..", ".bbbbbbbbbbbbbbbbbbbbbbbbbbbbbb.",
    ".bbbbbbbbbbbbbbbkbbbbbbbbbbbbbb.", ".bbbbbbbbbbbbbbkckbbbbbbbbbbbbb.",
    ".bbbbbbbbbbbbbkccckbbbbbbbbbbbb.", ".bbbbbbbbbbbbkccccckbbbbbbbbbbb.",
    ".bbbbbbbbbbbkccccccckbbbbbbbbbb.", ".bbbbbbbbbbkccccccccckbbbbbbbbb.",
    ".bbbbbbbbbkccccccccccckbbbbbbbb.", ".bbbbbbbbkccccccccccccckbbbbbbb.",
    ".bbbbbbbkccccccccccccccckbbbbbb.", ".bbbbbbkccccccccccccccccckbbbbb.",
    ".bbbbbbkccccccccccccccccckbbbbb.", ".bbbbbbkcgcccccccccckkkkckbbbbb.",
    ".bbbbbbkcgcccccccccckllkckbbbbb.", ".bbbbbbkcgccccbbbbbckllkckbbbbb.",
    ".bbbbbbkcggggcbbbbbckkkkckbbbbb.", ".bbbbbbkcgccccbbbbbcccccckbbbbb.",
    ".bbbbbbkcgccccbbbbbcccccckbbbbb.", ".bbbbbbkcggggcbbbbbcccccckbbbbb.",
    ".bbbbbbkccccccbbbbbcccccckbbbbb.", ".bbbbbbkccccccbbbbbcccccckbbbbb.",
    ".bbbbbbkkkkkkkkkkkkkkkkkkkbbbbb.", "..bbbbbbbbbbbbbbbbbbbbbbbbbbbb..",
    "..bbbbbbbbbbbbbbbbbbbbbbbbbbbb..", "...bbbbbbbbbbbbbbbbbbbbbbbbbb...",
    ".....bbbbbbbbbbbbbbbbbbbbbb.....", "................................",
};

constexpr bool RowsFit()
{
    for (std::string_view row : kIcon)
        if (row.size() != kAppIconSize)
            return false;
    return true;
}
static_assert(RowsFit());

COLORREF ColorOf(char c)
{
    switch (c) {
    case 'b':
        return RGB(0x24, 0x50, 0x7A);
    case 'k':
        return RGB(0x0F, 0x2C, 0x45);
    case 'c':
        return RGB(0xF3, 0xEF, 0xE4);
    case 'l':
        return RGB(0x9C, 0xC3, 0xE6);
    case 'g':
        return RGB(0xE0, 0xA5, 0x26);
    default:
        return GetSysColor(COLOR_3DFACE);
    }
}

HBITMAP MakeIcon()
{
    HBITMAP bitmap = CreateBitmap(kAppIconSize, kAppIconSize);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    for (int y = 0; y < kAppIconSize; ++y)
        for (int x = 0; x < kAppIconSize; ++x)
            SetPixelV(dc, x, y, ColorOf(kIcon[static_cast<size_t>(y)][static_cast<size_t>(x)]));
    SelectObject(dc, previous);
    DeleteDC(dc);
    return bitmap;
}

} // namespace

HBITMAP AppIconBitmap()
{
    static const HBITMAP icon = MakeIcon();
    return icon;
}
