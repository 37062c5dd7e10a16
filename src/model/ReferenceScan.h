// The scan behind reference extraction, shared by ExtractReferences and the
// inverse computation so that the latter needs no temporary array.
#pragma once

#include "model/EntityNumbers.h"

#include <cstring>
#include <string_view>

// Calls onReference(n) for every '#' followed by digits that fit in 32 bits,
// in text order. Position 0 is skipped: a '#' there is the entity's own name.
template <class OnReference>
void ForEachReference(std::string_view strText, OnReference&& onReference)
{
    const char* pText = strText.data();
    const std::size_t nLength = strText.size();
    std::size_t nPos = 1;
    while (nPos < nLength) {
        const void* pHash = std::memchr(pText + nPos, '#', nLength - nPos);
        if (!pHash)
            return;
        nPos = static_cast<std::size_t>(static_cast<const char*>(pHash) - pText) + 1;
        std::int32_t n;
        if (ParseNumber(strText, nPos, n))
            onReference(n);
    }
}
