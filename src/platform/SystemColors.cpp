// One table of system colours, read from the application palette: the
// Fusion style's standard one, the same on every display platform, or the
// desktop's (PlatformInit chooses). When the palette changes, the table
// follows and every window repaints.
#include "platform/internal/GdiObjects.h"
#include "platform/internal/WindowRecord.h"

#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <QWidget>

namespace {

COLORREF g_colors[COLOR_COUNT] = {};
HBRUSH g_brushes[COLOR_COUNT] = {};

COLORREF Role(const QPalette& palette, QPalette::ColorRole role,
              QPalette::ColorGroup group = QPalette::Active)
{
    return FromQColor(palette.color(group, role));
}

void ReadSystemColors(const QPalette& palette)
{
    g_colors[COLOR_SCROLLBAR] = Role(palette, QPalette::Button);
    g_colors[COLOR_BACKGROUND] = Role(palette, QPalette::Dark);
    g_colors[COLOR_ACTIVECAPTION] = Role(palette, QPalette::Highlight);
    g_colors[COLOR_MENU] = Role(palette, QPalette::Window);
    g_colors[COLOR_WINDOW] = Role(palette, QPalette::Base);
    g_colors[COLOR_WINDOWFRAME] = Role(palette, QPalette::Shadow);
    g_colors[COLOR_MENUTEXT] = Role(palette, QPalette::WindowText);
    g_colors[COLOR_WINDOWTEXT] = Role(palette, QPalette::Text);
    g_colors[COLOR_HIGHLIGHT] = Role(palette, QPalette::Highlight);
    g_colors[COLOR_HIGHLIGHTTEXT] = Role(palette, QPalette::HighlightedText);
    g_colors[COLOR_BTNFACE] = Role(palette, QPalette::Button);
    g_colors[COLOR_BTNSHADOW] = Role(palette, QPalette::Dark);
    g_colors[COLOR_GRAYTEXT] = Role(palette, QPalette::Text, QPalette::Disabled);
    g_colors[COLOR_BTNTEXT] = Role(palette, QPalette::ButtonText);
    g_colors[COLOR_BTNHIGHLIGHT] = Role(palette, QPalette::Light);
    g_colors[COLOR_3DDKSHADOW] = Role(palette, QPalette::Shadow);
    g_colors[COLOR_3DLIGHT] = Role(palette, QPalette::Midlight);
    g_colors[COLOR_INFOTEXT] = Role(palette, QPalette::ToolTipText);
    g_colors[COLOR_INFOBK] = Role(palette, QPalette::ToolTipBase);
    g_colors[COLOR_HOTLIGHT] = Role(palette, QPalette::Link);
    // Entries the system does not use stay as classic neutral greys.
    for (int i : {3, 9, 10, 11, 12, 19, 25, 27, 28, 29, 30})
        g_colors[i] = RGB(192, 192, 192);
}

class PaletteFollower : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ApplicationPaletteChange && watched == qApp) {
            ReadSystemColors(QApplication::palette());
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (HWND hwnd = WindowOfWidgetExact(widget))
                    RedrawWindow(hwnd, nullptr, nullptr,
                                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        }
        return false;
    }
};

} // namespace

void InitSystemColors()
{
    ReadSystemColors(QApplication::palette());
    static PaletteFollower* follower = nullptr;
    if (!follower) {
        follower = new PaletteFollower;
        qApp->installEventFilter(follower);
    }
}

COLORREF GetSysColor(int index)
{
    if (index < 0 || index >= COLOR_COUNT)
        return 0;
    return g_colors[index];
}

BOOL SetSysColors(int count, const int* elements, const COLORREF* values)
{
    if (count < 0 || (count > 0 && (!elements || !values)))
        return FALSE;
    for (int i = 0; i < count; ++i) {
        if (elements[i] >= 0 && elements[i] < COLOR_COUNT)
            g_colors[elements[i]] = values[i] & 0xFFFFFF;
    }
    return TRUE;
}

HBRUSH GetSysColorBrush(int index)
{
    if (index < 0 || index >= COLOR_COUNT)
        return nullptr;
    if (!g_brushes[index]) {
        GdiObjectRecord* brush = NewGdiObject(GdiKind::Brush);
        brush->stock = true;
        brush->sysColor = index;
        g_brushes[index] = brush;
    }
    return g_brushes[index];
}
