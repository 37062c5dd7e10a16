#include "res/VersionBlock.h"

namespace res {

namespace {

constexpr std::uint32_t kGermanUnicode = 0x0407u | (1200u << 16);

} // namespace

const VersionBlock& ProgramVersionBlock()
{
    static const VersionBlock block{
        {
            0xFEEF04BDu, // signature
            0x00010000u, // structure version 1.0
            (1u << 16) | 1u, 0u, // file version 1.1.0.0
            (1u << 16) | 0u, 1u, // product version 1.0.0.1
            0x3Fu, 0u, // flags mask, flags
            4u, 1u, 0u, // 32-bit Windows, application, no subtype
            0u, 0u, // no date
        },
        {
            {kGermanUnicode,
             {
                 {"CompanyName", "Velmora"},
                 {"FileDescription", "MFC-Anwendung Lumenor"},
                 {"FileVersion", "1, 1, 0, 0"},
                 {"InternalName", "Lumenor"},
                 {"LegalCopyright", "Copyright (C) Velmora"},
                 {"OriginalFilename", "Lumenor.EXE"},
                 {"ProductName", "Application Lumenor"},
                 {"ProductVersion", "1, 0, 0, 1"},
                 {"Comments", ""},
                 {"LegalTrademarks", ""},
                 {"PrivateBuild", ""},
                 {"SpecialBuild", ""},
             }},
        },
    };
    return block;
}

std::string FindVersionString(const VersionBlock& block, const std::string& key)
{
    for (const VersionTranslation& translation : block.translations)
        for (const VersionString& entry : translation.strings)
            if (entry.key == key)
                return entry.value;
    return {};
}

} // namespace res
