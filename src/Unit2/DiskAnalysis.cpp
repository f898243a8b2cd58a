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
    // The radius starts at half the width.
    fit = {static_cast<double>(picture.width() / 2), static_cast<double>(picture.height() / 2),
           static_cast<double>(picture.width() / 2)};
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
