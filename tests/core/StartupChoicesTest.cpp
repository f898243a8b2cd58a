// The choices start-up makes from stored settings: rotation button, screen item, colour words,
// and the error box's full stop.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Unit2/ColourWords.h"
#include "Unit2/ErrorMessage.h"
#include "Unit2/RotationPresets.h"
#include "Unit2/ScreenPresets.h"

namespace varno {
namespace {

struct RotationCase {
    bool flip;
    bool mirror;
    double angle;
    std::optional<RotationPreset> expected;
};

TEST(StartupRotationPresetTest, FlipThenMirrorThenExactAngles) {
    const double nextAbove90 = std::nextafter(90.0, 100.0);
    const RotationCase cases[] = {
        {true, false, 45.0, RotationPreset::Flip},
        {false, true, 90.0, RotationPreset::Mirror},
        {true, true, 0.0, RotationPreset::Mirror},  // mirror clears flip
        {false, false, 0.0, RotationPreset::NoTurn},
        {false, false, -0.0, RotationPreset::NoTurn},
        {false, false, 90.0, RotationPreset::QuarterTurn},
        {false, false, -90.0, RotationPreset::QuarterTurnBack},
        {false, false, 180.0, RotationPreset::HalfTurn},
        {false, false, -180.0, RotationPreset::HalfTurn},
        {false, false, 45.0, std::nullopt},
        {false, false, 270.0, std::nullopt},
        {false, false, nextAbove90, std::nullopt},
        {false, false, std::numeric_limits<double>::quiet_NaN(), std::nullopt},
    };
    for (const RotationCase& c : cases) {
        EXPECT_EQ(StartupRotationPreset(c.flip, c.mirror, c.angle), c.expected)
            << "flip " << c.flip << " mirror " << c.mirror << " angle " << c.angle;
    }
}

TEST(PresetAngleTest, ModesGiveZeroAndPresetsTheirAngles) {
    EXPECT_EQ(PresetAngle(RotationPreset::Flip), 0.0);
    EXPECT_EQ(PresetAngle(RotationPreset::Mirror), 0.0);
    EXPECT_EQ(PresetAngle(RotationPreset::HalfTurn), 180.0);
    EXPECT_EQ(PresetAngle(RotationPreset::QuarterTurnBack), -90.0);
    EXPECT_EQ(PresetAngle(RotationPreset::QuarterTurn), 90.0);
    EXPECT_EQ(PresetAngle(RotationPreset::NoTurn), 0.0);
}

TEST(ScreenPresetIndexTest, OnlyExactSizesCheckAnItem) {
    EXPECT_EQ(ScreenPresetIndex(640, 480), 0u);
    EXPECT_EQ(ScreenPresetIndex(1024, 768), 2u);
    EXPECT_EQ(ScreenPresetIndex(1600, 1024), 5u);
    EXPECT_EQ(ScreenPresetIndex(1600, 1200), 6u);
    EXPECT_EQ(ScreenPresetIndex(1000, 700), std::nullopt);
    EXPECT_EQ(ScreenPresetIndex(768, 1024), std::nullopt);
    EXPECT_EQ(ScreenPresetIndex(0, 0), std::nullopt);
}

TEST(ColourWordsTest, OnlyTheTwoExactWordsAreColours) {
    EXPECT_EQ(ColourOfWord("Black"), kBlack);
    EXPECT_EQ(ColourOfWord("White"), kWhite);
    for (const char* word : {"white", "BLACK", "Black ", "", "Red"}) {
        EXPECT_EQ(ColourOfWord(word), std::nullopt) << '"' << word << '"';
    }
    EXPECT_EQ(ColourWord(kBlack), "Black");
    EXPECT_EQ(ColourWord(kWhite), "White");
    EXPECT_EQ(ColourWord(0x010000), "White");  // anything not black is written White
}

TEST(WithFullStopTest, AppendedUnlessTheLastByteSortsAtOrBeforeAFullStop) {
    const std::pair<const char*, const char*> cases[] = {
        {"'12.' is not a valid integer value", "'12.' is not a valid integer value."},
        {"Bitmap image is not valid", "Bitmap image is not valid."},
        {"Edge of solar disk could not be found.", "Edge of solar disk could not be found."},
        {"Cannot open file /tmp/x'", "Cannot open file /tmp/x'"},  // ' is 0x27
        {"Stop!", "Stop!"},
        {"range 1-", "range 1-"},
        {"a/", "a/."},  // "/" is the byte after "."
        {"Datei \xC3\xA4", "Datei \xC3\xA4."},
        {"", ""},
    };
    for (const auto& [message, expected] : cases) {
        EXPECT_EQ(WithFullStop(message), expected) << '"' << message << '"';
    }
}

}  // namespace
}  // namespace varno
