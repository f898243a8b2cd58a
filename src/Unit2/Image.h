// The one picture type of the program: a grid of packed colours, shared until written.
#pragma once

#include <cstddef>
#include <memory>
#include <span>

#include "Unit2/PackedColour.h"

namespace varno {

// Width x height packed colours 0x00BBGGRR in row-major order, pixel (0, 0) at the top left.
// Copies share their pixels until one of them is written (copy-on-write), so the program can
// keep several pictures that are often identical without paying for them.
class Image {
  public:
    Image() = default;
    // A picture of the given size filled with one colour; sizes must not be negative.
    Image(int width, int height, PackedColour fill = kBlack);

    // A picture whose pixels are not set: for decoders that write every pixel themselves.
    static Image Uninitialised(int width, int height);

    int width() const noexcept { return width_; }
    int height() const noexcept { return height_; }
    bool empty() const noexcept { return width_ == 0 || height_ == 0; }
    std::size_t pixelCount() const noexcept {
        return static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
    }
    bool contains(int x, int y) const noexcept {
        return x >= 0 && y >= 0 && x < width_ && y < height_;
    }

    // -1 outside the picture.
    PackedColour pixel(int x, int y) const noexcept {
        return contains(x, y) ? pixels_[Index(x, y)] : kOutside;
    }
    // A hint that pixel (x, y) will be read soon: lets walks across rows overlap their
    // cache misses. Does nothing outside the picture.
    void prefetch(int x, int y) const noexcept {
        if (contains(x, y)) {
            __builtin_prefetch(pixels_.get() + Index(x, y));
        }
    }
    // A write outside the picture does nothing.
    void setPixel(int x, int y, PackedColour colour);

    std::span<const PackedColour> row(int y) const noexcept {
        return {pixels_.get() + Index(0, y), static_cast<std::size_t>(width_)};
    }
    std::span<PackedColour> mutableRow(int y);
    std::span<const PackedColour> pixels() const noexcept { return {pixels_.get(), pixelCount()}; }
    std::span<PackedColour> mutablePixels();

    // True when both share one pixel store (no copy has been written since they were copied).
    bool sharesPixelsWith(const Image& other) const noexcept {
        return pixels_ != nullptr && pixels_ == other.pixels_;
    }

    friend bool operator==(const Image& a, const Image& b) noexcept;

  private:
    Image(int width, int height, std::shared_ptr<PackedColour[]> pixels)
        : width_(width), height_(height), pixels_(std::move(pixels)) {}
    std::size_t Index(int x, int y) const noexcept {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }
    // Gives this picture a store of its own before it is written.
    void Detach();

    int width_ = 0;
    int height_ = 0;
    std::shared_ptr<PackedColour[]> pixels_;
};

}  // namespace varno
