// Makes one chosen allocation (through operator new, or of a tree node or
// its block) fail, for the tests of what the program does when memory runs
// out. Linked into the memory tests
// only: it replaces the global operator new and delete of that binary.
// Nothing changes until a test arms it. Only the allocations of the
// program's own code count (code in this executable, where the program's
// layers are linked): the toolkit's shared libraries are not written to
// survive a failed allocation (a Qt destructor that allocates while the
// exception passes terminates the process), so theirs are left alone.
#pragma once

#include <cstddef>

namespace failingallocation {

// The allocations counted since FailAt; counting stops.
std::size_t StopCounting();
// Counts the allocations from now on; the n-th (1 for the next one) throws
// std::bad_alloc (or gives null where nothrow was asked for), the ones
// after it succeed. 0: none fails.
void FailAt(std::size_t n);
// Whether the armed failure has happened.
bool HasFailed();

} // namespace failingallocation
