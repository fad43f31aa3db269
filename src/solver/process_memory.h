#pragma once

namespace solver {

// The searches keep what they hold within their memory budget; this keeps
// the process that runs them near it too. The C library of most Linux
// systems raises its threshold for mapping a large block on its own each
// time one is freed (a table outgrown, a search let go), after which such
// blocks come from the heap, and what is freed there may stay with the
// process: a search at its 512 MB budget left the process at 546 MB. A fixed
// threshold hands every large block back to the system as it is freed.
// Called once, at the start of a program that runs searches.
void returnLargeBlocksWhenFreed();

}  // namespace solver
