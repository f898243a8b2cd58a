// Copy-on-write pixel store of the picture type.
#include "Unit2/Image.h"

#include <algorithm>
#include <stdexcept>

namespace varno {
namespace {

std::shared_ptr<PackedColour[]> AllocatePixels(int width, int height) {
    if (width < 0 || height < 0) {
        throw std::invalid_argument("A picture cannot have a negative size");
    }
    const auto count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (count == 0) {
        return nullptr;
    }
    // make_unique_for_overwrite leaves the pixels unset: the caller fills them.
    return std::shared_ptr<PackedColour[]>(std::make_unique_for_overwrite<PackedColour[]>(count));
}

}  // namespace

Image::Image(int width, int height, PackedColour fill)
    : Image(width, height, AllocatePixels(width, height)) {
    std::fill_n(pixels_.get(), pixelCount(), fill);
}

Image Image::Uninitialised(int width, int height) {
    return Image(width, height, AllocatePixels(width, height));
}

void Image::setPixel(int x, int y, PackedColour colour) {
    if (!contains(x, y)) {
        return;
    }
    Detach();
    pixels_[Index(x, y)] = colour;
}

std::span<PackedColour> Image::mutableRow(int y) {
    Detach();
    return {pixels_.get() + Index(0, y), static_cast<std::size_t>(width_)};
}

std::span<PackedColour> Image::mutablePixels() {
    Detach();
    return {pixels_.get(), pixelCount()};
}

void Image::Detach() {
    if (pixels_ == nullptr || pixels_.use_count() == 1) {
        return;
    }
    auto own = AllocatePixels(width_, height_);
    std::copy_n(pixels_.get(), pixelCount(), own.get());
    pixels_ = std::move(own);
}

bool operator==(const Image& a, const Image& b) noexcept {
    if (a.width_ != b.width_ || a.height_ != b.height_) {
        return false;
    }
    return a.pixels_ == b.pixels_ ||
           std::equal(a.pixels().begin(), a.pixels().end(), b.pixels().begin());
}

}  // namespace varno
