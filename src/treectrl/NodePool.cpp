#include "treectrl/NodePool.h"

#include "platform/LargeBlocks.h"

#include <algorithm>
#include <cassert>
#include <new>

namespace nodepool {

std::uintptr_t g_chunkSlots[kMaxChunks];

namespace {

// Chunk numbers are shared by all trees of the process (single UI thread).
std::vector<std::uint32_t> g_freeNumbers;
std::uint32_t g_nextNumber = 1;

std::uint32_t TakeNumber()
{
    if (!g_freeNumbers.empty()) {
        const std::uint32_t n = g_freeNumbers.back();
        g_freeNumbers.pop_back();
        return n;
    }
    return g_nextNumber < kMaxChunks ? g_nextNumber++ : 0;
}

} // namespace
} // namespace nodepool

using namespace nodepool;

NodePool::NodePool()
{
    // Without its root a tree cannot exist: making the tree fails.
    if (!AddChunk())
        throw std::bad_alloc();
    m_root = TakeSlot();
}

NodePool::~NodePool()
{
    while (!m_chunks.empty())
        ReleaseChunk(m_chunks.back());
}

bool NodePool::AddChunk()
{
    try {
        m_chunks.reserve(m_chunks.size() + 1);
    } catch (const std::bad_alloc&) {
        return false;
    }
    const std::uint32_t number = TakeNumber();
    if (!number)
        return false;
    // The first chunk, the root's, is all that most trees ever use (the
    // lower tree, a dialog's): small pages keep it to the pages it fills.
    void* block = AllocateAlignedBlock(kChunkBytes, !m_chunks.empty());
    if (!block) {
        g_freeNumbers.push_back(number);
        return false;
    }
    const auto base = reinterpret_cast<std::uintptr_t>(block);
    m_current = new (block) ChunkHeader{number, 0};
    g_chunkSlots[number] = base + kHeaderBytes;
    m_chunks.insert(std::upper_bound(m_chunks.begin(), m_chunks.end(), base), base);
    return true;
}

void NodePool::ReleaseChunk(std::uintptr_t base)
{
    auto* header = reinterpret_cast<ChunkHeader*>(base);
    g_chunkSlots[header->number] = 0;
    g_freeNumbers.push_back(header->number);
    m_chunks.erase(std::lower_bound(m_chunks.begin(), m_chunks.end(), base));
    if (m_current == header)
        m_current = nullptr;
    FreeAlignedBlock(reinterpret_cast<void*>(base), kChunkBytes);
}

TreeNode* NodePool::Allocate()
{
    if (!MayAllocateRecord())
        return nullptr;
    if (m_freeList) {
        TreeNode* node = NodeLink::NodeAt(m_freeList);
        assert(!node->pParent && !node->pFirstChild && node != m_root);
        m_freeList = NodeLink::IndexOf(node->pNext);
        node->pNext = nullptr;
        return node;
    }
    if (!m_current || m_current->used == kNodesPerChunk) {
        if (!AddChunk())
            return nullptr;
    }
    return TakeSlot();
}

TreeNode* NodePool::TakeSlot()
{
    const std::uint32_t slot = m_current->used++;
    void* place = reinterpret_cast<char*>(m_current) + kHeaderBytes + slot * sizeof(TreeNode);
    return new (place) TreeNode();
}

void NodePool::Free(TreeNode* node)
{
    // A zero parent marks the slot as free (Find relies on it).
    assert(Find(node) == node);
    node->~TreeNode();
    new (node) TreeNode();
    node->pNext = NodeLink::NodeAt(m_freeList);
    m_freeList = NodeLink::IndexOf(node);
}

void NodePool::Reset()
{
    const auto rootBase = reinterpret_cast<std::uintptr_t>(m_root) & ~(kChunkBytes - 1);
    for (std::size_t i = m_chunks.size(); i-- > 0;) {
        if (m_chunks[i] != rootBase)
            ReleaseChunk(m_chunks[i]);
    }
    m_current = reinterpret_cast<ChunkHeader*>(rootBase);
    m_current->used = 1; // the root is slot 0
    m_freeList = 0;
}

TreeNode* NodePool::Find(const void* address) const
{
    const auto a = reinterpret_cast<std::uintptr_t>(address);
    const std::uintptr_t base = a & ~(kChunkBytes - 1);
    if (!std::binary_search(m_chunks.begin(), m_chunks.end(), base))
        return nullptr;
    const std::uintptr_t offset = a - base;
    if (offset < kHeaderBytes || (offset - kHeaderBytes) % sizeof(TreeNode) != 0)
        return nullptr;
    const auto* header = reinterpret_cast<const ChunkHeader*>(base);
    if ((offset - kHeaderBytes) / sizeof(TreeNode) >= header->used)
        return nullptr;
    auto* node = reinterpret_cast<TreeNode*>(a);
    return node->pParent ? node : nullptr;
}
