#include "model/EntityNumberArray.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>

CEntityNumberArray::CEntityNumberArray(const CEntityNumberArray& other)
{
    CopyFrom(other);
}

CEntityNumberArray::CEntityNumberArray(CEntityNumberArray&& other) noexcept
{
    TakeFrom(other);
}

CEntityNumberArray& CEntityNumberArray::operator=(const CEntityNumberArray& other)
{
    if (this != &other) {
        m_nSize = 0;
        CopyFrom(other);
    }
    return *this;
}

CEntityNumberArray& CEntityNumberArray::operator=(CEntityNumberArray&& other) noexcept
{
    if (this != &other) {
        RemoveAll();
        TakeFrom(other);
    }
    return *this;
}

CEntityNumberArray::~CEntityNumberArray()
{
    if (!IsInline())
        delete[] m_pHeap;
}

void CEntityNumberArray::RemoveAll()
{
    if (!IsInline())
        delete[] m_pHeap;
    m_nSize = 0;
    m_nCapacity = kInlineCapacity;
}

void CEntityNumberArray::CopyFrom(const CEntityNumberArray& other)
{
    if (other.m_nSize > m_nCapacity)
        Grow(other.m_nSize);
    std::copy(other.begin(), other.end(), IsInline() ? m_aInline : m_pHeap);
    m_nSize = other.m_nSize;
}

void CEntityNumberArray::TakeFrom(CEntityNumberArray& other)
{
    m_nSize = other.m_nSize;
    m_nCapacity = other.m_nCapacity;
    if (IsInline())
        std::memcpy(m_aInline, other.m_aInline, sizeof m_aInline);
    else
        m_pHeap = other.m_pHeap;
    other.m_nSize = 0;
    other.m_nCapacity = kInlineCapacity;
}

void CEntityNumberArray::Grow(std::size_t nNeeded)
{
    constexpr std::size_t nMax = std::numeric_limits<std::uint32_t>::max();
    if (nNeeded > nMax)
        throw std::length_error("CEntityNumberArray: too many entries");
    const std::size_t nCapacity = std::min(nMax, std::max(nNeeded, std::size_t{m_nCapacity} * 2));
    auto* pData = new std::int32_t[nCapacity];
    std::copy(begin(), end(), pData);
    if (!IsInline())
        delete[] m_pHeap;
    m_pHeap = pData;
    m_nCapacity = static_cast<std::uint32_t>(nCapacity);
}
