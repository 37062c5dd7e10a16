#include "model/ReadableFile.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

bool IsReadableFile(const std::string& strPath, std::string& strReason)
{
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(strPath, ec);
    if (ec) {
        strReason = ec.message();
        return false;
    }
    if (std::filesystem::is_directory(status)) {
        strReason = std::make_error_code(std::errc::is_a_directory).message();
        return false;
    }
    if (!std::filesystem::is_regular_file(status)) {
        strReason = "Not a regular file";
        return false;
    }
    std::FILE* pFile = std::fopen(strPath.c_str(), "rb");
    if (!pFile) {
        strReason = std::generic_category().message(errno);
        return false;
    }
    std::fclose(pFile);
    return true;
}
