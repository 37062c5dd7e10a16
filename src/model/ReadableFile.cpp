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

bool HoldsEntityLine(const std::string& strPath, const std::function<void(std::uint64_t)>& onBlock)
{
    std::FILE* pFile = std::fopen(strPath.c_str(), "rb");
    if (!pFile)
        return true;
    // Real files have their first entity a few lines in; only a file that
    // is no IFC file at all is read to its end.
    char aBlock[65536];
    bool bLineStart = true;
    bool bFound = false;
    std::uint64_t nTotal = 0;
    std::size_t nRead;
    while (!bFound && (nRead = std::fread(aBlock, 1, sizeof aBlock, pFile)) > 0) {
        for (std::size_t i = 0; i < nRead && !bFound; ++i) {
            bFound = bLineStart && aBlock[i] == '#';
            bLineStart = aBlock[i] == '\n';
        }
        nTotal += nRead;
        if (!bFound)
            onBlock(nTotal);
    }
    const bool bError = std::ferror(pFile) != 0;
    std::fclose(pFile);
    return bFound || bError;
}
