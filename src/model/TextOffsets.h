// Ascending byte offsets into one text, four bytes each: the low 32 bits are
// kept per offset and the high ones once for every 4 GiB crossed, since an
// offset per entity is a tenth of the memory of a file of short lines.
#pragma once

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <vector>

class CTextOffsets {
public:
    explicit CTextOffsets(std::uint64_t nFirst) { push_back(nFirst); }

    void reserve(std::size_t nCount) { m_aLow.reserve(nCount); }
    // nOffset is at least the last one.
    void push_back(std::uint64_t nOffset)
    {
        assert(m_aLow.empty() || nOffset >= back());
        for (; (nOffset >> 32) > m_aHighFrom.size();)
            m_aHighFrom.push_back(m_aLow.size());
        m_aLow.push_back(static_cast<std::uint32_t>(nOffset));
    }
    std::size_t size() const { return m_aLow.size(); }
    std::uint64_t back() const { return std::uint64_t{m_aHighFrom.size()} << 32 | m_aLow.back(); }
    std::uint64_t operator[](std::size_t i) const
    {
        // Below 4 GiB, the common case, no search.
        const std::uint64_t nHigh =
            m_aHighFrom.empty()
                ? 0
                : static_cast<std::uint64_t>(std::upper_bound(m_aHighFrom.begin(), m_aHighFrom.end(), i)
                                             - m_aHighFrom.begin());
        return nHigh << 32 | m_aLow[i];
    }

private:
    std::vector<std::uint32_t> m_aLow;
    // Entry k: the index of the first offset of at least (k + 1) * 4 GiB.
    std::vector<std::size_t> m_aHighFrom;
};
