#include "framework/FileOpenError.h"

#include "framework/MemoryFailure.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"
#include "platform/MessageLoop.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

std::string CannotOpenReason(const std::string& path)
{
    namespace fs = std::filesystem;
    if (path.empty())
        return "no file name was given";
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found)
        return "the file does not exist";
    if (ec)
        return ec.message();
    if (status.type() == fs::file_type::directory)
        return "it is a folder, not a file";
    if (status.type() != fs::file_type::regular)
        return "it is not a regular file";
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        if (errno == EACCES)
            return "permission denied";
        return std::strerror(errno);
    }
    std::fclose(file);
    return {};
}

std::string FormatOpenFailure(const std::string& path, const std::string& reason)
{
    return "Cannot open the file \"" + path + "\": " + reason + ".";
}

void ReportOpenFailure(const std::string& path, const std::string& reason)
{
    // This message takes the place of the standard one for lack of memory
    // that the failure may have asked for on its way.
    ForgetOutOfMemoryReport();
    CWinApp* app = AfxGetApp();
    CWnd* owner = app ? app->m_pMainWnd : nullptr;
    const std::string caption = app ? app->m_strAppName : std::string();
    MessageBoxA(owner ? owner->GetSafeHwnd() : nullptr, FormatOpenFailure(path, reason).c_str(),
                caption.c_str(), MB_OK | MB_ICONERROR);
}
