// Large zeroed blocks for stores of millions of small records (the tree
// control's nodes), aligned to their size. They are backed by huge pages
// where the system offers them, so that filling a store takes a page fault
// per 2 MiB instead of one per 4 KiB.
#pragma once

#include <cstddef>

// A zeroed block of `bytes` (a power of two, at least a page) aligned to
// `bytes`, or null when memory is exhausted. Without bHugePages it has
// small pages, for a block likely to stay nearly empty: a huge page is
// resident whole from its first byte written.
void* AllocateAlignedBlock(std::size_t bytes, bool bHugePages = true);
// Gives back a block of AllocateAlignedBlock with the same size.
void FreeAlignedBlock(void* block, std::size_t bytes);
namespace largeblocks {
// Set by SetAllocationGateForTest only.
inline bool (*g_allocationGate)() = nullptr;
} // namespace largeblocks

// Whether memory may be taken for a block or for a record in one: false
// only when a test stands in for exhausted memory (see TestHooks.h), and
// then the caller fails as it does when memory runs out. Inline: it is
// asked for every tree node.
inline bool MayAllocateRecord()
{
    return !largeblocks::g_allocationGate || largeblocks::g_allocationGate();
}
