// Row bands on threads: the rows of a turn or a resampling do not depend on each other.
#include "Unit2/ParallelRows.h"

#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

namespace varno {
namespace {

// Below about a megapixel the work takes well under a millisecond per core.
constexpr std::size_t kPixelsWorthAThread = std::size_t{1} << 20;

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
    const int bands = std::min(RowBandWorkers(pixels), rows);
    std::vector<std::jthread> helpers;
    helpers.reserve(static_cast<std::size_t>(bands));
    for (int band = 1; band < bands; ++band) {
        const int first = static_cast<int>(static_cast<long long>(rows) * band / bands);
        const int last = static_cast<int>(static_cast<long long>(rows) * (band + 1) / bands);
        try {
            helpers.emplace_back(work, first, last);
        } catch (const std::system_error&) {
            work(first, last);
        }
    }
    work(0, static_cast<int>(static_cast<long long>(rows) / bands));
    // The jthreads join as the vector goes out of scope.
}

}  // namespace varno
