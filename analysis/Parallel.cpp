#include "analysis/Parallel.h"

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>
#include <vector>

void Bloecke_verteilen(int Bloecke, bool parallel, const std::function<void(int Block)>& Arbeit)
{
    std::atomic<int> naechster{0};
    auto arbeiten = [&] {
        for (int b = naechster++; b < Bloecke; b = naechster++) Arbeit(b);
    };

    // At most eight threads, and none more than there are blocks: a helper without a block
    // would only cost its start.
    const unsigned kerne = parallel ? std::max(1u, std::thread::hardware_concurrency()) : 1u;
    const unsigned threads = std::min({kerne, 8u, static_cast<unsigned>(std::max(Bloecke, 1))});
    std::vector<std::thread> helfer;
    for (unsigned i = 1; i < threads; ++i) {
        try {
            helfer.emplace_back(arbeiten);
        } catch (const std::system_error&) {
            break;  // no thread to spare: the calling thread does the rest
        }
    }
    arbeiten();
    for (std::thread& t : helfer) t.join();
}
