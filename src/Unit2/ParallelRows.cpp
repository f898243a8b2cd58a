// Row bands on threads: the rows of a turn or a resampling do not depend on each other.
#include "Unit2/ParallelRows.h"

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>
#include <vector>

namespace varno {
namespace {

// Below about a megapixel the work takes well under a millisecond per core.
constexpr std::size_t kPixelsWorthAThread = std::size_t{1} << 20;

// Bands are handed out a few at a time to whichever thread is free, so that a core busy with
// another program delays only its own bands. Their heights are whole multiples of the tile
// height of the callers' loops.
constexpr int kBandsPerWorker = 8;
constexpr int kBandAlignment = 32;

}  // namespace

int RowBandWorkers(std::size_t pixels) {
    if (pixels < kPixelsWorthAThread) {
        return 1;
    }
    const unsigned cores = std::thread::hardware_concurrency();
    return static_cast<int>(std::clamp(cores, 1u, 64u));
}

void ForEachRowBand(int rows, std::size_t pixels, const std::function<void(int, int)>& work) {
    if (rows <= 0) {
        return;
    }
    const int workers = RowBandWorkers(pixels);
    if (workers == 1) {
        work(0, rows);
        return;
    }
    const int wanted = std::max(1, rows / (workers * kBandsPerWorker));
    const int bandHeight = (wanted + kBandAlignment - 1) / kBandAlignment * kBandAlignment;
    std::atomic<int> nextRow{0};
    const auto takeBands = [&] {
        for (;;) {
            const int first = nextRow.fetch_add(bandHeight, std::memory_order_relaxed);
            if (first >= rows) {
                return;
            }
            work(first, std::min(rows - first, bandHeight) + first);
        }
    };
    std::vector<std::jthread> helpers;
    helpers.reserve(static_cast<std::size_t>(workers - 1));
    for (int helper = 1; helper < workers; ++helper) {
        try {
            helpers.emplace_back(takeBands);
        } catch (const std::system_error&) {
            break;  // the threads already started and this one share the bands
        }
    }
    takeBands();
    // The jthreads join as the vector goes out of scope.
}

}  // namespace varno
