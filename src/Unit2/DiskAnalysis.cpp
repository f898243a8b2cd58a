// FindSolarDisk: limb search, then circle fit, on a picture or on its grey version.
#include "Unit2/DiskAnalysis.h"

#include "Unit2/CircleFit.h"
#include "Unit2/LimbSearch.h"
#include "Unit2/Tone.h"

namespace varno {
namespace {

// A coloured picture read as ConvertToGrey would leave it, pixel by pixel: the analysis
// reads a small part of a large picture, so converting all of it would be wasted.
class GreyView {
  public:
    explicit GreyView(const Image& picture) : picture_(picture) {}
    int width() const { return picture_.width(); }
    int height() const { return picture_.height(); }
    PackedColour pixel(int x, int y) const {
        return picture_.contains(x, y) ? GreyOf(picture_.pixel(x, y)) : kOutside;
    }
    void prefetch(int x, int y) const { picture_.prefetch(x, y); }

  private:
    const Image& picture_;
};

template <PixelSource Picture>
bool Analyse(const Picture& picture, EdgeTable& table, DiskFit& fit) {
    // The radius starts at half the width.
    fit = {static_cast<double>(picture.width() / 2), static_cast<double>(picture.height() / 2),
           static_cast<double>(picture.width() / 2)};
    LimbSearchTables tables = SearchLimb(picture);
    const bool found = FitWithRejection(tables, fit);
    table = tables.Edges;
    return found;
}

}  // namespace

bool FindSolarDisk(const Image& picture, EdgeTable& table, DiskFit& fit) {
    return Analyse(picture, table, fit);
}

bool FindSolarDiskInGrey(const Image& picture, EdgeTable& table, DiskFit& fit) {
    return Analyse(GreyView(picture), table, fit);
}

}  // namespace varno
