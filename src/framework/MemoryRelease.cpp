#include "framework/MemoryRelease.h"

#include <malloc.h>

void ReleaseFreedMemory()
{
    malloc_trim(0);
}
