// Spreads independent rows of a picture operation over the processor's cores.
#pragma once

#include <cstddef>
#include <functional>

namespace varno {

// How many threads ForEachRowBand uses for a job of this many pixels: one for small
// pictures, where starting a thread costs more than it saves, else one per core.
int RowBandWorkers(std::size_t pixels);

// Calls work(first, last) for contiguous bands of rows that together cover [0, rows), the
// bands shared among RowBandWorkers threads (the calling one included), and returns when all
// are done. Bands must not write to the same memory, and work must not throw. Threads that
// cannot be started leave their share to the others.
void ForEachRowBand(int rows, std::size_t pixels, const std::function<void(int, int)>& work);

}  // namespace varno
