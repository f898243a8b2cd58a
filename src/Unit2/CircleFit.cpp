// Least-squares circle through the limb points, evaluated as the program always has: every
// expression with a 64-bit mantissa, rounded to double where a double is stored.
#include "Unit2/CircleFit.h"

#include <cmath>

namespace varno {
namespace {

using Extended = long double;

// Rounds an extended-precision value as a store into a double variable does.
double Store(Extended value) {
    return static_cast<double>(value);
}

double Distance(double x, double y, const DiskFit& fit) {
    const Extended dx = x - static_cast<Extended>(fit.X0);
    const Extended dy = y - static_cast<Extended>(fit.Y0);
    return Store(std::sqrt(dx * dx + dy * dy));
}

bool IsFinite(const Vector3& v) {
    return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]);
}

}  // namespace

double MeasureAndReject(EdgeTable& pass, const DiskFit& fit, int rejectLimit, double maxDeviation) {
    for (EdgeEntry& entry : pass) {
        if (entry.state != EdgeState::EdgeFound) {
            continue;
        }
        const double deviation = Store(std::fabs(
            static_cast<Extended>(Distance(entry.x, entry.y, fit)) - static_cast<Extended>(fit.R)));
        if (deviation > maxDeviation) {
            maxDeviation = deviation;
        }
        if (deviation > rejectLimit) {
            entry.state = EdgeState::EdgeNone;  // its coordinates stay
        }
    }
    return maxDeviation;
}

namespace {

// From the first rebuild on, a point that only one pass found, or whose partner was
// rejected, takes part; a ray whose two points both survive but lie apart drops out.
void RebuildEdges(LimbSearchTables& tables) {
    for (std::size_t i = 0; i < tables.Edges.size(); ++i) {
        const EdgeEntry& in = tables.Inward[i];
        const EdgeEntry& out = tables.Outward[i];
        const bool inFound = in.state == EdgeState::EdgeFound;
        const bool outFound = out.state == EdgeState::EdgeFound;
        EdgeEntry& edge = tables.Edges[i];
        edge = {};
        if (inFound && outFound) {
            if (PassesAgree(in, out)) {
                edge = {in.x, in.y, EdgeState::EdgeFound};
            }
        } else if (inFound) {
            edge = {in.x, in.y, EdgeState::EdgeFound};
        } else if (outFound) {
            edge = {out.x, out.y, EdgeState::EdgeFound};
        }
    }
}

}  // namespace

TransposedJacobian TransposeJacobian(const Jacobian& jacobian, int n) {
    TransposedJacobian transposed{};
    for (std::size_t c = 0; c < 3; ++c) {
        for (std::size_t k = 0; k < static_cast<std::size_t>(n); ++k) {
            transposed[c][k] = jacobian[k][c];
        }
    }
    return transposed;
}

Matrix3 NormalMatrix(const TransposedJacobian& transposed, const Jacobian& jacobian, int n) {
    Matrix3 a{};
    for (std::size_t r = 0; r < 3; ++r) {
        for (std::size_t c = 0; c < 3; ++c) {
            for (std::size_t k = 0; k < static_cast<std::size_t>(n); ++k) {
                a[r][c] = Store(a[r][c] + static_cast<Extended>(transposed[r][k]) * jacobian[k][c]);
            }
        }
    }
    return a;
}

Vector3 NormalVector(const TransposedJacobian& transposed, const Residuals& residuals, int n) {
    Vector3 g{};
    for (std::size_t r = 0; r < 3; ++r) {
        for (std::size_t k = 0; k < static_cast<std::size_t>(n); ++k) {
            g[r] = Store(g[r] + static_cast<Extended>(transposed[r][k]) * residuals[k]);
        }
    }
    return g;
}

double Determinant3x3(const Matrix3& m) {
    const Extended a00 = m[0][0], a01 = m[0][1], a02 = m[0][2];
    const Extended a10 = m[1][0], a11 = m[1][1], a12 = m[1][2];
    const Extended a20 = m[2][0], a21 = m[2][1], a22 = m[2][2];
    return Store(a00 * a11 * a22 - a00 * a21 * a12 + a10 * a21 * a02 - a10 * a01 * a22 +
                 a20 * a01 * a12 - a20 * a11 * a02);
}

