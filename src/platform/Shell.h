// The desktop's open operation: hands a file or an address to the handler
// the user has chosen for it (a web browser for a web address).
#pragma once

#include "platform/WinTypes.h"

#include <functional>
#include <string>

// Failure codes of ShellExecuteA; success is any value above 32.
constexpr int SE_ERR_FNF = 2;
constexpr int SE_ERR_NOASSOC = 31;

// Opens `file` with the verb "open" (a null verb means the same). The owner,
// parameters, folder and show command are accepted for the classic call's
// shape; the desktop decides how the handler's window appears. Returns 42
// when the desktop took the request, SE_ERR_FNF for an empty name,
// SE_ERR_NOASSOC for another verb or when no handler took it.
int ShellExecuteA(HWND owner, const char* verb, const char* file, const char* parameters,
                  const char* directory, int showCmd);

// While a hook is set it receives the requests instead of the desktop
// (tests, so that no browser starts); its answer says whether a handler
// took the request.
using ShellOpenHook = std::function<bool(const std::string& target)>;
void SetShellOpenHook(ShellOpenHook hook);
