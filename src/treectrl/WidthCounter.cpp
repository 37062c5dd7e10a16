#include "treectrl/WidthCounter.h"

#include <cassert>

void WidthCounter::Add(int width)
{
    if (width < 0)
        width = 0;
    if (width < kDirectLimit) {
        if (static_cast<std::size_t>(width) >= m_direct.size())
            m_direct.resize(static_cast<std::size_t>(width) + 1 + m_direct.size() / 2);
        ++m_direct[static_cast<std::size_t>(width)];
    } else {
        ++m_wide[width];
    }
    if (width > m_max)
        m_max = width;
}

void WidthCounter::Remove(int width)
{
    if (width < 0)
        width = 0;
    if (width < kDirectLimit) {
        assert(static_cast<std::size_t>(width) < m_direct.size()
               && m_direct[static_cast<std::size_t>(width)] > 0);
        --m_direct[static_cast<std::size_t>(width)];
    } else {
        auto it = m_wide.find(width);
        assert(it != m_wide.end());
        if (--it->second == 0)
            m_wide.erase(it);
    }
    if (width != m_max)
        return;
    if (!m_wide.empty()) {
        m_max = m_wide.rbegin()->first;
        return;
    }
    int w = width < kDirectLimit ? width : static_cast<int>(m_direct.size()) - 1;
    while (w > 0 && m_direct[static_cast<std::size_t>(w)] == 0)
        --w;
    m_max = w > 0 ? w : 0;
}

void WidthCounter::Clear()
{
    m_direct.clear();
    m_wide.clear();
    m_max = 0;
}
