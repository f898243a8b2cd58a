// The main window's geometry: fitting to the screen, Panel1, and the places of the images.
#include <gtest/gtest.h>

#include <limits>
#include <ostream>

#include "Unit2/WindowFitting.h"

namespace varno {

void PrintTo(const WindowFit& fit, std::ostream* out) {
    *out << "{Width " << fit.Width << ", Height " << fit.Height << ", Top " << fit.Top << ", Left "
         << fit.Left << ", vertical bar " << fit.VerticalScrollBar << ", horizontal bar "
         << fit.HorizontalScrollBar << "}";
}

void PrintTo(const ImagePlace& place, std::ostream* out) {
    *out << "{Left " << place.Left << ", Top " << place.Top << "}";
}

namespace {

constexpr int kMax = std::numeric_limits<int>::max();
constexpr int kMin = std::numeric_limits<int>::min();

struct FitCase {
    const char* scenario;
    int w, h, screenWidth, screenHeight;
    WindowFit fit;

    friend void PrintTo(const FitCase& c, std::ostream* out) { *out << c.scenario; }
};

class FitMainWindowTest : public testing::TestWithParam<FitCase> {};

TEST_P(FitMainWindowTest, CentresTheWindowOrScrolls) {
    const FitCase& c = GetParam();
    EXPECT_EQ(FitMainWindow(c.w, c.h, c.screenWidth, c.screenHeight), c.fit) << c.scenario;
}

INSTANTIATE_TEST_SUITE_P(
    Table, FitMainWindowTest,
    testing::Values(
        FitCase{"defaults on 1024 x 768", 502, 502, 1024, 768, {814, 561, 89, 105, false, false}},
        // 561 is greater than 600 - 42 = 558, so the vertical bar shows though the window fits.
        FitCase{"small image on 800 x 600", 400, 300, 800, 600, {712, 561, 5, 44, true, false}},
        FitCase{"too big both ways", 1024, 1024, 1024, 768, {1024, 740, 0, 0, true, true}},
        FitCase{
            "h 501 keeps the 502 band", 502, 501, 1280, 1024, {814, 561, 217, 233, false, false}},
        FitCase{"h 503 grows by one", 502, 503, 1280, 1024, {814, 562, 217, 233, false, false}},
        // 588 - 28 - 561 = -1 and 813 - 814 = -1 halve to 0: no overflow, the wanted size stays.
        FitCase{"minus one halves to zero", 502, 502, 813, 588, {814, 561, 0, 0, true, true}},
        FitCase{"minus two overflows", 502, 502, 812, 587, {812, 559, 0, 0, true, true}},
        FitCase{"largest image", kMax, kMax, 1024, 768, {1024, 740, 0, 0, true, true}},
        // w + 312 and h + 59 exceed the int range: computed wide, clamped when kept.
        FitCase{"largest image on largest screen",
                kMax,
                kMax,
                kMax,
                kMax,
                {kMax, kMax - 28, 0, 0, true, true}},
        FitCase{"most negative sizes",
                kMin,
                kMin,
                1024,
                768,
                {kMin + 312, 561, 89, 1073742180, false, false}},
        FitCase{"most negative screen", 502, 502, kMin, kMin, {kMin, kMin, 0, 0, true, true}}));

struct PanelCase {
    int s;
    bool horizontalScrollBar;
    int width;

    friend void PrintTo(const PanelCase& c, std::ostream* out) {
        *out << "s " << c.s << (c.horizontalScrollBar ? " with" : " without") << " bar";
    }
};

class Panel1WidthTest : public testing::TestWithParam<PanelCase> {};

TEST_P(Panel1WidthTest, FollowsTheOutputWidthFrom502) {
    const auto& [s, bar, width] = GetParam();
    EXPECT_EQ(Panel1Width(s, bar), width) << "s " << s << ", horizontal bar " << bar;
}

INSTANTIATE_TEST_SUITE_P(Table, Panel1WidthTest,
                         testing::Values(PanelCase{502, false, 814}, PanelCase{502, true, 806},
                                         PanelCase{320, false, 814}, PanelCase{501, true, 806},
                                         PanelCase{503, false, 815}, PanelCase{600, true, 904},
                                         PanelCase{kMin, false, 814}, PanelCase{kMax, false, kMax},
                                         PanelCase{kMax, true, kMax}));

TEST(BorderedSizeTest, AddsTheBorderOnBothSidesWithoutOverflow) {
    EXPECT_EQ(BorderedSize(500, 1), 502);
    EXPECT_EQ(BorderedSize(300, 10), 320);
    EXPECT_EQ(BorderedSize(500, -300), -100);
    EXPECT_EQ(BorderedSize(kMax, 1), kMax);
    EXPECT_EQ(BorderedSize(kMax, kMax), kMax);
    EXPECT_EQ(BorderedSize(kMin, kMin), kMin);
    EXPECT_EQ(BorderedSize(kMax, kMin), kMin);  // 2^31 - 1 - 2^32 = -2^31 - 1, clamped
}

TEST(WorkingImageTopTest, CentresShortPicturesInThe502Band) {
    for (const auto& [height, top] : {std::pair{501, 8},
                                      {500, 9},
                                      {10, 254},
                                      {502, 8},
                                      {5000, 8},
                                      {kMax, 8},
                                      {0, 259},
                                      {kMin, 1073742083}}) {
        EXPECT_EQ(WorkingImageTop(height), top) << "height " << height;
    }
}

TEST(WorkingImageLeftTest, SitsNinePixelsRightOfTheGroupBox) {
    EXPECT_EQ(WorkingImageLeft(8, 283), 300);
    EXPECT_EQ(WorkingImageLeft(kMax, kMax), kMax);
    EXPECT_EQ(WorkingImageLeft(kMin, kMin), kMin);
}

struct PlaceCase {
    const char* scenario;
    int workingWidth, workingHeight, outputWidth, outputHeight;
    ImagePlace place;

    friend void PrintTo(const PlaceCase& c, std::ostream* out) { *out << c.scenario; }
};

class OutputImagePlaceTest : public testing::TestWithParam<PlaceCase> {};

TEST_P(OutputImagePlaceTest, CentresOverTheWorkingImage) {
    const PlaceCase& c = GetParam();
    EXPECT_EQ(OutputImagePlace(c.workingWidth, c.workingHeight, c.outputWidth, c.outputHeight),
              c.place)
        << c.scenario;
}

INSTANTIATE_TEST_SUITE_P(
    Table, OutputImagePlaceTest,
    testing::Values(PlaceCase{"smaller output", 600, 400, 502, 300, {349, 109}},
                    PlaceCase{"tall working image", 600, 900, 502, 502, {349, 207}},
                    // -3 / 2 truncates to -1 (a floor would give -2).
                    PlaceCase{"output one and a half pixels wider", 600, 400, 603, 505, {299, 7}},
                    PlaceCase{"odd difference", 601, 502, 600, 501, {300, 8}},
                    PlaceCase{
                        "largest output", 0, 0, kMax, kMax, {300 - 1073741823, 8 - 1073741572}},
                    PlaceCase{"most negative output", kMax, kMax, kMin, kMin, {kMax, kMax}}));

}  // namespace
}  // namespace varno
