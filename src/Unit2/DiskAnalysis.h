// FindSolarDisk: the limb search along 360 rays and the circle fit with outlier rejection.
#pragma once

#include "Unit2/DiskTypes.h"
#include "Unit2/Image.h"

namespace varno {

// Searches the limb of the solar disk in the picture and fits a circle to it, overwriting
// table and fit. Returns whether an edge point was left after the fit; when none was, the
// table holds only (0, 0, EdgeNone) entries and the fit its last finite values. Shows nothing.
bool FindSolarDisk(const Image& picture, EdgeTable& table, DiskFit& fit);

// The same analysis of the grey version of a coloured picture (the picture after
// ConvertToGrey), reading only the pixels it needs instead of converting all of them.
bool FindSolarDiskInGrey(const Image& picture, EdgeTable& table, DiskFit& fit);

}  // namespace varno
