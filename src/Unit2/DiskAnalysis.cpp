// FindSolarDisk: limb search, then circle fit, on a picture or on its grey version.
#include "Unit2/DiskAnalysis.h"

#include "Unit2/CircleFit.h"
#include "Unit2/LimbSearch.h"
#include "Unit2/Tone.h"

namespace varno {
namespace {

// A coloured picture is read as ConvertToGrey would leave it, pixel by pixel: the analysis
// reads a small part of a large picture, so converting all of it would be wasted.
struct AsGrey {
    PackedColour operator()(PackedColour value) const { return GreyOf(value); }
};

template <class Tone>
bool Analyse(const Image& picture, Tone tone, EdgeTable& table, DiskFit& fit) {
    // Whole-pixel halves of the size, truncated; the radius starts at half the width.
    const int halfWidth = picture.width() / 2;
    const int halfHeight = picture.height() / 2;
    fit = {static_cast<double>(halfWidth), static_cast<double>(halfHeight),
           static_cast<double>(halfWidth)};
    LimbSearchTables tables = SearchLimb(picture, tone);
    const bool found = FitWithRejection(tables, fit);
    table = tables.Edges;
    return found;
}

}  // namespace

bool FindSolarDisk(const Image& picture, EdgeTable& table, DiskFit& fit) {
    return Analyse(picture, AsStored{}, table, fit);
}

bool FindSolarDiskInGrey(const Image& picture, EdgeTable& table, DiskFit& fit) {
    return Analyse(picture, AsGrey{}, table, fit);
}

}  // namespace varno
