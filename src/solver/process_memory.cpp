#include "solver/process_memory.h"

#if __has_include(<malloc.h>)
#include <malloc.h>
#endif

namespace solver {

void handBackFreedMemory() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

}  // namespace solver
