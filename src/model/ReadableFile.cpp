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

bool HoldsEntityLine(ITextSource& source, const std::function<void(std::uint64_t)>& onBlock)
{
    // Real files have their first entity a few lines in; only a file that
    // is no IFC file at all is read to its end.
    char aBlock[65536];
    bool bLineStart = true;
    std::size_t nRead;
    while (source.Read(aBlock, sizeof aBlock, nRead) && nRead > 0) {
        for (std::size_t i = 0; i < nRead; ++i) {
            if (bLineStart && aBlock[i] == '#')
                return true;
            bLineStart = aBlock[i] == '\n';
        }
        onBlock(source.GetFileBytesRead());
    }
    return !source.GetError().empty();
}
