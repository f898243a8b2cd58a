// The second stage of the disk analysis: Gauss-Newton circle fit with outlier rejection.
#pragma once

#include <array>

#include "Unit2/DiskTypes.h"
#include "Unit2/LimbSearch.h"

namespace varno {

// Fixed-size work arrays: at most one row per ray, rows 0 to n - 1 used, in the order
// X0, Y0, R.
using Jacobian = std::array<std::array<double, 3>, kRayCount>;
using TransposedJacobian = std::array<std::array<double, kRayCount>, 3>;
using Residuals = std::array<double, kRayCount>;
using Matrix3 = std::array<std::array<double, 3>, 3>;
using Vector3 = std::array<double, 3>;

// Sums start at 0 and add their terms in ascending index order, each partial sum held as a
// double as it is stored.
TransposedJacobian TransposeJacobian(const Jacobian& jacobian, int n);
Matrix3 NormalMatrix(const TransposedJacobian& transposed, const Jacobian& jacobian, int n);
Vector3 NormalVector(const TransposedJacobian& transposed, const Residuals& residuals, int n);
// The adjugate divided entry by entry by the determinant; the determinant is not tested here.
Matrix3 Inverse3x3(const Matrix3& a);
double Determinant3x3(const Matrix3& a);
Vector3 ApplyInverse(const Matrix3& inverse, const Vector3& g);

// One fit may take at most this many Gauss-Newton steps; reaching it ends the fit.
inline constexpr int kMaximumFitSteps = 100;

struct FitRun {
    int PointCount = 0;  // the EdgeFound entries the fit used
    // Fewer than three points, a singular normal matrix, a point on the centre, or a step
    // that is not a finite number.
    bool Degenerate = false;
};

// Gauss-Newton steps on the EdgeFound entries of the table, starting from and updating fit,
// until a step is at most half a pixel in every part. A degenerate step is not applied.
FitRun FitCircle(const EdgeTable& table, DiskFit& fit);

// Measures every found point of one pass table against the circle, marks those farther than
// rejectLimit EdgeNone (keeping their coordinates) and returns the largest distance met,
// starting from maxDeviation.
double MeasureAndReject(EdgeTable& pass, const DiskFit& fit, int rejectLimit, double maxDeviation);

// The rejection cycles with limits 10 down to 2 pixels, rebuilding tables.Edges from the pass
// tables after each. Returns whether the last fit had an edge point; a degenerate fit ends
// the analysis as if none were left. fit must hold the start values.
bool FitWithRejection(LimbSearchTables& tables, DiskFit& fit);

}  // namespace varno