Matrix3 Inverse3x3(const Matrix3& m) {
    const Extended a00 = m[0][0], a01 = m[0][1], a02 = m[0][2];
    const Extended a10 = m[1][0], a11 = m[1][1], a12 = m[1][2];
    const Extended a20 = m[2][0], a21 = m[2][1], a22 = m[2][2];
    const double det = Determinant3x3(m);
    // Entry (r, c) of the inverse is the cofactor of (c, r) over the determinant.
    return {{{Store((a11 * a22 - a12 * a21) / det), Store((a02 * a21 - a01 * a22) / det),
              Store((a01 * a12 - a02 * a11) / det)},
             {Store((a12 * a20 - a10 * a22) / det), Store((a00 * a22 - a02 * a20) / det),
              Store((a02 * a10 - a00 * a12) / det)},
             {Store((a10 * a21 - a11 * a20) / det), Store((a01 * a20 - a00 * a21) / det),
              Store((a00 * a11 - a01 * a10) / det)}}};
}

Vector3 ApplyInverse(const Matrix3& inverse, const Vector3& g) {
    Vector3 s{};
    for (std::size_t r = 0; r < 3; ++r) {
        for (std::size_t c = 0; c < 3; ++c) {
            s[r] = Store(s[r] + static_cast<Extended>(inverse[r][c]) * g[c]);
        }
    }
    return s;
}

FitRun FitCircle(const EdgeTable& table, DiskFit& fit) {
    Jacobian jacobian{};
    Residuals residuals{};
    Vector3 step = {1000.0, 1000.0, 1000.0};
    FitRun run;
    for (int steps = 0;
         steps < kMaximumFitSteps &&
         (std::fabs(step[0]) > 0.5 || std::fabs(step[1]) > 0.5 || std::fabs(step[2]) > 0.5);
         ++steps) {
        int n = 0;
        for (const EdgeEntry& entry : table) {
            if (entry.state != EdgeState::EdgeFound) {
                continue;
            }
            const double x = entry.x;
            const double y = entry.y;
            const double d = Distance(x, y, fit);
            if (d == 0.0) {
                run.Degenerate = true;  // a point on the centre has no direction
                return run;
            }
            const auto row = static_cast<std::size_t>(n);
            jacobian[row] = {Store((fit.X0 - static_cast<Extended>(x)) / d),
                             Store((fit.Y0 - static_cast<Extended>(y)) / d), -1.0};
            residuals[row] = Store(fit.R - static_cast<Extended>(d));
            ++n;
        }
        run.PointCount = n;
        if (n == 0) {
            return run;
        }
        if (n < 3) {
            run.Degenerate = true;  // fewer than three points leave the normal matrix singular
            return run;
        }
        const TransposedJacobian transposed = TransposeJacobian(jacobian, n);
        const Matrix3 normal = NormalMatrix(transposed, jacobian, n);
        const double det = Determinant3x3(normal);
        if (det == 0.0 || !std::isfinite(det)) {
            run.Degenerate = true;
            return run;
        }
        step = ApplyInverse(Inverse3x3(normal), NormalVector(transposed, residuals, n));
        const Vector3 next = {Store(fit.X0 + static_cast<Extended>(step[0])),
                              Store(fit.Y0 + static_cast<Extended>(step[1])),
                              Store(fit.R + static_cast<Extended>(step[2]))};
        if (!IsFinite(step) || !IsFinite(next)) {
            run.Degenerate = true;
            return run;
        }
        fit = {next[0], next[1], next[2]};
    }
    return run;
}

bool FitWithRejection(LimbSearchTables& tables, DiskFit& fit) {
    int rejectLimit = 10;
    // The lowest limit, 2, plus 1: lets the first cycle run.
    double maxDeviation = 3.0;
    FitRun last;
    while (maxDeviation > 2.0) {
        maxDeviation = 0.0;
        if (FitCircle(tables.Edges, fit).Degenerate) {
            tables.Edges = {};
            return false;
        }
        maxDeviation = MeasureAndReject(tables.Inward, fit, rejectLimit, maxDeviation);
        maxDeviation = MeasureAndReject(tables.Outward, fit, rejectLimit, maxDeviation);
        if (rejectLimit > 2) {
            --rejectLimit;
        } else {
            maxDeviation = 0.0;  // the cycle with limit 2 is the last
        }
        RebuildEdges(tables);
        last = FitCircle(tables.Edges, fit);
        if (last.Degenerate) {
            tables.Edges = {};
            return false;
        }
    }
    return last.PointCount > 0;
}

}  // namespace varno
