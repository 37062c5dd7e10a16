// The two links between a view's tree items and entity numbers: item to
// entity (every item the view inserted for an entity) and entity to root
// item (the upper view's roots).
#pragma once

#include "views/FlatHashMap.h"

#include "platform/CommCtrl.h"

#include <cstdint>
#include <utility>
#include <vector>

// Whether entity numbers up to nHighest, about nEntities of them, are dense
// enough to be walked or indexed one by one, as in every real file.
inline bool AreNumbersDense(std::size_t nEntities, std::int32_t nHighest)
{
    return nHighest >= 0 && static_cast<std::size_t>(nHighest) < 4 * nEntities;
}

class CItemEntityMap {
public:
    using Entry = std::pair<HTREEITEM, std::int32_t>;

    void RemoveAll(std::size_t nExpected) { m_map.RemoveAll(nExpected); }
    void SetAt(HTREEITEM hItem, std::int32_t n) { m_map.SetAt(Key(hItem), n); }
    // SetAt for each entry, with the slots of later entries fetched early.
    void SetMany(const std::vector<Entry>& aEntries)
    {
        constexpr std::size_t kAhead = 16;
        for (std::size_t i = 0; i < aEntries.size(); ++i) {
            if (i + kAhead < aEntries.size())
                m_map.Prefetch(Key(aEntries[i + kAhead].first));
            m_map.SetAt(Key(aEntries[i].first), aEntries[i].second);
        }
    }
    bool Lookup(HTREEITEM hItem, std::int32_t& n) const { return hItem && m_map.Lookup(Key(hItem), n); }

private:
    static std::uint64_t Key(HTREEITEM hItem) { return reinterpret_cast<std::uintptr_t>(hItem); }
    CFlatHashMap<std::int32_t> m_map;
};

class CEntityItemMap {
public:
    // Empties the map for about nExpected entities numbered 0 to nHighest.
    // Dense numbers index a table directly, which a build fills front to
    // back; others are hashed.
    void RemoveAll(std::size_t nExpected, std::int32_t nHighest)
    {
        m_aDirect.clear();
        m_map.RemoveAll(0);
        if (AreNumbersDense(nExpected, nHighest))
            m_aDirect.assign(static_cast<std::size_t>(nHighest) + 1, nullptr);
        else
            m_map.RemoveAll(nExpected);
    }
    void SetAt(std::int32_t n, HTREEITEM hItem)
    {
        if (m_aDirect.empty())
            m_map.SetAt(Key(n), hItem);
        else if (n >= 0 && static_cast<std::size_t>(n) < m_aDirect.size())
            m_aDirect[static_cast<std::size_t>(n)] = hItem;
    }
    bool Lookup(std::int32_t n, HTREEITEM& hItem) const
    {
        if (m_aDirect.empty())
            return m_map.Lookup(Key(n), hItem);
        if (n < 0 || static_cast<std::size_t>(n) >= m_aDirect.size() || !m_aDirect[static_cast<std::size_t>(n)])
            return false;
        hItem = m_aDirect[static_cast<std::size_t>(n)];
        return true;
    }

private:
    // Shifted by one so that entity 0, the header, is a valid key.
    static std::uint64_t Key(std::int32_t n) { return static_cast<std::uint64_t>(static_cast<std::uint32_t>(n)) + 1; }
    std::vector<HTREEITEM> m_aDirect;
    CFlatHashMap<HTREEITEM> m_map;
};
