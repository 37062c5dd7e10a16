// Start-up: the Qt application (Fusion style, and its palette unless the
// desktop's is asked for, so that every display platform looks the same),
// the system colours, stock objects, the standard window classes, idle
// processing and the toolkit's worker threads.
#include "platform/MessageLoop.h"

#include "platform/internal/DisplayCheck.h"
#include "platform/internal/GdiObjects.h"
#include "platform/internal/MessagePump.h"
#include "platform/internal/StandardControls.h"
#include "platform/internal/ToolkitWorkers.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace {

std::string g_initError;
bool g_initialised = false;
PaletteSource g_paletteSource = PaletteSource::Fixed;

} // namespace

void SetPaletteSource(PaletteSource source)
{
    g_paletteSource = source;
}

BOOL InitPlatform(int& argc, char** argv)
{
    if (g_initialised)
        return TRUE;
    if (!QApplication::instance()) {
        // Qt aborts when it cannot open a display; say why instead.
        const CDisplayProbe probe;
        g_initError = probe.Problem();
        if (!g_initError.empty())
            return FALSE;
        new QApplication(argc, argv);
    }
    if (!StartToolkitWorkers()) {
        g_initError = "there is not enough memory to start";
        return FALSE;
    }
    QApplication::setQuitOnLastWindowClosed(false);
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(fusion);
        // Without a palette of its own the application has the desktop's
        // (Qt's platform theme, with the style's for roles it leaves out) and
        // follows its changes.
        if (g_paletteSource == PaletteSource::Fixed)
            QApplication::setPalette(fusion->standardPalette());
    }
    InitSystemColors();
    InitStockObjects();
    QApplication::setFont(DefaultQFont());
    RegisterStandardClasses();
    StartIdleProcessing();
    g_initialised = true;
    return TRUE;
}

std::string PlatformInitError()
{
    return g_initError;
}
