// The user's default language as a language identifier: the primary
// language in the low 10 bits, the sublanguage (country) above them.
#pragma once

#include "platform/WinTypes.h"

#include <string>

using LANGID = WORD;

constexpr LANGID MAKELANGID(WORD primary, WORD sub)
{
    return static_cast<LANGID>((sub << 10) | primary);
}

// From the locale the user's messages are in: LC_ALL, else LC_MESSAGES,
// else LANG (the first that is set and not empty).
LANGID GetUserDefaultLangID();

// The identifier of a locale name such as "de_AT.UTF-8" (0x0C07). A known
// language in an unlisted country gets its default sublanguage; "C",
// "POSIX" and an empty name are US English; an unknown language is neutral
// (0).
LANGID LangIdFromLocale(const std::string& locale);
