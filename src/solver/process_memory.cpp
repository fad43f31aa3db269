#include "solver/process_memory.h"

#if __has_include(<malloc.h>)
#include <malloc.h>
#endif

namespace solver {

void returnLargeBlocksWhenFreed() {
#if defined(__GLIBC__) && defined(M_MMAP_THRESHOLD)
    // The library's own starting threshold, now fixed.
    constexpr int kLargeBlockBytes = 128 * 1024;
    mallopt(M_MMAP_THRESHOLD, kLargeBlockBytes);
#endif
}

}  // namespace solver
