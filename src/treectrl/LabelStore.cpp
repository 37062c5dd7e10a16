#include "treectrl/LabelStore.h"

#include <cstdlib>
#include <cstring>
#include <new>

LabelStore::~LabelStore()
{
    Reset();
}

char* LabelStore::Take(std::size_t bytes)
{
    if (bytes > kLargeBytes) {
        auto* p = static_cast<char*>(std::malloc(bytes));
        if (!p)
            return nullptr;
        try {
            m_large.insert(p);
        } catch (const std::bad_alloc&) {
            std::free(p);
            return nullptr;
        }
        return p;
    }
    auto reuse = m_reusable.find(bytes);
    if (reuse != m_reusable.end() && !reuse->second.empty()) {
        char* p = reuse->second.back();
        reuse->second.pop_back();
        return p;
    }
    if (m_left < bytes) {
        auto* block = static_cast<char*>(std::malloc(kBlockBytes));
        if (!block)
            return nullptr;
        m_blocks.push_back(block);
        m_next = block;
        m_left = kBlockBytes;
    }
    char* p = m_next;
    m_next += bytes;
    m_left -= bytes;
    return p;
}

char* LabelStore::Copy(const char* text, std::size_t length)
{
    char* p = Take(length + 1);
    if (!p)
        return nullptr;
    std::memcpy(p, text, length);
    p[length] = '\0';
    return p;
}

void LabelStore::Free(char* label, std::size_t length)
{
    if (!label)
        return;
    if (IsLarge(length)) {
        m_large.erase(label);
        std::free(label);
        return;
    }
    // Freeing must not fail half-way through a deletion: a label that
    // cannot be listed for reuse stays unused until its block goes.
    try {
        m_reusable[length + 1].push_back(label);
    } catch (const std::bad_alloc&) {
    }
}

void LabelStore::Reset()
{
    for (char* block : m_blocks)
        std::free(block);
    m_blocks.clear();
    for (char* label : m_large)
        std::free(label);
    m_large.clear();
    m_reusable.clear();
    m_next = nullptr;
    m_left = 0;
}
