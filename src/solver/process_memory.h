#pragma once

namespace solver {

// The searches keep what they hold within their memory budget; this keeps
// the process that runs them near it too. When one of the two verdict
// searches is let go, the other goes on growing, and the C library of most
// Linux systems keeps much of what the first one freed: a search at its
// 512 MB budget left the process at 546 MB. This hands the free memory back
// to the system; it is called only where a search has just let go of its
// states, since it costs a walk over the free memory.
void handBackFreedMemory();

}  // namespace solver
