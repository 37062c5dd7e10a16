#include "memory/FailingAllocation.h"

#include "platform/TestHooks.h"

#include <cstdlib>
#include <new>

namespace {

// Single-threaded tests; Qt's own threads (none on the offscreen platform
// during these tests) would only add to the count.
bool g_bCounting = false;
std::size_t g_nCount = 0;
std::size_t g_nFailAt = 0;
bool g_bFailed = false;

// The code of this executable (GNU ld's symbols).
extern "C" char __executable_start;
extern "C" char __etext;

bool CountAndFail()
{
    if (!g_bCounting || ++g_nCount != g_nFailAt)
        return false;
    g_bFailed = true;
    g_bCounting = false;
    return true;
}

bool ShouldFail(const void* pCaller)
{
    return pCaller >= static_cast<const void*>(&__executable_start)
        && pCaller < static_cast<const void*>(&__etext) && CountAndFail();
}

// The tree nodes' blocks and the nodes in them count as allocations too.
bool LetThrough()
{
    return !CountAndFail();
}

void* Allocate(std::size_t nSize, const void* pCaller)
{
    if (ShouldFail(pCaller))
        return nullptr;
    return std::malloc(nSize == 0 ? 1 : nSize);
}

void* AllocateOrThrow(std::size_t nSize, const void* pCaller)
{
    void* p = Allocate(nSize, pCaller);
    if (!p)
        throw std::bad_alloc();
    return p;
}

} // namespace

namespace failingallocation {

std::size_t StopCounting()
{
    g_bCounting = false;
    return g_nCount;
}

void FailAt(std::size_t n)
{
    g_nCount = 0;
    g_nFailAt = n;
    g_bFailed = false;
    g_bCounting = true;
    SetAllocationGateForTest(&LetThrough);
}

bool HasFailed()
{
    return g_bFailed;
}

} // namespace failingallocation

// The forms the program uses, each new with its deletes: under the address
// sanitizer the library's delete is the sanitizer's, which refuses memory
// from malloc. Aligned new (the program uses none) stays the library's,
// with its deletes.
void* operator new(std::size_t n)
{
    return AllocateOrThrow(n, __builtin_return_address(0));
}
void* operator new[](std::size_t n)
{
    return AllocateOrThrow(n, __builtin_return_address(0));
}
void* operator new(std::size_t n, const std::nothrow_t&) noexcept
{
    return Allocate(n, __builtin_return_address(0));
}
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept
{
    return Allocate(n, __builtin_return_address(0));
}
void operator delete(void* p) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}
void operator delete[](void* p) noexcept
{
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept
{
    std::free(p);
}
