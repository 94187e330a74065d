#pragma once
// Sharing independent work out over the cores.

#include <functional>

// Calls Arbeit(b) exactly once for every block b = 0..Bloecke-1 and returns when all calls
// are done. With `parallel` the calls are shared between the calling thread and up to seven
// helper threads, which take the next block from a common counter, so the order and the
// thread of each call are not fixed; without it, or when no thread can be started, the
// calling thread makes them all in order. The result is the same either way only if every
// call reads what no call writes and writes only what belongs to its own block: the callers
// guarantee that. Arbeit must not throw.
void Bloecke_verteilen(int Bloecke, bool parallel, const std::function<void(int Block)>& Arbeit);
