// The tone test's five samples, the grey conversion to the last bit, and HexPairValue.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Unit2/Tone.h"

namespace varno {
namespace {

// The conversion as specified: three double weights, products and sums with a 64-bit mantissa.
int ExtendedGreyLevel(int red, int green, int blue) {
    const long double g =
        (static_cast<long double>(red) * 0.299 + static_cast<long double>(green) * 0.587) +
        static_cast<long double>(blue) * 0.114;
    return static_cast<int>(g);
}

TEST(GreyOfTest, EqualsTheExtendedPrecisionLevelForEveryColour) {
    // Every one of the 2^24 colours, once through GreyOf and once through the (vectorised,
    // threaded) conversion of a 4096 x 4096 picture that holds each colour once.
    Image everyColour(4096, 4096);
    const auto pixels = everyColour.mutablePixels();
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = static_cast<PackedColour>(i);
    }
    ConvertToGrey(everyColour);
    int mismatches = 0;
    for (int colour = 0; colour <= 0xFFFFFF; ++colour) {
        const PackedColour expected =
            colour == kBlack || colour == kWhite
                ? colour
                : GreyPixel(ExtendedGreyLevel(RedOf(colour), GreenOf(colour), BlueOf(colour)));
        const PackedColour converted = everyColour.pixels()[static_cast<std::size_t>(colour)];
        if ((GreyOf(colour) != expected || converted != expected) && ++mismatches < 10) {
            ADD_FAILURE() << std::hex << "colour " << colour << ": expected " << expected
                          << ", GreyOf " << GreyOf(colour) << ", ConvertToGrey " << converted;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(GreyOfTest, WorkedExamples) {
    struct Case {
        PackedColour colour;
        int level;
    };
    for (const Case c : {Case{0x0080FF, 151},
                         {0x3264C8, 124},
                         {GreyPixel(128), 127},
                         {GreyPixel(1), 0},
                         {GreyPixel(254), 253},
                         {0x0000FF, 76}}) {
        EXPECT_EQ(GreyOf(c.colour), GreyPixel(c.level)) << std::hex << c.colour;
    }
}

TEST(GreyOfTest, DoublePrecisionWouldKeepSomeLevels) {
    // Why the extended evaluation matters: in doubles some greys keep their level.
    int keptInDoubles = 0;
    for (int v = 1; v < 255; ++v) {
        const double g = (v * 0.299 + v * 0.587) + v * 0.114;
        keptInDoubles += static_cast<int>(g) == v ? 1 : 0;
        EXPECT_EQ(GreyOf(GreyPixel(v)), GreyPixel(v - 1)) << v;
    }
    EXPECT_GT(keptInDoubles, 0);
}

TEST(ConvertToGreyTest, RewritesEveryPixelAndKeepsBlackAndWhite) {
    // Large enough to be split between threads.
    Image picture(1500, 800, 0x3264C8);
    picture.setPixel(0, 0, kBlack);
    picture.setPixel(1499, 799, kWhite);
    picture.setPixel(750, 400, 0x0080FF);
    const Image original = picture;
    ConvertToGrey(picture);
    EXPECT_EQ(picture.pixel(0, 0), kBlack);
    EXPECT_EQ(picture.pixel(1499, 799), kWhite);
    EXPECT_EQ(picture.pixel(750, 400), GreyPixel(151));
    EXPECT_EQ(picture.pixel(1, 0), GreyPixel(124));
    EXPECT_EQ(picture.pixel(749, 400), GreyPixel(124));
    EXPECT_EQ(picture.pixel(1498, 799), GreyPixel(124));
    EXPECT_EQ(original.pixel(1, 0), 0x3264C8);  // a copy shared before is not touched
}

TEST(IsColourImageTest, SamplesAreTakenFromTheWidthAlone) {
    struct Case {
        std::string name;
        int width;
        int height;
        std::vector<std::pair<int, int>> colouredAt;
        bool expected;
    };
    const std::vector<Case> cases = {
        {"grey picture", 400, 400, {}, false},
        {"centre coloured", 400, 400, {{200, 200}}, true},
        {"coloured away from the samples", 400, 400, {{10, 10}, {390, 200}, {200, 101}}, false},
        {"(3W) div 4 of 802 is 601", 802, 802, {{601, 401}}, true},
        {"3 x (W div 4) of 802 is 600: not a sample", 802, 802, {{600, 401}}, false},
        {"600 x 800 uses (300, 150) not its quarter height", 600, 800, {{300, 150}}, true},
        {"600 x 800 quarter height 200 is no sample", 600, 800, {{300, 200}}, false},
        {"800 x 600: (400, 600) lies outside", 800, 600, {{400, 599}}, false},
        {"800 x 600: (400, 200) is inside", 800, 600, {{400, 200}}, true},
    };
    for (const Case& c : cases) {
        Image picture(c.width, c.height, GreyPixel(90));
        for (const auto& [x, y] : c.colouredAt) {
            picture.setPixel(x, y, 0x0080FF);
        }
        EXPECT_EQ(IsColourImage(picture), c.expected) << c.name;
    }
}

TEST(IsColourImageTest, ColouredMeansBlueDiffersFromGreenAndGreenFromRed) {
    struct Case {
        PackedColour colour;
        bool coloured;
    };
    for (const Case c : {Case{0x0000FF, false},
                         {0xFF0000, false},
                         {0x0080FF, true},
                         {0x408040, true},
                         {0x404080, false},
                         {0x804040, false},
                         {GreyPixel(77), false}}) {
        EXPECT_EQ(IsColourImage(Image(40, 40, c.colour)), c.coloured) << std::hex << c.colour;
    }
    EXPECT_FALSE(IsColourImage(Image(0, 0)));
}

TEST(HexPairValueTest, UpperCaseHexadecimalPairs) {
    struct Case {
        const char* text;
        int value;
    };
    for (const Case c : {Case{"FF", 255},
                         {"0A", 10},
                         {"A0", 160},
                         {"09", 9},
                         {"00", 0},
                         {"7F", 127},
                         {"C3", 195}}) {
        EXPECT_EQ(HexPairValue(c.text), c.value) << c.text;
    }
}

}  // namespace
}  // namespace varno
