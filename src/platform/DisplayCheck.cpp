// The display check. Qt's xcb plugin aborts when its X server cannot be
// reached (a DISPLAY left over from a closed session, a forwarded display
// that went away), so the connection is tried first. libxcb is loaded at
// run time: the plugin needs it anyway, and the build gains no dependency.
#include "platform/internal/DisplayCheck.h"

#include <dlfcn.h>

#include <cstdlib>

namespace {

std::string Env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Qt picks xcb when it is named, or by default unless a Wayland
// compositor is announced (then Qt may choose Wayland, which is not
// checked here).
bool XcbWillBeUsed()
{
    const std::string platform = Env("QT_QPA_PLATFORM");
    if (!platform.empty())
        return platform.substr(0, platform.find(':')) == "xcb";
    return Env("WAYLAND_DISPLAY").empty();
}

using Connect = void* (*)(const char*, int*);
using HasError = int (*)(void*);
using Disconnect = void (*)(void*);

} // namespace

CDisplayProbe::CDisplayProbe()
{
    const std::string display = Env("DISPLAY");
    if (Env("QT_QPA_PLATFORM").empty() && display.empty() && Env("WAYLAND_DISPLAY").empty()) {
        m_strProblem = "no display to show the window on (DISPLAY and WAYLAND_DISPLAY are not set)";
        return;
    }
    if (!XcbWillBeUsed())
        return;
    // Tries the connection that the xcb plugin will make; only libxcb's own
    // word that it failed counts as a problem.
    m_pLibrary = dlopen("libxcb.so.1", RTLD_NOW | RTLD_LOCAL);
    if (!m_pLibrary)
        return;
    const auto connect = reinterpret_cast<Connect>(dlsym(m_pLibrary, "xcb_connect"));
    const auto hasError = reinterpret_cast<HasError>(dlsym(m_pLibrary, "xcb_connection_has_error"));
    if (!connect || !hasError || !dlsym(m_pLibrary, "xcb_disconnect"))
        return;
    // A failed connection is still an object, to be disconnected.
    m_pConnection = connect(nullptr, nullptr);
    if (hasError(m_pConnection) == 0)
        return;
    m_strProblem = display.empty()
        ? "no X display to show the window on (DISPLAY is not set)"
        : "cannot connect to the X display '" + display + "' to show the window on";
}

CDisplayProbe::~CDisplayProbe()
{
    if (m_pConnection)
        reinterpret_cast<Disconnect>(dlsym(m_pLibrary, "xcb_disconnect"))(m_pConnection);
    if (m_pLibrary)
        dlclose(m_pLibrary);
}
