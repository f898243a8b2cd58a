// The inner loops of ResampleRotation: one span of result pixels on one row at a time, in a
// plain version and versions for processors with AVX2 and AVX-512. All give the same pixels.
#pragma once

#include "Unit2/PackedColour.h"

namespace varno::resampling {

struct SourcePicture {
    const PackedColour* pixels = nullptr;
    int width = 0;
    int height = 0;
    PackedColour fill = 0;  // the picture's pixel (0, 0)
};

// count result pixels out[0 .. count - 1] whose source positions are
// xs = columnX[k] + rowX and ys = rowY - columnY[k].
struct Span {
    const double* columnX = nullptr;
    const double* columnY = nullptr;
    double rowX = 0.0;
    double rowY = 0.0;
    PackedColour* out = nullptr;
    int count = 0;
};

void NearestSpan(const SourcePicture& source, const Span& span);
void BilinearSpan(const SourcePicture& source, const Span& span);

// Whether the AVX2 spans may run here: the processor has AVX2 and every pixel index of the
// picture fits the 32-bit lanes of its gathers.
bool CanUseAvx2(const SourcePicture& source);
void NearestSpanAvx2(const SourcePicture& source, const Span& span);
void BilinearSpanAvx2(const SourcePicture& source, const Span& span);

// Whether the AVX-512 spans may run here: AVX-512 F and VL, and what CanUseAvx2 asks.
bool CanUseAvx512(const SourcePicture& source);
void NearestSpanAvx512(const SourcePicture& source, const Span& span);
void BilinearSpanAvx512(const SourcePicture& source, const Span& span);

}  // namespace varno::resampling
