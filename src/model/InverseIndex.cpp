#include "model/InverseIndex.h"

#include <algorithm>
#include <bit>
#include <new>
#include <stdexcept>

void CInverseIndex::Reset(std::size_t nDenseLimit)
{
    m_nDenseLimit = nDenseLimit;
    m_aPages.clear();
    m_aPages.shrink_to_fit();
    m_aPages.resize((nDenseLimit + kPageSize - 1) >> kPageBits);
    std::unordered_map<std::int32_t, Slot>().swap(m_mapSparse);
    m_nCount = 0;
    std::vector<std::int32_t*>().swap(m_aChunkStart);
    std::vector<std::unique_ptr<std::int32_t[]>>().swap(m_aAllocations);
    m_nNext = m_nEnd = 0;
    m_aFreeBlocks = NoFreeBlocks();
}

CInverseIndex::Slot& CInverseIndex::SlotOf(std::int32_t n)
{
    const auto nIndex = static_cast<std::uint32_t>(n);
    if (nIndex < m_nDenseLimit) {
        std::unique_ptr<Slot[]>& pPage = m_aPages[nIndex >> kPageBits];
        if (!pPage)
            pPage = std::make_unique<Slot[]>(kPageSize);
        return pPage[nIndex & (kPageSize - 1)];
    }
    return m_mapSparse[n];
}

void CInverseIndex::Add(std::int32_t nReferred, std::int32_t nReferrer)
{
    Slot& slot = SlotOf(nReferred);
    const std::uint32_t nSize = slot.nSize;
    if (nSize == 0) {
        slot.nValue = static_cast<std::uint32_t>(nReferrer);
        slot.nSize = 1;
        ++m_nCount;
        return;
    }
    if (nSize == std::uint32_t{1} << (kClasses - 1))
        throw std::length_error("CInverseIndex: too many referrers");
    // A full block (or the number in place) moves to one twice the size.
    if (std::has_single_bit(nSize)) {
        const auto nClass = static_cast<unsigned>(std::countr_zero(nSize)) + 1;
        const std::uint32_t nOffset = TakeBlock(nClass);
        const List list = ListOf(slot);
        std::copy(list.begin(), list.end(), BlockAt(nOffset));
        if (nSize > 1)
            FreeBlock(slot.nValue, nClass - 1);
        slot.nValue = nOffset;
    }
    BlockAt(slot.nValue)[nSize] = nReferrer;
    slot.nSize = nSize + 1;
}

CInverseIndex::List CInverseIndex::Lookup(std::int32_t n) const
{
    const auto nIndex = static_cast<std::uint32_t>(n);
    if (nIndex < m_nDenseLimit) {
        if (const auto& pPage = m_aPages[nIndex >> kPageBits])
            return ListOf(pPage[nIndex & (kPageSize - 1)]);
    } else if (const auto it = m_mapSparse.find(n); it != m_mapSparse.end()) {
        return ListOf(it->second);
    }
    return {};
}

std::uint32_t CInverseIndex::TakeBlock(unsigned nClass)
{
    if (const std::uint32_t nFree = m_aFreeBlocks[nClass]; nFree != kNoBlock) {
        m_aFreeBlocks[nClass] = static_cast<std::uint32_t>(BlockAt(nFree)[0]);
        return nFree;
    }
    const std::uint64_t nNumbers = std::uint64_t{1} << nClass;
    if (m_nNext + nNumbers > m_nEnd) {
        // A new allocation: a chunk, or as many chunk offsets as a larger
        // block needs. The rest of the last chunk is kept as free blocks.
        const std::size_t nChunks = std::max<std::size_t>(1, nNumbers >> kChunkBits);
        if (m_aChunkStart.size() + nChunks > (std::uint64_t{1} << (32 - kChunkBits)))
            throw std::bad_alloc();
        m_aChunkStart.reserve(m_aChunkStart.size() + nChunks);
        m_aAllocations.reserve(m_aAllocations.size() + 1);
        auto pNumbers = std::make_unique_for_overwrite<std::int32_t[]>(nChunks * kChunkNumbers);
        while (m_nNext < m_nEnd) {
            const auto nRestClass = static_cast<unsigned>(std::bit_width(m_nEnd - m_nNext) - 1);
            FreeBlock(static_cast<std::uint32_t>(m_nNext), nRestClass);
            m_nNext += std::uint64_t{1} << nRestClass;
        }
        m_nNext = std::uint64_t{m_aChunkStart.size()} << kChunkBits;
        for (std::size_t i = 0; i < nChunks; ++i)
            m_aChunkStart.push_back(pNumbers.get() + i * kChunkNumbers);
        m_nEnd = m_nNext + nChunks * kChunkNumbers;
        m_aAllocations.push_back(std::move(pNumbers));
    }
    const auto nOffset = static_cast<std::uint32_t>(m_nNext);
    m_nNext += nNumbers;
    return nOffset;
}

void CInverseIndex::FreeBlock(std::uint32_t nOffset, unsigned nClass)
{
    BlockAt(nOffset)[0] = static_cast<std::int32_t>(m_aFreeBlocks[nClass]);
    m_aFreeBlocks[nClass] = nOffset;
}
