// Language ids from locale names (the user's own, from LC_ALL, is what
// the version tests choose a translation by).
#include "dialogs/UserLanguage.h"

#include <gtest/gtest.h>

namespace {

TEST(UserLanguage, LocaleNamesGiveLanguageAndCountry)
{
    EXPECT_EQ(LangIdFromLocale("de_AT.UTF-8"), 0x0C07);
    EXPECT_EQ(LangIdFromLocale("de_DE@euro"), 0x0407);
    EXPECT_EQ(LangIdFromLocale("en_US.UTF-8"), 0x0409);
    EXPECT_EQ(LangIdFromLocale("en_GB"), 0x0809);
    EXPECT_EQ(LangIdFromLocale("fr_CA.ISO-8859-1"), 0x0C0C);
    EXPECT_EQ(LangIdFromLocale("de"), 0x0407) << "no country: the default sublanguage";
    EXPECT_EQ(LangIdFromLocale("de_BE"), 0x0407) << "an unlisted country: the default sublanguage";
    EXPECT_EQ(LangIdFromLocale("C.UTF-8"), 0x0409);
    EXPECT_EQ(LangIdFromLocale("POSIX"), 0x0409);
    EXPECT_EQ(LangIdFromLocale("xx_YY"), 0x0000) << "unknown: neutral";
    EXPECT_EQ(LangIdFromLocale("_AT"), 0x0000);
}

} // namespace
