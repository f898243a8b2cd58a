// The circle fit: its linear algebra, convergence, the reject limit and degenerate tables.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "Unit2/CircleFit.h"

namespace varno {
namespace {

TEST(LinearAlgebraTest, InverseTimesMatrixIsIdentity) {
    const Matrix3 a = {{{4.0, 1.0, -2.0}, {1.0, 3.0, 0.5}, {-2.0, 0.5, 5.0}}};
    const Matrix3 inverse = Inverse3x3(a);
    for (std::size_t r = 0; r < 3; ++r) {
        for (std::size_t c = 0; c < 3; ++c) {
            double sum = 0.0;
            for (std::size_t k = 0; k < 3; ++k) {
                sum += inverse[r][k] * a[k][c];
            }
            EXPECT_NEAR(sum, r == c ? 1.0 : 0.0, 1e-14) << r << "," << c;
        }
    }
    // Expanded by hand: 4(15 - 0.25) - 1(5 + 1) - 2(0.5 + 6) = 59 - 6 - 13 = 40.
    EXPECT_DOUBLE_EQ(Determinant3x3(a), 40.0);
}

TEST(LinearAlgebraTest, NormalEquationsOfASmallJacobian) {
    Jacobian j{};
    j[0] = {1.0, 2.0, -1.0};
    j[1] = {3.0, -1.0, -1.0};
    j[2] = {99.0, 99.0, 99.0};  // beyond n: must not count
    Residuals v{};
    v[0] = 2.0;
    v[1] = -1.0;
    v[2] = 1000.0;
    const TransposedJacobian t = TransposeJacobian(j, 2);
    EXPECT_EQ(t[0][1], 3.0);
    EXPECT_EQ(t[2][0], -1.0);
    EXPECT_EQ(t[0][2], 0.0);
    const Matrix3 a = NormalMatrix(t, j, 2);
    EXPECT_EQ(a[0][0], 10.0);
    EXPECT_EQ(a[0][1], -1.0);
    EXPECT_EQ(a[2][2], 2.0);
    const Vector3 g = NormalVector(t, v, 2);
    EXPECT_EQ(g[0], -1.0);
    EXPECT_EQ(g[1], 5.0);
    EXPECT_EQ(g[2], -1.0);
    const Vector3 s = ApplyInverse(Matrix3{{{2.0, 0.0, 0.0}, {0.0, 3.0, 0.0}, {1.0, 0.0, 1.0}}},
                                   Vector3{1.0, 2.0, 3.0});
    EXPECT_EQ(s, (Vector3{2.0, 6.0, 4.0}));
}

EdgeTable CirclePoints(double cx, double cy, double r, int every = 1) {
    EdgeTable table{};
    for (int i = 0; i < kRayCount; i += every) {
        if (i % 90 == 0) {
            continue;
        }
        const double a = i * std::numbers::pi / 180.0;
        table[static_cast<std::size_t>(i)] = {static_cast<int>(std::lround(cx + r * std::sin(a))),
                                              static_cast<int>(std::lround(cy + r * std::cos(a))),
                                              EdgeState::EdgeFound};
    }
    return table;
}

TEST(FitCircleTest, ConvergesOnRoundedCirclePoints) {
    DiskFit fit{400.0, 300.0, 400.0};  // the start values of an 800 x 600 picture
    const FitRun run = FitCircle(CirclePoints(350.0, 320.0, 180.0), fit);
    EXPECT_FALSE(run.Degenerate);
    EXPECT_EQ(run.PointCount, 356);
    EXPECT_NEAR(fit.X0, 350.0, 0.05);
    EXPECT_NEAR(fit.Y0, 320.0, 0.05);
    EXPECT_NEAR(fit.R, 180.0, 0.05);
}

TEST(FitCircleTest, EmptyTableTakesNoStep) {
    DiskFit fit{10.0, 20.0, 10.0};
    const FitRun run = FitCircle(EdgeTable{}, fit);
    EXPECT_EQ(run.PointCount, 0);
    EXPECT_FALSE(run.Degenerate);
    EXPECT_EQ(fit, (DiskFit{10.0, 20.0, 10.0}));
}

TEST(FitCircleTest, DegenerateTablesAreReportedAndLeaveFiniteValues) {
    struct Case {
        const char* name;
        EdgeTable table;
    };
    EdgeTable onCentre = CirclePoints(100.0, 100.0, 50.0);
    onCentre[7] = {100, 100, EdgeState::EdgeFound};
    EdgeTable twoPoints{};
    twoPoints[1] = {10, 10, EdgeState::EdgeFound};
    twoPoints[2] = {30, 10, EdgeState::EdgeFound};
    EdgeTable onePoint{};
    onePoint[5] = {150, 100, EdgeState::EdgeFound};
    for (const Case& c : {Case{"a point on the centre", onCentre}, Case{"two points", twoPoints},
                          Case{"one point", onePoint}}) {
        DiskFit fit{100.0, 100.0, 100.0};
        const FitRun run = FitCircle(c.table, fit);
        EXPECT_TRUE(run.Degenerate) << c.name;
        EXPECT_TRUE(std::isfinite(fit.X0) && std::isfinite(fit.Y0) && std::isfinite(fit.R))
            << c.name;
    }
}

TEST(MeasureAndRejectTest, PointExactlyAtTheLimitSurvives) {
    const DiskFit fit{0.0, 0.0, 10.0};
    EdgeTable pass{};
    pass[1] = {20, 0, EdgeState::EdgeFound};     // 10 pixels off: survives limit 10
    pass[2] = {21, 0, EdgeState::EdgeFound};     // 11 pixels off: dropped
    pass[3] = {0, 100, EdgeState::EdgePending};  // never measured
    pass[4] = {6, 8, EdgeState::EdgeFound};      // on the circle
    const double maxDeviation = MeasureAndReject(pass, fit, 10, 0.0);
    EXPECT_EQ(maxDeviation, 11.0);
    EXPECT_EQ(pass[1].state, EdgeState::EdgeFound);
    EXPECT_EQ(pass[2], (EdgeEntry{21, 0, EdgeState::EdgeNone}));  // coordinates stay
    EXPECT_EQ(pass[3].state, EdgeState::EdgePending);
    EXPECT_EQ(pass[4].state, EdgeState::EdgeFound);
}

LimbSearchTables TablesFrom(const EdgeTable& inward, const EdgeTable& outward) {
    LimbSearchTables tables{inward, inward, outward};
    CombinePasses(tables);
    return tables;
}

TEST(FitWithRejectionTest, OutliersAreDroppedAndTheCircleRecovered) {
    EdgeTable points = CirclePoints(250.0, 250.0, 120.0);
    // Rays that stopped at a sunspot, 40 pixels inside the limb, in both passes.
    for (const std::size_t i : {20u, 21u, 22u, 23u, 24u, 25u, 200u, 201u, 202u}) {
        const double a = static_cast<double>(i) * std::numbers::pi / 180.0;
        points[i] = {static_cast<int>(std::lround(250 + 80 * std::sin(a))),
                     static_cast<int>(std::lround(250 + 80 * std::cos(a))), EdgeState::EdgeFound};
    }
    LimbSearchTables tables = TablesFrom(points, points);
    DiskFit fit{250.0, 250.0, 250.0};
    ASSERT_TRUE(FitWithRejection(tables, fit));
    EXPECT_NEAR(fit.X0, 250.0, 0.05);
    EXPECT_NEAR(fit.Y0, 250.0, 0.05);
    EXPECT_NEAR(fit.R, 120.0, 0.05);
    EXPECT_EQ(tables.Edges[20].state, EdgeState::EdgeNone);
    EXPECT_EQ(tables.Edges[20].x, 0);
    EXPECT_EQ(tables.Edges[30].state, EdgeState::EdgeFound);
}

TEST(FitWithRejectionTest, PointFoundOnlyOutwardJoinsAfterTheFirstRebuild) {
    EdgeTable inward = CirclePoints(200.0, 200.0, 100.0, 2);  // even rays
    EdgeTable outward = inward;
    outward[1] = {static_cast<int>(std::lround(200 + 100 * std::sin(std::numbers::pi / 180))), 300,
                  EdgeState::EdgeFound};
    LimbSearchTables tables = TablesFrom(inward, outward);
    ASSERT_EQ(tables.Edges[1].state, EdgeState::EdgeNone);  // not in the first fit
    DiskFit fit{200.0, 200.0, 200.0};
    ASSERT_TRUE(FitWithRejection(tables, fit));
    EXPECT_EQ(tables.Edges[1].state, EdgeState::EdgeFound);
    EXPECT_EQ(tables.Edges[1].y, 300);
}

TEST(FitWithRejectionTest, NoPointLeftIsReportedWithAnEmptyTable) {
    LimbSearchTables tables{};
    DiskFit fit{50.0, 40.0, 50.0};
    EXPECT_FALSE(FitWithRejection(tables, fit));
    EXPECT_EQ(fit, (DiskFit{50.0, 40.0, 50.0}));
    EXPECT_EQ(tables.Edges, EdgeTable{});
}

TEST(FitWithRejectionTest, PointsOnOneLineEndFiniteWithoutHanging) {
    EdgeTable line{};
    for (std::size_t i = 1; i < 40; ++i) {
        line[i] = {static_cast<int>(10 + 2 * i), static_cast<int>(10 + i), EdgeState::EdgeFound};
    }
    LimbSearchTables tables = TablesFrom(line, line);
    DiskFit fit{100.0, 100.0, 100.0};
    FitWithRejection(tables, fit);
    EXPECT_TRUE(std::isfinite(fit.X0) && std::isfinite(fit.Y0) && std::isfinite(fit.R));
}

TEST(FitWithRejectionTest, DegenerateFitEndsAsNoDisk) {
    EdgeTable two{};
    two[1] = {10, 10, EdgeState::EdgeFound};
    two[2] = {30, 12, EdgeState::EdgeFound};
    LimbSearchTables tables = TablesFrom(two, two);
    DiskFit fit{12.0, 11.0, 12.0};
    EXPECT_FALSE(FitWithRejection(tables, fit));
    EXPECT_EQ(tables.Edges, EdgeTable{});
    EXPECT_TRUE(std::isfinite(fit.X0) && std::isfinite(fit.Y0) && std::isfinite(fit.R));
}

}  // namespace
}  // namespace varno
