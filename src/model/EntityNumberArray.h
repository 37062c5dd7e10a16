// A growable array of entity numbers in insertion order, duplicates allowed:
// the result of a reference extraction and one referrer list of the inverse
// index.
#pragma once

#include <cstddef>
#include <cstdint>

class CEntityNumberArray {
public:
    CEntityNumberArray() = default;
    CEntityNumberArray(const CEntityNumberArray& other);
    CEntityNumberArray(CEntityNumberArray&& other) noexcept;
    CEntityNumberArray& operator=(const CEntityNumberArray& other);
    CEntityNumberArray& operator=(CEntityNumberArray&& other) noexcept;
    ~CEntityNumberArray();

    std::size_t GetSize() const { return m_nSize; }
    bool IsEmpty() const { return m_nSize == 0; }
    std::int32_t GetAt(std::size_t i) const { return GetData()[i]; }
    std::int32_t operator[](std::size_t i) const { return GetData()[i]; }
    const std::int32_t* GetData() const { return IsInline() ? m_aInline : m_pHeap; }
    const std::int32_t* begin() const { return GetData(); }
    const std::int32_t* end() const { return GetData() + m_nSize; }

    // Amortised constant: the capacity doubles when full. A list holds at most
    // 2^32 - 1 numbers (std::length_error beyond, as a standard container).
    void Add(std::int32_t n)
    {
        if (m_nSize == m_nCapacity)
            Grow(m_nSize + 1);
        (IsInline() ? m_aInline : m_pHeap)[m_nSize++] = n;
    }
    // Empties the array and releases its storage.
    void RemoveAll();

private:
    // Most referrer lists of a real file hold one or two numbers; keeping
    // those in place saves a heap block per list.
    static constexpr std::uint32_t kInlineCapacity = 2;

    bool IsInline() const { return m_nCapacity == kInlineCapacity; }
    void Grow(std::size_t nNeeded);
    void CopyFrom(const CEntityNumberArray& other);
    // Moves other's contents here, leaving other empty; this holds no heap block.
    void TakeFrom(CEntityNumberArray& other);

    std::uint32_t m_nSize = 0;
    std::uint32_t m_nCapacity = kInlineCapacity;
    union {
        std::int32_t m_aInline[kInlineCapacity];
        std::int32_t* m_pHeap;
    };
};
