// The two links between a view's tree items and entity numbers: item to
// entity (every item the view inserted for an entity) and entity to root
// item (the upper view's roots).
#pragma once

#include "views/FlatHashMap.h"

#include "platform/CommCtrl.h"

#include <cstdint>

class CItemEntityMap {
public:
    void RemoveAll(std::size_t nExpected) { m_map.RemoveAll(nExpected); }
    std::size_t GetCount() const { return m_map.GetCount(); }
    void SetAt(HTREEITEM hItem, std::int32_t n) { m_map.SetAt(Key(hItem), n); }
    bool Lookup(HTREEITEM hItem, std::int32_t& n) const { return hItem && m_map.Lookup(Key(hItem), n); }

private:
    static std::uint64_t Key(HTREEITEM hItem) { return reinterpret_cast<std::uintptr_t>(hItem); }
    CFlatHashMap<std::int32_t> m_map;
};

class CEntityItemMap {
public:
    void RemoveAll(std::size_t nExpected) { m_map.RemoveAll(nExpected); }
    std::size_t GetCount() const { return m_map.GetCount(); }
    void SetAt(std::int32_t n, HTREEITEM hItem) { m_map.SetAt(Key(n), hItem); }
    bool Lookup(std::int32_t n, HTREEITEM& hItem) const { return m_map.Lookup(Key(n), hItem); }

private:
    // Shifted by one so that entity 0, the header, is a valid key.
    static std::uint64_t Key(std::int32_t n) { return static_cast<std::uint64_t>(static_cast<std::uint32_t>(n)) + 1; }
    CFlatHashMap<HTREEITEM> m_map;
};
