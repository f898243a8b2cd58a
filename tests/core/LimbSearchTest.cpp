// The limb search: ray geometry, the background decision, both walk rules, the combination.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "Unit2/Image.h"
#include "Unit2/LimbSearch.h"

namespace varno {
namespace {

// A picture whose pixels come from a function, for walks along a known sequence of values.
struct FunctionPicture {
    int w;
    int h;
    std::function<PackedColour(int, int)> value;
    int width() const { return w; }
    int height() const { return h; }
    PackedColour pixel(int x, int y) const {
        return x < 0 || y < 0 || x >= w || y >= h ? kOutside : value(x, y);
    }
};

bool Visits(const RayLine& ray, PixelPosition p) {
    for (int i = 0; i < ray.PositionCount(); ++i) {
        const PixelPosition at = ray.InwardPosition(i);
        if (at.x == p.x && at.y == p.y) {
            return true;
        }
    }
    return false;
}

TEST(RayLineTest, WorkedExamplesOfAn800x600Picture) {
    struct Case {
        int degrees;
        PixelPosition start;
        std::vector<PixelPosition> visited;
    };
    const std::vector<Case> cases = {
        {30, {572, 598}, {{571, 597}, {515, 500}, {458, 400}, {401, 301}, {400, 300}}},
        {45, {697, 598}, {}},  // the tangent of the double nearest 45 degrees is below 1
        {46, {798, 684}, {}},  // starts outside the picture
        {60, {798, 529}, {{700, 473}, {401, 301}}},
    };
    for (const Case& c : cases) {
        const RayLine ray(c.degrees, 800, 600);
        EXPECT_EQ(ray.Start().x, c.start.x) << "ray " << c.degrees;
        EXPECT_EQ(ray.Start().y, c.start.y) << "ray " << c.degrees;
        for (const PixelPosition p : c.visited) {
            EXPECT_TRUE(Visits(ray, p)) << "ray " << c.degrees << " misses " << p.x << "," << p.y;
        }
    }
    const RayLine ray30(30, 800, 600);
    EXPECT_NEAR(ray30.K(), 1.733, 0.0005);
    EXPECT_NEAR(ray30.B(), -393.023, 0.0005);
}

TEST(RayLineTest, WalksRunFromTheStartToTheCentreOneStepAtATime) {
    for (const auto& [w, h] : {std::pair{800, 600}, {600, 800}, {513, 513}, {64, 40}}) {
        for (int d = 1; d < 360; ++d) {
            if (d % 90 == 0) {
                continue;
            }
            const RayLine ray(d, w, h);
            ASSERT_GT(ray.PositionCount(), 0) << d;
            const PixelPosition first = ray.InwardPosition(0);
            const PixelPosition last = ray.InwardPosition(ray.PositionCount() - 1);
            EXPECT_EQ(first.x, ray.Start().x) << w << "x" << h << " ray " << d;
            EXPECT_EQ(first.y, ray.Start().y) << w << "x" << h << " ray " << d;
            EXPECT_EQ(last.x, w / 2) << w << "x" << h << " ray " << d;
            EXPECT_EQ(last.y, h / 2) << w << "x" << h << " ray " << d;
            for (int i = 1; i < ray.PositionCount(); ++i) {
                const PixelPosition a = ray.InwardPosition(i - 1);
                const PixelPosition b = ray.InwardPosition(i);
                EXPECT_LE(std::abs(a.x - b.x), 1) << d;
                EXPECT_LE(std::abs(a.y - b.y), 1) << d;
                EXPECT_EQ(std::abs(a.x - b.x) + std::abs(a.y - b.y) > 0, true) << d;
            }
            EXPECT_EQ(ray.OutwardPosition(0).x, w / 2);
        }
    }
}

TEST(RayLineTest, PositionsEqualTheExtendedPrecisionFormulas) {
    // The walk computes positions from a double estimate where that is safe; every position
    // must still be floor((y - b) / k + 0.5) or floor(k x + b + 0.5) with a 64-bit mantissa.
    long long compared = 0;
    for (const auto& [w, h] : {std::pair{800, 600},
                               {6000, 4000},
                               {4001, 6003},
                               {2048, 2048},
                               {517, 389},
                               {12000, 300},
                               {300, 9000}}) {
        for (int d = 1; d < 360; ++d) {
            if (d % 90 == 0) {
                continue;
            }
            const RayLine ray(d, w, h);
            const bool alongRows = (d <= 45 || d >= 316) || (d >= 136 && d <= 225);
            const bool straight = ray.Start().x == w / 2 || (alongRows && ray.Start().y == h / 2);
            if (straight) {
                continue;
            }
            for (int i = 0; i < ray.PositionCount(); ++i) {
                const PixelPosition p = ray.InwardPosition(i);
                const long double k = ray.K();
                const long double b = ray.B();
                const int expected = alongRows ? static_cast<int>(std::floor((p.y - b) / k + 0.5L))
                                               : static_cast<int>(std::floor(k * p.x + b + 0.5L));
                ASSERT_EQ(alongRows ? p.x : p.y, expected) << w << "x" << h << " ray " << d;
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 1000000);
}

TEST(RayLineTest, SquarePicturesStartEveryRayInside) {
    for (int d = 1; d < 360; ++d) {
        if (d % 90 == 0) {
            continue;
        }
        const RayLine ray(d, 500, 500);
        EXPECT_TRUE(Image(500, 500).contains(ray.Start().x, ray.Start().y)) << d;
    }
}

TEST(RayLineTest, RayFromTheCentreColumnWalksStraightDown) {
    // 60 pixels high: the tangent of 1 degree times 28 rows is below one pixel.
    const RayLine ray(1, 200, 60);
    ASSERT_EQ(ray.Start().x, 100);
    for (int i = 0; i < ray.PositionCount(); ++i) {
        EXPECT_EQ(ray.InwardPosition(i).x, 100);
        EXPECT_EQ(ray.InwardPosition(i).y, 58 - i);
    }
}

TEST(BackgroundTest, DecidedByPixelTwoTwoAgainst16581375) {
    for (const auto& [value, expected] : {std::pair{16581375, Background::Bright},
                                          {16581374, Background::Dark},
                                          {kWhite, Background::Bright},
                                          {kBlack, Background::Dark}}) {
        Image picture(10, 10, kBlack);
        picture.setPixel(2, 2, value);
        EXPECT_EQ(DecideBackground(picture), expected) << value;
    }
    EXPECT_EQ(DecideBackground(Image(2, 2, kWhite)), Background::Dark);  // (2, 2) reads -1
}

TEST(DarkThresholdTest, FifthOfTheCentreWindowMean) {
    // 800 x 600: columns 360 to 439, rows 270 to 329. Everything else is white and unseen.
    Image picture(800, 600, kWhite);
    for (int y = 270; y < 330; ++y) {
        for (int x = 360; x < 440; ++x) {
            picture.setPixel(x, y, (x == 360 && y == 270) ? 4800 * 9 + 101 : 9);
        }
    }
    // Sum = 4800 x 9 + 4800 x 9 + 101 - 9 over 4800 pixels: mean 18.019, trunc 18, div 5 = 3.
    EXPECT_EQ(DarkThreshold(picture), 3);
}

TEST(DarkThresholdTest, BlackOrEmptyWindowGivesTheBlackThreshold) {
    EXPECT_EQ(DarkThreshold(Image(800, 600, kBlack)), kBlackWindowThreshold);
    EXPECT_EQ(DarkThreshold(Image(9, 9, kWhite)), kBlackWindowThreshold);  // empty window
    EXPECT_EQ(DarkThreshold(Image(0, 0)), kBlackWindowThreshold);
}

// Values along ray 1 of a 200 x 200 picture depend on the row only: the walk visits rows
// 198 down to 100, one per step.
FunctionPicture RowPicture(std::function<PackedColour(int)> byRow) {
    return {200, 200, [byRow](int, int y) { return byRow(y); }};
}

TEST(BrightSkyWalkTest, FoundAtTheLastStrictFallOnceItStops) {
    const RayLine ray(1, 200, 200);
    struct Case {
        const char* name;
        std::function<PackedColour(int)> byRow;
        int row;
        EdgeState state;
    };
    const std::vector<Case> cases = {
        {"fall to 200 then level: the first pixel of the level",
         [](int y) { return y > 150 ? kWhite : GreyPixel(200); }, 150, EdgeState::EdgeFound},
        {"a later fall does not move a found entry",
         [](int y) { return y > 150 ? kWhite : (y > 120 ? GreyPixel(200) : GreyPixel(50)); }, 150,
         EdgeState::EdgeFound},
        {"falling to the end stays pending", [](int y) { return GreyPixel(y - 100 + 50); }, 100,
         EdgeState::EdgePending},
        {"a fall to 243 is not clear: none, at the last fall",
         [](int y) { return y > 150 ? kWhite : GreyPixel(243); }, 150, EdgeState::EdgeNone},
        {"a fall to 242 is clear", [](int y) { return y > 150 ? kWhite : GreyPixel(242); }, 150,
         EdgeState::EdgeFound},
    };
    for (const Case& c : cases) {
        const EdgeEntry entry = WalkBrightSky(RowPicture(c.byRow), ray, true);
        EXPECT_EQ(entry.state, c.state) << c.name;
        EXPECT_EQ(entry.y, c.row) << c.name;
    }
    const EdgeEntry nothing = WalkBrightSky(RowPicture([](int) { return kWhite; }), ray, true);
    EXPECT_EQ(nothing, EdgeEntry{});
}

TEST(BrightSkyWalkTest, ClearFallIsMeasuredWithTheExtendedFactor) {
    // 16581600 = 1.05 x 15792000 exactly. The extended 1.05 lies below 1.05, so the quotient
    // lies just above 15792000 and a fall to it counts (with the double 1.05 it would not).
    const RayLine ray(1, 200, 200);
    const auto picture = RowPicture([](int y) { return y > 150 ? 16581600 : 15792000; });
    EXPECT_EQ(WalkBrightSky(picture, ray, true).state, EdgeState::EdgeFound);
}

TEST(BrightSkyWalkTest, OutwardWalkComparesWithTheStartPoint) {
    // Falling from the centre towards the start: the reference is still the start's value.
    const RayLine ray(1, 200, 200);
    const auto picture =
        RowPicture([](int y) { return y >= 190 ? kWhite : GreyPixel(240 - (y - 100)); });
    const EdgeEntry entry = WalkBrightSky(picture, ray, false);
    EXPECT_EQ(entry.state, EdgeState::EdgeFound);
    EXPECT_EQ(entry.y, 189);
}

TEST(BrightSkyWalkTest, StartOutsideThePictureFindsNothing) {
    const RayLine ray(46, 800, 600);  // starts at (798, 684)
    const FunctionPicture picture{800, 600, [](int, int) { return GreyPixel(10); }};
    EXPECT_EQ(WalkBrightSky(picture, ray, true), EdgeEntry{});
}

TEST(DarkSkyWalkTest, ThresholdItselfIsNeverAnEdge) {
    const RayLine ray(1, 200, 200);
    const PackedColour t = 1000;
    const auto equal = RowPicture([](int y) { return y > 150 ? 0 : 1000; });
    EXPECT_EQ(WalkDarkSky(equal, ray, true, t).state, EdgeState::EdgeNone);
    const auto above = RowPicture([](int y) { return y > 150 ? 0 : 1001; });
    const EdgeEntry in = WalkDarkSky(above, ray, true, t);
    EXPECT_EQ(in.state, EdgeState::EdgeFound);
    EXPECT_EQ(in.y, 150);
    const EdgeEntry out = WalkDarkSky(above, ray, false, t);
    EXPECT_EQ(out.state, EdgeState::EdgeFound);
    EXPECT_EQ(out.y, 151);
    EXPECT_EQ(WalkDarkSky(equal, ray, false, t).state, EdgeState::EdgeFound);  // 0 < 1000 at 151
}

TEST(DarkSkyWalkTest, OutwardWalkLeavingThePictureStoresItsFirstOutsidePosition) {
    const RayLine ray(46, 800, 600);
    const FunctionPicture disk{800, 600, [](int, int) { return GreyPixel(200); }};
    const EdgeEntry out = WalkDarkSky(disk, ray, false, GreyPixel(40));
    EXPECT_EQ(out.state, EdgeState::EdgeFound);
    EXPECT_GE(out.y, 600);
}

LimbSearchTables TablesWithAgreeingRays(int agreeing) {
    LimbSearchTables tables{};
    for (int i = 1; i <= agreeing; ++i) {
        tables.Inward[static_cast<std::size_t>(i)] = {500, 300 + i, EdgeState::EdgeFound};
        tables.Outward[static_cast<std::size_t>(i)] = {501, 301 + i, EdgeState::EdgeFound};
    }
    // Disagreeing, pending and outward-only rays.
    tables.Inward[100] = {500, 300, EdgeState::EdgeFound};
    tables.Outward[100] = {502, 300, EdgeState::EdgeFound};
    tables.Inward[101] = {7, 8, EdgeState::EdgePending};
    tables.Outward[102] = {9, 9, EdgeState::EdgeFound};
    return tables;
}

TEST(CombinePassesTest, TenAgreeingRaysKeepTheCombination) {
    LimbSearchTables tables = TablesWithAgreeingRays(10);
    const EdgeTable outward = tables.Outward;
    CombinePasses(tables);
    EXPECT_EQ(tables.Edges[1], (EdgeEntry{500, 301, EdgeState::EdgeFound}));  // the inward point
    EXPECT_EQ(tables.Edges[100], EdgeEntry{});  // two pixels apart in x
    EXPECT_EQ(tables.Edges[101], EdgeEntry{});
    EXPECT_EQ(tables.Edges[102], EdgeEntry{});
    EXPECT_EQ(tables.Outward, outward);
}

TEST(CombinePassesTest, NineAgreeingRaysHandTheInwardTableToTheFit) {
    LimbSearchTables tables = TablesWithAgreeingRays(9);
    CombinePasses(tables);
    EXPECT_EQ(tables.Edges, tables.Inward);
    EXPECT_EQ(tables.Outward, tables.Inward);
    EXPECT_EQ(tables.Edges[101], (EdgeEntry{7, 8, EdgeState::EdgePending}));
}

TEST(SearchLimbTest, AxisRaysAreNeverWalked) {
    const LimbSearchTables tables = SearchLimb(Image(300, 300, kWhite));
    for (const std::size_t axis : {0u, 90u, 180u, 270u}) {
        EXPECT_EQ(tables.Inward[axis], EdgeEntry{});
        EXPECT_EQ(tables.Outward[axis], EdgeEntry{});
    }
}

}  // namespace
}  // namespace varno
