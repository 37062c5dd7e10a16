// The inverse index: entity number -> the numbers of the entities whose texts
// refer to it, in the order they were scanned.
#pragma once

#include "model/EntityNumberArray.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

class CInverseIndex {
public:
    // Empties the index and releases every list. Numbers below nDenseLimit
    // will be kept in a table, the others in a hash map.
    void Reset(std::size_t nDenseLimit);
    void Add(std::int32_t nReferred, std::int32_t nReferrer);
    // The list of n, or null when no scanned entity refers to n.
    const CEntityNumberArray* Lookup(std::int32_t n) const;
    // The number of keys, each with a list that is not empty.
    std::size_t GetCount() const { return m_nCount; }
    // Calls onList(n, list) for every number that has a list, in no set order.
    template <class OnList>
    void ForEach(OnList&& onList) const
    {
        for (std::size_t nPage = 0; nPage < m_aPages.size(); ++nPage) {
            if (!m_aPages[nPage])
                continue;
            for (std::size_t i = 0; i < kPageSize; ++i)
                if (!m_aPages[nPage][i].IsEmpty())
                    onList(static_cast<std::int32_t>((nPage << kPageBits) + i), m_aPages[nPage][i]);
        }
        for (const auto& [n, list] : m_mapSparse)
            if (!list.IsEmpty())
                onList(n, list);
    }

private:
    // The table is allocated in pages as numbers are first referred to, so
    // that no single slice of the computation pays for all of it.
    static constexpr unsigned kPageBits = 12;
    static constexpr std::size_t kPageSize = std::size_t{1} << kPageBits;

    std::size_t m_nDenseLimit = 0;
    std::vector<std::unique_ptr<CEntityNumberArray[]>> m_aPages;
    std::unordered_map<std::int32_t, CEntityNumberArray> m_mapSparse;
    std::size_t m_nCount = 0;
};
