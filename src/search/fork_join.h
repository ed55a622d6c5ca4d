#pragma once
// The one way the search code uses more than one core: a fork-join inside a scan of the index or
// a load of it. The work is cut into parts; the calling thread and helper threads (one fewer than
// the cores, up to kMaxParts cores) each take the next part not yet taken, and the call returns
// when every part has ended. Parts touch no window. The helpers are started once and live for
// the process, so no call waits for a thread to start.

#include <functional>

namespace vl {

// The most cores a fork-join uses.
constexpr unsigned kMaxParts = 8;

// The cores a fork-join uses on this machine (1 to kMaxParts).
unsigned CoreCount();

// Starts the helpers for up to threads cores now, so that the first fork-join finds them ready.
// A helper that cannot be had (no room for its stack) leaves the work to the others.
void StartHelpers(unsigned threads);

// Runs part(0) .. part(parts - 1) on the calling thread and up to threads - 1 helpers, and
// rethrows the first exception of a part (in part order) once all have ended. The caller takes
// parts like any helper and waits only for parts already under way, so a helper that the system
// does not run (another process holds its core) costs at most the part it holds.
void ForkJoin(unsigned parts, unsigned threads, const std::function<void(unsigned)>& part);

}  // namespace vl
