#include "dialogs/UserLanguage.h"

#include <cstdlib>
#include <string_view>

namespace {

struct Language {
    std::string_view code;
    WORD primary;
};

constexpr Language kLanguages[] = {
    {"ar", 0x01}, {"bg", 0x02}, {"ca", 0x03}, {"zh", 0x04}, {"cs", 0x05}, {"da", 0x06},
    {"de", 0x07}, {"el", 0x08}, {"en", 0x09}, {"es", 0x0A}, {"fi", 0x0B}, {"fr", 0x0C},
    {"he", 0x0D}, {"hu", 0x0E}, {"is", 0x0F}, {"it", 0x10}, {"ja", 0x11}, {"ko", 0x12},
    {"nl", 0x13}, {"nb", 0x14}, {"no", 0x14}, {"pl", 0x15}, {"pt", 0x16}, {"ro", 0x18},
    {"ru", 0x19}, {"hr", 0x1A}, {"sk", 0x1B}, {"sq", 0x1C}, {"sv", 0x1D}, {"th", 0x1E},
    {"tr", 0x1F}, {"uk", 0x22}, {"sl", 0x24}, {"et", 0x25}, {"lv", 0x26}, {"lt", 0x27},
};

// Sublanguages of the languages spoken in several countries; every other
// country gets sublanguage 1, the language's default.
struct Country {
    WORD primary;
    std::string_view code;
    WORD sub;
};

constexpr Country kCountries[] = {
    {0x04, "TW", 1},  {0x04, "CN", 2}, {0x04, "HK", 3},  {0x04, "SG", 4},  {0x07, "CH", 2}, {0x07, "AT", 3},
    {0x07, "LU", 4},  {0x07, "LI", 5}, {0x09, "GB", 2},  {0x09, "AU", 3},  {0x09, "CA", 4}, {0x09, "NZ", 5},
    {0x09, "IE", 6},  {0x09, "ZA", 7}, {0x09, "IN", 16}, {0x09, "SG", 18}, {0x0A, "MX", 2}, {0x0A, "ES", 3},
    {0x0A, "AR", 11}, {0x0C, "BE", 2}, {0x0C, "CA", 3},  {0x0C, "CH", 4},  {0x0C, "LU", 5}, {0x0C, "MC", 6},
    {0x10, "CH", 2},  {0x13, "BE", 2}, {0x16, "PT", 2},  {0x1D, "FI", 2},
};

constexpr LANGID kUsEnglish = MAKELANGID(0x09, 1);

} // namespace

LANGID LangIdFromLocale(const std::string& locale)
{
    // language[_COUNTRY][.codeset][@modifier]
    const std::string_view whole(locale);
    const std::string_view name = whole.substr(0, whole.find_first_of(".@"));
    if (name.empty() || name == "C" || name == "POSIX")
        return kUsEnglish;
    const size_t underscore = name.find('_');
    const std::string_view language = name.substr(0, underscore);
    const std::string_view country =
        underscore == std::string_view::npos ? std::string_view() : name.substr(underscore + 1);
    for (const Language& l : kLanguages) {
        if (l.code != language)
            continue;
        for (const Country& c : kCountries)
            if (c.primary == l.primary && c.code == country)
                return MAKELANGID(l.primary, c.sub);
        return MAKELANGID(l.primary, 1);
    }
    return 0;
}

LANGID GetUserDefaultLangID()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value)
            return LangIdFromLocale(value);
    }
    return kUsEnglish;
}
