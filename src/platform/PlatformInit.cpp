// Start-up: the Qt application (Fusion style and palette, so that every
// display platform looks the same), the system colours, stock objects, the
// standard window classes and idle processing.
#include "platform/MessageLoop.h"

#include "platform/internal/DisplayCheck.h"
#include "platform/internal/GdiObjects.h"
#include "platform/internal/MessagePump.h"
#include "platform/internal/StandardControls.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace {

std::string g_initError;
bool g_initialised = false;

} // namespace

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
    QApplication::setQuitOnLastWindowClosed(false);
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(fusion);
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
