// A walk through a chosen set of entities, such as every entity of one type:
// from any entity to the next or previous one of the set in ascending
// number, around the end to the other end.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CEntityWalk {
public:
    // aNumbers ascending, without repeats; strName says what they are.
    void Assign(std::string strName, std::vector<std::int32_t> aNumbers);
    void Clear();

    bool IsEmpty() const { return m_aNumbers.empty(); }
    const std::string& GetName() const { return m_strName; }
    // The lowest number of the set above n, the lowest of all when none is;
    // n itself for an empty set.
    std::int32_t Next(std::int32_t n) const;
    // The highest number of the set below n, the highest of all when none is.
    std::int32_t Previous(std::int32_t n) const;

private:
    std::string m_strName;
    std::vector<std::int32_t> m_aNumbers;
};
