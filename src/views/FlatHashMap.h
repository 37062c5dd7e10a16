// An open-addressing hash map for the views' links between tree items and
// entity numbers. A build enters one item per entity, over a million for
// large files; one flat table keeps that to a single block instead of a
// heap node per entry.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

// Keys are nonzero integers (0 marks a free slot); EntityItemMaps.h makes
// them from item handles and entity numbers.
template <class V>
class CFlatHashMap {
public:
    CFlatHashMap() { RemoveAll(0); }

    std::size_t GetCount() const { return m_nCount; }

    // Empties the map and makes room for nExpected entries without growing.
    void RemoveAll(std::size_t nExpected)
    {
        std::size_t nCapacity = 16;
        while (nCapacity - nCapacity / 5 < nExpected)
            nCapacity *= 2;
        m_aSlots.assign(nCapacity, Slot{});
        m_nShift = 64 - std::countr_zero(nCapacity);
        m_nCount = 0;
    }

    // Enters the value under the key, replacing an earlier one.
    void SetAt(std::uint64_t nKey, V value)
    {
        if (m_nCount + 1 > m_aSlots.size() - m_aSlots.size() / 5)
            Grow();
        Slot& slot = m_aSlots[Find(nKey)];
        if (slot.nKey == 0) {
            slot.nKey = nKey;
            ++m_nCount;
        }
        slot.value = value;
    }

    bool Lookup(std::uint64_t nKey, V& value) const
    {
        const Slot& slot = m_aSlots[Find(nKey)];
        if (slot.nKey == 0)
            return false;
        value = slot.value;
        return true;
    }

private:
    struct Slot {
        std::uint64_t nKey = 0;
        V value{};
    };

    // Where the key belongs when no other key is in the way: the top bits
    // of a Fibonacci hash.
    std::size_t Home(std::uint64_t nKey) const
    {
        return static_cast<std::size_t>((nKey * 0x9E3779B97F4A7C15ull) >> m_nShift);
    }

    // The slot that holds the key, or the free slot where it belongs.
    std::size_t Find(std::uint64_t nKey) const
    {
        const std::size_t nMask = m_aSlots.size() - 1;
        std::size_t i = Home(nKey);
        while (m_aSlots[i].nKey != 0 && m_aSlots[i].nKey != nKey)
            i = (i + 1) & nMask;
        return i;
    }

    void Grow()
    {
        std::vector<Slot> aOld;
        aOld.swap(m_aSlots);
        RemoveAll(aOld.size());
        for (const Slot& slot : aOld)
            if (slot.nKey != 0)
                SetAt(slot.nKey, slot.value);
    }

    std::vector<Slot> m_aSlots;
    unsigned m_nShift = 60;
    std::size_t m_nCount = 0;
};
