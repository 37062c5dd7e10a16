// Entity numbers: how they are read from texts ('#' and a run of decimal
// digits), and how far the tables keyed by them reach.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>

inline bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Reads the run of decimal digits at nPos and moves nPos past all of it.
// True with the value in n when the run is not empty and fits in 32 bits
// signed; a longer run names no entity rather than wrapping into another one.
inline bool ParseNumber(std::string_view strText, std::size_t& nPos, std::int32_t& n)
{
    constexpr std::int64_t nMax = std::numeric_limits<std::int32_t>::max();
    const std::size_t nStart = nPos;
    std::int64_t nValue = 0;
    while (nPos < strText.size() && IsDigit(strText[nPos])) {
        if (nValue <= nMax)
            nValue = nValue * 10 + (strText[nPos] - '0');
        ++nPos;
    }
    if (nPos == nStart || nValue > nMax)
        return false;
    n = static_cast<std::int32_t>(nValue);
    return true;
}

// Numbers below this bound are indexed by a table, the others by a hash map.
// Numbers in real files are nearly dense, so the table is the rule; the
// bound keeps it within a few words per entity when they are not.
inline std::size_t DenseNumberLimit(std::int32_t nMaxNumber, std::size_t nCount)
{
    const std::size_t nAll = static_cast<std::size_t>(nMaxNumber < 0 ? 0 : nMaxNumber) + 1;
    return nAll < 8 * nCount + 1024 ? nAll : 8 * nCount + 1024;
}
