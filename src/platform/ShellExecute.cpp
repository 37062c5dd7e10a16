#include "platform/Shell.h"

#include "platform/internal/Cp1252.h"

#include <QDesktopServices>
#include <QUrl>

#include <cstring>

namespace {

ShellOpenHook g_hook;

constexpr int kTaken = 42;

} // namespace

void SetShellOpenHook(ShellOpenHook hook)
{
    g_hook = std::move(hook);
}

int ShellExecuteA(HWND, const char* verb, const char* file, const char*, const char*, int)
{
    if (verb && std::strcmp(verb, "open") != 0)
        return SE_ERR_NOASSOC;
    if (!file || !*file)
        return SE_ERR_FNF;
    bool taken = false;
    if (g_hook)
        taken = g_hook(file);
    else
        // A bare "www.example.org" becomes a web address, a path a file URL.
        taken = QDesktopServices::openUrl(
            QUrl::fromUserInput(TextFromBytes(file, static_cast<int>(std::strlen(file)))));
    return taken ? kTaken : SE_ERR_NOASSOC;
}
