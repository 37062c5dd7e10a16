// A multiset of row widths with its maximum: how many displayed rows end at
// each content x. Lets the horizontal extent follow insertions, deletions,
// expansion and label changes without walking all rows.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

class WidthCounter {
public:
    void Add(int width);
    void Remove(int width);
    void Clear();
    // The largest width counted, 0 when none.
    int Max() const { return m_max; }

private:
    static constexpr int kDirectLimit = 1 << 16;

    std::vector<std::uint32_t> m_direct; // counts of widths below kDirectLimit
    std::map<int, std::uint32_t> m_wide; // counts of the rest
    int m_max = 0;
};
