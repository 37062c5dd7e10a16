#include "model/EntityWalk.h"

#include <algorithm>

void CEntityWalk::Assign(std::string strName, std::vector<std::int32_t> aNumbers)
{
    m_strName = std::move(strName);
    m_aNumbers = std::move(aNumbers);
}

void CEntityWalk::Clear()
{
    m_strName.clear();
    std::vector<std::int32_t>().swap(m_aNumbers);
}

std::int32_t CEntityWalk::Next(std::int32_t n) const
{
    if (m_aNumbers.empty())
        return n;
    const auto it = std::upper_bound(m_aNumbers.begin(), m_aNumbers.end(), n);
    return it == m_aNumbers.end() ? m_aNumbers.front() : *it;
}

std::int32_t CEntityWalk::Previous(std::int32_t n) const
{
    if (m_aNumbers.empty())
        return n;
    const auto it = std::lower_bound(m_aNumbers.begin(), m_aNumbers.end(), n);
    return it == m_aNumbers.begin() ? m_aNumbers.back() : *(it - 1);
}
