// The inverse index: entity number -> the numbers of the entities whose texts
// refer to it, in the order they were scanned.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <unordered_map>
#include <vector>

class CInverseIndex {
public:
    using List = std::span<const std::int32_t>;

    // Empties the index and releases every list. Numbers below nDenseLimit
    // will be kept in a table, the others in a hash map.
    void Reset(std::size_t nDenseLimit);
    // Appends nReferrer to the list of nReferred. Out of memory it throws
    // std::bad_alloc and the index stays as it was; a list holds at most
    // 2^31 numbers (std::length_error beyond).
    void Add(std::int32_t nReferred, std::int32_t nReferrer);
    // The list of n, empty when no scanned entity refers to n; valid until
    // the next Add or Reset.
    List Lookup(std::int32_t n) const;
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
                if (m_aPages[nPage][i].nSize != 0)
                    onList(static_cast<std::int32_t>((nPage << kPageBits) + i), ListOf(m_aPages[nPage][i]));
        }
        for (const auto& [n, slot] : m_mapSparse)
            onList(n, ListOf(slot));
    }

private:
    // A list of one number holds it in place; a longer one lies in a block
    // of the arena whose capacity is the size rounded up to a power of two.
    // Eight bytes per number and no heap block per list: most lists of a
    // real file hold one number, and millions of lists are freed at once.
    struct Slot {
        std::uint32_t nSize = 0;
        std::uint32_t nValue = 0; // the number itself, or the block's offset
    };

    // The table is allocated in pages as numbers are first referred to, so
    // that no single slice of the computation pays for all of it.
    static constexpr unsigned kPageBits = 12;
    static constexpr std::size_t kPageSize = std::size_t{1} << kPageBits;
    // The arena is addressed by 32-bit offsets in numbers, in chunks of
    // 2^kChunkBits numbers; a block larger than a chunk spans several chunk
    // offsets of one allocation.
    static constexpr unsigned kChunkBits = 20;
    static constexpr std::size_t kChunkNumbers = std::size_t{1} << kChunkBits;
    static constexpr unsigned kClasses = 32; // capacities 2^0 .. 2^31
    static constexpr std::uint32_t kNoBlock = 0xFFFFFFFFu;

    List ListOf(const Slot& slot) const
    {
        const std::int32_t* pData =
            slot.nSize <= 1 ? reinterpret_cast<const std::int32_t*>(&slot.nValue) : BlockAt(slot.nValue);
        return {pData, slot.nSize};
    }
    std::int32_t* BlockAt(std::uint32_t nOffset) const
    {
        return m_aChunkStart[nOffset >> kChunkBits] + (nOffset & (kChunkNumbers - 1));
    }
    Slot& SlotOf(std::int32_t n);
    // A block of 2^nClass numbers, reused or new; throws std::bad_alloc.
    std::uint32_t TakeBlock(unsigned nClass);
    void FreeBlock(std::uint32_t nOffset, unsigned nClass);

    std::size_t m_nDenseLimit = 0;
    std::vector<std::unique_ptr<Slot[]>> m_aPages;
    std::unordered_map<std::int32_t, Slot> m_mapSparse;
    std::size_t m_nCount = 0;

    // The arena: the start of each chunk, the allocations behind them, the
    // next free offset in the last chunk and, per capacity class, the first
    // freed block (each freed block holds the offset of the next one).
    std::vector<std::int32_t*> m_aChunkStart;
    std::vector<std::unique_ptr<std::int32_t[]>> m_aAllocations;
    std::uint64_t m_nNext = 0;
    std::uint64_t m_nEnd = 0;
    std::array<std::uint32_t, kClasses> m_aFreeBlocks = NoFreeBlocks();

    static constexpr std::array<std::uint32_t, kClasses> NoFreeBlocks()
    {
        std::array<std::uint32_t, kClasses> aHeads{};
        aHeads.fill(kNoBlock);
        return aHeads;
    }
};
