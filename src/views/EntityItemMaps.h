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
    // The next sibling of an item.
    HTREEITEM NextRoot(HTREEITEM hItem) const
    {
        return reinterpret_cast<HTREEITEM>(
            SendMessageA(m_hTree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(hItem)));
    }

private:
    HWND m_hTree = nullptr;
};

class CEntityItemMap {
public:
    // The items are the roots of a tree whose items carry their numbers,
    // inserted in ascending number. Dense numbers then keep only the first
    // item of every run of kRun numbers, found along the roots for the
    // others: a handle per entity would be as much memory as a tenth of
    // the file. Unattached, the map keeps a handle per number.
    void Attach(const CItemEntityMap& items) { m_pItems = &items; }
    // Empties the map for about nExpected entities numbered 0 to nHighest.
    // Dense numbers index a table, which a build fills front to back;
    // others are hashed.
    void RemoveAll(std::size_t nExpected, std::int32_t nHighest)
    {
        m_aRunStart.clear();
        m_map.RemoveAll(0);
        if (AreNumbersDense(nExpected, nHighest))
            m_aRunStart.assign(static_cast<std::size_t>(nHighest) / Run() + 1, nullptr);
        else
            m_map.RemoveAll(nExpected);
    }
    void SetAt(std::int32_t n, HTREEITEM hItem)
    {
        if (m_aRunStart.empty()) {
            m_map.SetAt(Key(n), hItem);
        } else if (n >= 0 && static_cast<std::size_t>(n) / Run() < m_aRunStart.size()) {
            HTREEITEM& hStart = m_aRunStart[static_cast<std::size_t>(n) / Run()];
            if (!hStart || !m_pItems)
                hStart = hItem;
        }
    }
    bool Lookup(std::int32_t n, HTREEITEM& hItem) const
    {
        if (m_aRunStart.empty())
            return m_map.Lookup(Key(n), hItem);
        if (n < 0 || static_cast<std::size_t>(n) / Run() >= m_aRunStart.size())
            return false;
        HTREEITEM h = m_aRunStart[static_cast<std::size_t>(n) / Run()];
        if (!m_pItems) {
            hItem = h;
            return h != nullptr;
        }
        // At most kRun roots from the run's first, the last below the next run.
        for (; h; h = m_pItems->NextRoot(h)) {
            std::int32_t nItem = 0;
            if (!m_pItems->Lookup(h, nItem) || nItem > n)
                return false;
            if (nItem == n) {
                hItem = h;
                return true;
            }
        }
        return false;
    }

private:
    static constexpr std::size_t kRun = 16;
    std::size_t Run() const { return m_pItems ? kRun : 1; }
    // Shifted by one so that entity 0, the header, is a valid key.
    static std::uint64_t Key(std::int32_t n)
    {
        return static_cast<std::uint64_t>(static_cast<std::uint32_t>(n)) + 1;
    }
    const CItemEntityMap* m_pItems = nullptr;
    std::vector<HTREEITEM> m_aRunStart;
    CFlatHashMap<HTREEITEM> m_map;
};
