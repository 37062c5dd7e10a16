// Start-up: the Qt application (Fusion style and palette, so that every
// display platform looks the same), the system colours, stock objects, the
// standard window classes and idle processing.
#include "platform/MessageLoop.h"

#include "platform/GdiObjects.h"
#include "platform/MessagePump.h"
#include "platform/StandardControls.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

#include <cstdlib>

namespace {

std::string g_initError;
bool g_initialised = false;

bool DisplayAvailable()
{
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

} // namespace

BOOL InitPlatform(int& argc, char** argv)
{
    if (g_initialised)
        return TRUE;
    if (!QApplication::instance()) {
        // Qt aborts when it cannot open a display; say why instead.
        if (!DisplayAvailable()) {
            g_initError = "No display: set DISPLAY, or QT_QPA_PLATFORM=offscreen to run without one.";
            return FALSE;
        }
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
