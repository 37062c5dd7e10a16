// What both compressed readers share: opening the file, and how far a
// length that the file claims for its text is believed.
#pragma once

#include <cstdint>
#include <string>

// IFC text shrinks about tenfold; a claimed length beyond this many times
// the file's is damaged.
constexpr std::uint64_t kMaxExpansion = 64;

// A descriptor open for reading and the file's length; -1 when the file
// cannot be opened.
int OpenForReading(const std::string& strPath, std::uint64_t& nFileLength);
