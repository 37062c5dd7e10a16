// The display check. Qt aborts the program when none of the platform
// plugins it tries can be started (an X display that went away, a Wayland
// session without Qt's Wayland plugin or whose compositor is gone). So the
// window system is chosen here first, the way Qt would choose it, among
// those that can be started, and Qt is told the choice. libxcb and
// libwayland-client are loaded at run time: the plugins need them anyway,
// and the build gains no dependency.
#include "platform/internal/DisplayCheck.h"

#include <QDir>
#include <QLibraryInfo>
#include <QStringList>

#include <dlfcn.h>

#include <cstdlib>
#include <vector>

namespace {

std::string Env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::vector<std::string> Split(const std::string& list)
{
    std::vector<std::string> names;
    size_t start = 0;
    while (start <= list.size()) {
        const size_t end = std::min(list.find(';', start), list.size());
        if (end > start)
            names.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

// The plugins Qt tries, in its order: those named, or Wayland first when a
// compositor is announced, then X.
std::vector<std::string> Candidates()
{
    const std::string named = Env("QT_QPA_PLATFORM");
    if (!named.empty())
        return Split(named);
    if (!Env("WAYLAND_DISPLAY").empty() || Env("XDG_SESSION_TYPE") == "wayland")
        return {"wayland", "xcb"};
    return {"xcb"};
}

// The kind of window system a plugin name stands for ("wayland-egl" is
// Wayland); empty for the others (offscreen, vnc, ...), which are not
// checked.
std::string KindOf(const std::string& name)
{
    const std::string plugin = name.substr(0, name.find(':'));
    if (plugin == "xcb")
        return "xcb";
    if (plugin.rfind("wayland", 0) == 0)
        return "wayland";
    return {};
}

bool PluginInstalled(const std::string& kind)
{
    QStringList folders;
    if (const QString own = qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH"); !own.isEmpty())
        folders << own;
    for (const QString& path :
         qEnvironmentVariable("QT_PLUGIN_PATH").split(QLatin1Char(':'), Qt::SkipEmptyParts))
        folders << path + QStringLiteral("/platforms");
    folders << QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms");
    const QString pattern = QStringLiteral("libq") + QString::fromStdString(kind) + QStringLiteral("*.so");
    for (const QString& folder : folders) {
        if (!QDir(folder).entryList({pattern}, QDir::Files).isEmpty())
            return true;
    }
    return false;
}

template <class F>
F Symbol(void* library, const char* name)
{
    return reinterpret_cast<F>(dlsym(library, name));
}

} // namespace

CDisplayProbe::CDisplayProbe()
{
    const std::string display = Env("DISPLAY");
    const std::string wayland = Env("WAYLAND_DISPLAY");
    if (Env("QT_QPA_PLATFORM").empty() && display.empty() && wayland.empty()) {
        m_strProblem = "no display to show the window on (DISPLAY and WAYLAND_DISPLAY are not set)";
        return;
    }
    const std::vector<std::string> candidates = Candidates();
    std::string problems;
    for (const std::string& name : candidates) {
        const std::string kind = KindOf(name);
        std::string problem;
        if (kind == "xcb")
            problem = TryX(display);
        else if (kind == "wayland")
            problem = TryWayland(wayland);
        if (problem.empty()) {
            // Qt is to use this one and not try the others first.
            if (candidates.size() > 1)
                setenv("QT_QPA_PLATFORM", name.c_str(), 1);
            return;
        }
        problems += (problems.empty() ? "" : "; ") + problem;
    }
    m_strProblem = problems;
}

std::string CDisplayProbe::TryX(const std::string& display)
{
    if (display.empty())
        return "no X display to show the window on (DISPLAY is not set)";
    using Connect = void* (*)(const char*, int*);
    using HasError = int (*)(void*);
    void* library = dlopen("libxcb.so.1", RTLD_NOW | RTLD_LOCAL);
    // Without libxcb there is no way to tell beforehand.
    if (!library)
        return {};
    const auto connect = Symbol<Connect>(library, "xcb_connect");
    const auto hasError = Symbol<HasError>(library, "xcb_connection_has_error");
    m_disconnect.push_back({library, Symbol<void (*)(void*)>(library, "xcb_disconnect"), nullptr});
    if (!connect || !hasError || !m_disconnect.back().disconnect)
        return {};
    // A failed connection is still an object, to be disconnected.
    m_disconnect.back().connection = connect(nullptr, nullptr);
    if (hasError(m_disconnect.back().connection) == 0)
        return {};
    return "cannot connect to the X display '" + display + "' to show the window on";
}

std::string CDisplayProbe::TryWayland(const std::string& wayland)
{
    const std::string shown = wayland.empty() ? "wayland-0" : wayland;
    if (!PluginInstalled("wayland"))
        return "the Wayland display '" + shown
            + "' needs Qt's Wayland platform plugin, which is not installed";
    using Connect = void* (*)(const char*);
    void* library = dlopen("libwayland-client.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return "cannot load libwayland-client to show the window on the Wayland display '" + shown + "'";
    const auto connect = Symbol<Connect>(library, "wl_display_connect");
    m_disconnect.push_back({library, Symbol<void (*)(void*)>(library, "wl_display_disconnect"), nullptr});
    if (!connect || !m_disconnect.back().disconnect)
        return {};
    m_disconnect.back().connection = connect(nullptr);
    if (m_disconnect.back().connection)
        return {};
    return "cannot connect to the Wayland display '" + shown + "' to show the window on";
}

CDisplayProbe::~CDisplayProbe()
{
    for (const Connection& c : m_disconnect) {
        if (c.connection)
            c.disconnect(c.connection);
        dlclose(c.library);
    }
}
