// The display check. Qt's xcb plugin aborts when its X server cannot be
// reached (a DISPLAY left over from a closed session, a forwarded display
// that went away), so the connection is tried first. libxcb is loaded at
// run time: the plugin needs it anyway, and the build gains no dependency.
#include "platform/DisplayCheck.h"

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

// Tries the connection that the xcb plugin will make; false only when
// libxcb itself says it failed.
bool XcbConnectFails()
{
    void* library = dlopen("libxcb.so.1", RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return false;
    using Connect = void* (*)(const char*, int*);
    using HasError = int (*)(void*);
    using Disconnect = void (*)(void*);
    const auto connect = reinterpret_cast<Connect>(dlsym(library, "xcb_connect"));
    const auto hasError = reinterpret_cast<HasError>(dlsym(library, "xcb_connection_has_error"));
    const auto disconnect = reinterpret_cast<Disconnect>(dlsym(library, "xcb_disconnect"));
    bool fails = false;
    if (connect && hasError && disconnect) {
        // A failed connection is still an object, to be disconnected.
        void* connection = connect(nullptr, nullptr);
        fails = hasError(connection) != 0;
        disconnect(connection);
    }
    dlclose(library);
    return fails;
}

} // namespace

std::string DisplayProblem()
{
    const std::string display = Env("DISPLAY");
    if (Env("QT_QPA_PLATFORM").empty() && display.empty() && Env("WAYLAND_DISPLAY").empty())
        return "no display to show the window on (DISPLAY and WAYLAND_DISPLAY are not set)";
    if (XcbWillBeUsed() && XcbConnectFails()) {
        if (display.empty())
            return "no X display to show the window on (DISPLAY is not set)";
        return "cannot connect to the X display '" + display + "' to show the window on";
    }
    return {};
}
