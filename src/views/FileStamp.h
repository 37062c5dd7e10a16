// What tells that a file has changed on disk: its modification time and
// length, read without opening it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

struct CFileStamp {
    std::filesystem::file_time_type timeModified{};
    std::uintmax_t nLength = 0;
    // False for a file that is not there (or cannot be read).
    bool bExists = false;

    static CFileStamp Of(const std::string& strPath);
    bool operator==(const CFileStamp&) const = default;
};
