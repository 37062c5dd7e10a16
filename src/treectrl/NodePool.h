// Storage of the nodes of one tree: 2 MiB chunks aligned to their size (see
// TreeNode.h), on huge pages but for the first (the root's, all that small
// trees use), bump allocation with a free list for reuse, and the check that
// a handle names a live node of this tree.
#pragma once

#include "treectrl/TreeNode.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class NodePool {
public:
    NodePool();
    ~NodePool();
    NodePool(const NodePool&) = delete;
    NodePool& operator=(const NodePool&) = delete;

    // The tree's root pseudo-node: the first node of the first chunk, kept
    // across Reset.
    TreeNode& Root() { return *m_root; }

    // A zeroed node, or null when memory is exhausted.
    TreeNode* Allocate();
    void Free(TreeNode* node);
    // Drops every node but the root at once (after all items were freed).
    void Reset();

    // The live item node at this address, or null when the address is no
    // item of this pool (foreign, freed, the root, or not a node at all).
    TreeNode* Find(const void* address) const;

    std::size_t BytesReserved() const { return m_chunks.size() * nodepool::kChunkBytes; }

private:
    bool AddChunk();
    // The next unused slot of the current chunk, which has one.
    TreeNode* TakeSlot();
    void ReleaseChunk(std::uintptr_t base);

    std::vector<std::uintptr_t> m_chunks; // chunk bases, sorted
    nodepool::ChunkHeader* m_current = nullptr;
    std::uint32_t m_freeList = 0; // index of the first free node, linked by pNext
    TreeNode* m_root = nullptr;
};
