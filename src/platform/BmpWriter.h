// Saving a picture as an uncompressed 24-bit Windows bitmap, replacing the file atomically.
#pragma once

#include <QString>

#include "Unit2/Image.h"

namespace varno {

// Writes the picture to fileName as a BMP file of 24 bits per pixel, bottom row first. The
// file is written beside the target under a temporary name and renamed over it only when
// complete, so a failure leaves a former file as it was and no temporary file behind.
// Throws Failure("Cannot create file " + fileName) when the file cannot be created or written,
// and for a picture without pixels, which a bitmap file cannot hold.
void SaveBmp(const Image& picture, const QString& fileName);

}  // namespace varno
