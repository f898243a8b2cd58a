// Spreads independent rows of a picture operation over the processor's cores.
#pragma once

#include <cstddef>
#include <functional>

namespace varno {

// How many threads ForEachRowBand uses for a job of this many pixels: one for small
// pictures, where starting a thread costs more than it saves, else one per core.
int RowBandWorkers(std::size_t pixels);

// Calls work(first, last) for contiguous bands of rows that together cover [0, rows), each
// band on its own thread, and returns when all are done. The bands must not write to the
// same memory. A thread that cannot be started leaves its band to the calling thread.
void ForEachRowBand(int rows, std::size_t pixels, const std::function<void(int, int)>& work);

}  // namespace varno
