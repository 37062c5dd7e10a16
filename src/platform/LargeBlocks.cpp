#include "platform/LargeBlocks.h"

#include "platform/TestHooks.h"

#include <sys/mman.h>

#include <cstdint>

void SetAllocationGateForTest(bool (*gate)())
{
    largeblocks::g_allocationGate = gate;
}

void* AllocateAlignedBlock(std::size_t bytes, bool bHugePages)
{
    if (!MayAllocateRecord())
        return nullptr;
    // Twice the size leaves room for an aligned block; the rest goes back.
    void* mapped = mmap(nullptr, 2 * bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        return nullptr;
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = (start + bytes - 1) & ~(std::uintptr_t{bytes} - 1);
    if (aligned > start)
        munmap(mapped, aligned - start);
    if (const std::uintptr_t tail = start + 2 * bytes - (aligned + bytes))
        munmap(reinterpret_cast<void*>(aligned + bytes), tail);
    auto* block = reinterpret_cast<void*>(aligned);
    // Only a hint: without transparent huge pages the block has small ones.
    if (bHugePages)
        madvise(block, bytes, MADV_HUGEPAGE);
    return block;
}

void FreeAlignedBlock(void* block, std::size_t bytes)
{
    if (block)
        munmap(block, bytes);
}
