// Label bytes of one tree. Labels are copied into large blocks one after
// the other (no per-label heap header, no padding); a freed label is kept
// for reuse by the next label of the same length. Very long labels get a
// heap block of their own.
#pragma once

#include <cstddef>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class LabelStore {
public:
    LabelStore() = default;
    ~LabelStore();
    LabelStore(const LabelStore&) = delete;
    LabelStore& operator=(const LabelStore&) = delete;

    // A zero-terminated copy of `length` bytes, or null when memory is
    // exhausted.
    char* Copy(const char* text, std::size_t length);
    // Gives back a label made by Copy with this length.
    void Free(char* label, std::size_t length);
    // Frees every label at once.
    void Reset();

    // Whether a label of this length has a heap block of its own.
    static bool IsLarge(std::size_t length) { return length + 1 > kLargeBytes; }
    std::size_t BytesReserved() const { return m_blocks.size() * kBlockBytes; }

private:
    static constexpr std::size_t kBlockBytes = std::size_t(1) << 20;
    static constexpr std::size_t kLargeBytes = 4096;

    char* Take(std::size_t bytes);

    std::vector<char*> m_blocks;
    char* m_next = nullptr;
    std::size_t m_left = 0;
    std::unordered_map<std::size_t, std::vector<char*>> m_reusable; // by bytes
    std::unordered_set<char*> m_large; // labels of a heap block of their own
};
