#pragma once

namespace solver {

// The searches keep what they hold within their memory budget; this keeps
// the process that runs them near it too. When one of the two verdict
// searches is let go, the other goes on growing, and the C library of most
// Linux systems keeps much of what the first one freed: a search at its
// 512 MB budget left the process at 546 MB. This hands the free memory back
// to the system. It is called only where one search lets go of its states
// while the other goes on: memory handed back costs fresh pages when it is
// taken again, which a search that ends the race need not pay.
void handBackFreedMemory();

}  // namespace solver
