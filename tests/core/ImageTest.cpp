// The picture type: reads outside, writes outside, and copies that share until written.
#include <gtest/gtest.h>

#include <stdexcept>

#include "Unit2/Image.h"

namespace varno {
namespace {

TEST(ImageTest, NewPictureHasItsSizeAndFill) {
    const Image picture(3, 2, 0x123456);
    EXPECT_EQ(picture.width(), 3);
    EXPECT_EQ(picture.height(), 2);
    EXPECT_EQ(picture.pixelCount(), 6u);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(picture.pixel(x, y), 0x123456) << x << "," << y;
        }
    }
}

TEST(ImageTest, ReadsOutsideYieldMinusOne) {
    const Image picture(4, 3, kWhite);
    for (const auto& [x, y] : {std::pair{-1, 0}, {0, -1}, {4, 0}, {0, 3}, {-100000, 5}}) {
        EXPECT_EQ(picture.pixel(x, y), kOutside) << x << "," << y;
    }
    EXPECT_EQ(Image().pixel(0, 0), kOutside);
}

TEST(ImageTest, WritesOutsideChangeNothing) {
    Image picture(2, 2, kBlack);
    const Image before = picture;
    picture.setPixel(2, 0, kWhite);
    picture.setPixel(0, -1, kWhite);
    EXPECT_EQ(picture, before);
}

TEST(ImageTest, RowMajorLayoutAndRows) {
    Image picture(3, 2);
    picture.setPixel(2, 1, 7);
    EXPECT_EQ(picture.pixels()[5], 7);
    EXPECT_EQ(picture.row(1)[2], 7);
    picture.mutableRow(0)[1] = 9;
    EXPECT_EQ(picture.pixel(1, 0), 9);
}

TEST(ImageTest, CopiesShareUntilOneIsWritten) {
    Image original(100, 100, kBlack);
    Image copy = original;
    EXPECT_TRUE(copy.sharesPixelsWith(original));

    copy.setPixel(5, 5, kWhite);
    EXPECT_FALSE(copy.sharesPixelsWith(original));
    EXPECT_EQ(original.pixel(5, 5), kBlack);
    EXPECT_EQ(copy.pixel(5, 5), kWhite);

    Image third = original;
    third.mutablePixels()[0] = kWhite;
    EXPECT_EQ(original.pixel(0, 0), kBlack);
    Image fourth = original;
    fourth.mutableRow(99)[99] = kWhite;
    EXPECT_EQ(original.pixel(99, 99), kBlack);
}

TEST(ImageTest, SoleOwnerWritesInPlace) {
    Image picture(10, 10);
    const PackedColour* before = picture.pixels().data();
    picture.setPixel(1, 1, kWhite);
    EXPECT_EQ(picture.pixels().data(), before);
}

TEST(ImageTest, EmptyPictures) {
    for (const auto& [w, h] : {std::pair{0, 0}, {0, 5}, {5, 0}}) {
        const Image picture(w, h);
        EXPECT_TRUE(picture.empty());
        EXPECT_EQ(picture.pixel(0, 0), kOutside);
        EXPECT_EQ(picture, Image(w, h));
    }
}

TEST(ImageTest, NegativeSizeIsRefused) {
    EXPECT_THROW(Image(-1, 4), std::invalid_argument);
    EXPECT_THROW(Image::Uninitialised(4, -1), std::invalid_argument);
}

TEST(ImageTest, EqualityComparesSizeAndEveryPixel) {
    Image a(2, 3, 1);
    Image b(2, 3, 1);
    EXPECT_EQ(a, b);
    b.setPixel(1, 2, 2);
    EXPECT_NE(a, b);
    EXPECT_NE(Image(2, 3, 1), Image(3, 2, 1));
}

}  // namespace
}  // namespace varno
