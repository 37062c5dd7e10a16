// The two links between a view's tree items and entity numbers: item to
// entity (every item the view inserted for an entity) and entity to root
// item (the upper view's roots).
#pragma once

#include "views/FlatHashMap.h"

#include "platform/TreeViewMessages.h"

#include <cstdint>
#include <vector>

// Whether entity numbers up to nHighest, about nEntities of them, are dense
// enough to be walked or indexed one by one, as in every real file.
inline bool AreNumbersDense(std::size_t nEntities, std::int32_t nHighest)
{
    return nHighest >= 0 && static_cast<std::size_t>(nHighest) < 4 * nEntities;
}

// Item to entity. Every item that the view inserts for an entity carries
// the number in its item parameter, offset by one so that 0 stands for an
// item inserted for no entity (the placeholders). Kept in the items rather
// than in a table of its own, it costs no memory per item: a hash entry per
// item is tens of megabytes on files of millions of entities.
class CItemEntityMap {
public:
    // The tree whose items carry the numbers.
    void Attach(HWND hTree) { m_hTree = hTree; }
    // The parameter to insert an item for entity n with.
    static LPARAM ParamOf(std::int32_t n) { return static_cast<LPARAM>(static_cast<std::uint32_t>(n)) + 1; }
    bool Lookup(HTREEITEM hItem, std::int32_t& n) const
    {
        if (!hItem || !m_hTree)
            return false;
        TVITEM item;
        item.mask = TVIF_PARAM;
        item.hItem = hItem;
        TreeView_GetItem(m_hTree, &item);
        if (item.lParam == 0)
            return false;
        n = static_cast<std::int32_t>(static_cast<std::uint32_t>(item.lParam - 1));
        return true;
    }

private:
    HWND m_hTree = nullptr;
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
        if (n < 0 || static_cast<std::size_t>(n) >= m_aDirect.size()
            || !m_aDirect[static_cast<std::size_t>(n)])
            return false;
        hItem = m_aDirect[static_cast<std::size_t>(n)];
        return true;
    }

private:
    // Shifted by one so that entity 0, the header, is a valid key.
    static std::uint64_t Key(std::int32_t n)
    {
        return static_cast<std::uint64_t>(static_cast<std::uint32_t>(n)) + 1;
    }
    std::vector<HTREEITEM> m_aDirect;
    CFlatHashMap<HTREEITEM> m_map;
};
