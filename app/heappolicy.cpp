#include "app/heappolicy.h"

#include <cstdlib> // defines __GLIBC__ where it applies

#ifdef __GLIBC__
#include <malloc.h>
#endif

void HeapPolicy::returnLargeBlocks()
{
#ifdef __GLIBC__
    // The library's own starting value, no longer raised as blocks are freed.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
}
