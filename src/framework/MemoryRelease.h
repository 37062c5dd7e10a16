// Freed memory back to the system once a document's contents are gone.
#pragma once

// The heap keeps what a closed document freed for later allocations, in
// blocks the system still counts as the process's own: after a large file
// gives way to a small one the process would stay at the large file's
// size. This hands the free pages back (glibc's malloc_trim).
void ReleaseFreedMemory();
