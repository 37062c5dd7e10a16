#include "model/InverseIndex.h"

void CInverseIndex::Reset(std::size_t nDenseLimit)
{
    m_nDenseLimit = nDenseLimit;
    m_aPages.clear();
    m_aPages.shrink_to_fit();
    m_aPages.resize((nDenseLimit + kPageSize - 1) >> kPageBits);
    std::unordered_map<std::int32_t, CEntityNumberArray>().swap(m_mapSparse);
    m_nCount = 0;
}

void CInverseIndex::Add(std::int32_t nReferred, std::int32_t nReferrer)
{
    const auto nIndex = static_cast<std::uint32_t>(nReferred);
    CEntityNumberArray* pList;
    if (nIndex < m_nDenseLimit) {
        std::unique_ptr<CEntityNumberArray[]>& pPage = m_aPages[nIndex >> kPageBits];
        if (!pPage)
            pPage = std::make_unique<CEntityNumberArray[]>(kPageSize);
        pList = &pPage[nIndex & (kPageSize - 1)];
    } else {
        pList = &m_mapSparse[nReferred];
    }
    if (pList->IsEmpty())
        ++m_nCount;
    pList->Add(nReferrer);
}

const CEntityNumberArray* CInverseIndex::Lookup(std::int32_t n) const
{
    const auto nIndex = static_cast<std::uint32_t>(n);
    const CEntityNumberArray* pList = nullptr;
    if (nIndex < m_nDenseLimit) {
        if (const auto& pPage = m_aPages[nIndex >> kPageBits])
            pList = &pPage[nIndex & (kPageSize - 1)];
    } else if (const auto it = m_mapSparse.find(n); it != m_mapSparse.end()) {
        pList = &it->second;
    }
    return pList && !pList->IsEmpty() ? pList : nullptr;
}
