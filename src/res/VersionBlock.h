// The program's version block: the fixed file information and the named
// version strings per translation, as data. The about box reads its version
// text from here, and so does `lumenor --version`, so both always agree.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace res {

// The fixed part of a version block, field for field and 52 bytes long as
// version readers expect it.
struct VersionFixedInfo {
    std::uint32_t dwSignature;
    std::uint32_t dwStrucVersion;
    std::uint32_t dwFileVersionMS;
    std::uint32_t dwFileVersionLS;
    std::uint32_t dwProductVersionMS;
    std::uint32_t dwProductVersionLS;
    std::uint32_t dwFileFlagsMask;
    std::uint32_t dwFileFlags;
    std::uint32_t dwFileOS;
    std::uint32_t dwFileType;
    std::uint32_t dwFileSubtype;
    std::uint32_t dwFileDateMS;
    std::uint32_t dwFileDateLS;
};
static_assert(sizeof(VersionFixedInfo) == 52);

struct VersionString {
    std::string key;
    std::string value;
};

// The strings of one translation: language in the low 16 bits, code page in
// the high 16 bits.
struct VersionTranslation {
    std::uint32_t translation;
    std::vector<VersionString> strings;
};

struct VersionBlock {
    VersionFixedInfo fixed;
    std::vector<VersionTranslation> translations;
};

// Lumenor's own version block.
const VersionBlock& ProgramVersionBlock();

// The value of `key` in the first translation of the block that has it, or
// an empty string.
std::string FindVersionString(const VersionBlock& block, const std::string& key);

} // namespace res
