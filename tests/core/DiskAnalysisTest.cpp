// FindSolarDisk on whole pictures: synthetic Suns with a known centre, and pictures without one.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "SyntheticSun.h"
#include "Unit2/DiskAnalysis.h"
#include "Unit2/Tone.h"

namespace varno {
namespace {

using testing::DrawSyntheticSun;
using testing::SunOptions;

int FoundCount(const EdgeTable& table) {
    int n = 0;
    for (const EdgeEntry& e : table) {
        n += e.state == EdgeState::EdgeFound ? 1 : 0;
    }
    return n;
}

bool OnlyFoundOrClearedEntries(const EdgeTable& table) {
    for (const EdgeEntry& e : table) {
        if (e.state != EdgeState::EdgeFound && e != EdgeEntry{}) {
            return false;
        }
    }
    return true;
}

struct SunCase {
    std::string name;
    SunOptions options;
};

std::vector<SunCase> SunCases() {
    std::vector<SunCase> cases;
    cases.push_back({"centred on a dark sky", {}});
    SunOptions off;
    off.centreX = 331.3;
    off.centreY = 262.8;
    off.radius = 170.0;
    cases.push_back({"off centre", off});
    SunOptions bright;
    bright.skyLevel = 255.0;
    bright.diskLevel = 170.0;
    bright.centreX = 420.25;
    bright.centreY = 290.6;
    cases.push_back({"dark disk on a bright sky", bright});
    SunOptions cut;
    // The disk must still hold the picture's centre, where the outward walks begin.
    cut.centreX = 560.4;
    cut.centreY = 320.7;
    cut.radius = 260.0;
    cases.push_back({"cut 20 pixels by the right edge of the frame", cut});
    SunOptions spotted;
    spotted.centreX = 401.7;
    spotted.centreY = 297.2;
    spotted.spots = {
        {430.0, 250.0, 18.0, 0.1}, {330.0, 340.0, 12.0, 0.15}, {470.0, 330.0, 6.0, 0.2}};
    cases.push_back({"with sunspots", spotted});
    SunOptions noisy;
    noisy.centreX = 388.9;
    noisy.centreY = 305.4;
    noisy.noise = 24.0;
    noisy.seed = 7;
    cases.push_back({"with noise", noisy});
    SunOptions colour;
    colour.centreX = 410.6;
    colour.centreY = 301.1;
    colour.red = 1.0;
    colour.green = 0.62;
    colour.blue = 0.18;
    colour.noise = 8.0;
    cases.push_back({"orange disk", colour});
    SunOptions large;
    large.width = 2048;
    large.height = 1536;
    large.centreX = 1030.3;
    large.centreY = 760.9;
    large.radius = 640.0;
    cases.push_back({"large picture", large});
    SunOptions tall;
    tall.width = 480;
    tall.height = 640;
    tall.centreX = 236.6;
    tall.centreY = 330.2;
    tall.radius = 190.0;
    cases.push_back({"portrait picture", tall});
    return cases;
}

TEST(FindSolarDiskTest, SyntheticSunsAreFoundWithinAFifthOfAPixel) {
    for (const SunCase& c : SunCases()) {
        const Image picture = DrawSyntheticSun(c.options);
        EdgeTable table{};
        DiskFit fit{};
        const bool found = IsColourImage(picture) ? FindSolarDiskInGrey(picture, table, fit)
                                                  : FindSolarDisk(picture, table, fit);
        ASSERT_TRUE(found) << c.name;
        EXPECT_NEAR(fit.X0, c.options.centreX, 0.2) << c.name;
        EXPECT_NEAR(fit.Y0, c.options.centreY, 0.2) << c.name;
        // Bright skies find the darkest limb pixel, up to a pixel inside the limb.
        EXPECT_NEAR(fit.R, c.options.radius, 1.5) << c.name;
        EXPECT_GT(FoundCount(table), 100) << c.name;
        EXPECT_TRUE(OnlyFoundOrClearedEntries(table)) << c.name;
    }
}

TEST(FindSolarDiskTest, GreyViewEqualsAnalysingAConvertedCopy) {
    SunOptions colour;
    colour.centreX = 405.2;
    colour.centreY = 288.7;
    colour.red = 0.9;
    colour.green = 0.5;
    colour.blue = 0.3;
    colour.noise = 30.0;
    const Image picture = DrawSyntheticSun(colour);
    Image grey = picture;
    ConvertToGrey(grey);
    EdgeTable viewTable{};
    DiskFit viewFit{};
    EdgeTable copyTable{};
    DiskFit copyFit{};
    EXPECT_EQ(FindSolarDiskInGrey(picture, viewTable, viewFit),
              FindSolarDisk(grey, copyTable, copyFit));
    EXPECT_EQ(viewTable, copyTable);
    EXPECT_EQ(viewFit, copyFit);
}

TEST(FindSolarDiskTest, AllBlackPictureHasNoDiskAndKeepsTheStartValues) {
    EdgeTable table{};
    table[3] = {1, 2, EdgeState::EdgeFound};  // left over from an earlier picture
    DiskFit fit{1.0, 2.0, 3.0};
    EXPECT_FALSE(FindSolarDisk(Image(801, 600, kBlack), table, fit));
    EXPECT_EQ(fit, (DiskFit{400.0, 300.0, 400.0}));
    EXPECT_EQ(table, EdgeTable{});
}

TEST(FindSolarDiskTest, TinyAndNarrowPicturesAreAnalysedWithoutFailing) {
    const std::vector<std::pair<int, int>> sizes = {
        {0, 0},   {1, 1},   {2, 2},   {3, 3},   {4, 4},   {5, 9},   {9, 5},
        {1, 300}, {300, 1}, {2, 500}, {640, 3}, {30, 30}, {119, 40}};
    for (const auto& [w, h] : sizes) {
        for (const PackedColour fill : {kBlack, kWhite, GreyPixel(128)}) {
            Image picture(w, h, fill);
            if (w > 4 && h > 4) {
                picture.setPixel(w / 2, h / 2, fill == kBlack ? kWhite : kBlack);
            }
            EdgeTable table{};
            DiskFit fit{};
            const bool found = FindSolarDisk(picture, table, fit);
            EXPECT_TRUE(std::isfinite(fit.X0) && std::isfinite(fit.Y0) && std::isfinite(fit.R))
                << w << "x" << h;
            EXPECT_TRUE(OnlyFoundOrClearedEntries(table)) << w << "x" << h;
            if (!found) {
                EXPECT_EQ(table, EdgeTable{}) << w << "x" << h;
            }
        }
    }
}

TEST(FindSolarDiskTest, SmallSunStillFound) {
    SunOptions small;
    small.width = 64;
    small.height = 48;
    small.centreX = 31.5;
    small.centreY = 23.5;
    small.radius = 15.0;
    EdgeTable table{};
    DiskFit fit{};
    ASSERT_TRUE(FindSolarDisk(DrawSyntheticSun(small), table, fit));
    EXPECT_NEAR(fit.X0, 31.5, 0.3);
    EXPECT_NEAR(fit.Y0, 23.5, 0.3);
}

TEST(FindSolarDiskTest, RepeatedAnalysisGivesTheSameResult) {
    const Image picture = DrawSyntheticSun({});
    EdgeTable first{};
    DiskFit firstFit{};
    FindSolarDisk(picture, first, firstFit);
    EdgeTable second{};
    second.fill({5, 5, EdgeState::EdgePending});
    DiskFit secondFit{9.0, 9.0, 9.0};
    FindSolarDisk(picture, second, secondFit);
    EXPECT_EQ(first, second);
    EXPECT_EQ(firstFit, secondFit);
}

}  // namespace
}  // namespace varno
