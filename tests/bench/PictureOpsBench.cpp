// Turning, resampling and saving a 6000 x 4000 picture, beside the same operations of OpenCV
// on a four-channel 8-bit picture of the same size when OpenCV is installed.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QString>
#include <chrono>
#include <cstring>

#include "SyntheticSun.h"
#include "Unit2/ParallelRows.h"
#include "Unit2/Resampling.h"
#include "Unit2/Turns.h"
#include "platform/BmpWriter.h"

#ifdef VARNO_HAVE_OPENCV
#include <opencv2/core.hpp>
#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>
#endif

namespace {

constexpr int kWidth = 6000;
constexpr int kHeight = 4000;
constexpr double kAngle = 30.0;
constexpr double kX0 = 3011.4;  // the disk centre, a little off the picture's middle
constexpr double kY0 = 1987.7;

// A noisy Sun filling most of the picture, drawn once.
const varno::Image& Sun() {
    static const varno::Image sun = [] {
        varno::testing::SunOptions options;
        options.width = kWidth;
        options.height = kHeight;
        options.centreX = kX0;
        options.centreY = kY0;
        options.radius = 1800.0;
        options.noise = 4.0;
        return varno::testing::DrawSyntheticSun(options);
    }();
    return sun;
}

QString SavePath(const char* name) {
    return QDir::temp().filePath(QString("varno-bench-") + name);
}

void BM_ResampleRotation(benchmark::State& state) {
    const auto sampler = static_cast<varno::Sampler>(state.range(0));
    const varno::Image& sun = Sun();
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
        varno::Image turned = varno::ResampleRotation(sun, kAngle, kX0, kY0, sampler);
        benchmark::DoNotOptimize(turned.pixels().data());
    }
    state.SetLabel(std::to_string(varno::RowBandWorkers(sun.pixelCount())) + " threads");
}
BENCHMARK(BM_ResampleRotation)
    ->ArgName("bilinear")
    ->Arg(static_cast<int>(varno::Sampler::NearestNeighbour))
    ->Arg(static_cast<int>(varno::Sampler::Bilinear))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_Rotation90(benchmark::State& state) {
    const varno::Image& sun = Sun();
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
        varno::Image turned = varno::Rotation90(sun, true);
        benchmark::DoNotOptimize(turned.pixels().data());
    }
}
BENCHMARK(BM_Rotation90)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SaveBmp(benchmark::State& state) {
    const varno::Image& sun = Sun();
    const QString path = SavePath("ours.bmp");
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
        varno::SaveBmp(sun, path);
    }
    QFile::remove(path);
}
BENCHMARK(BM_SaveBmp)->Unit(benchmark::kMillisecond)->UseRealTime();

#ifdef VARNO_HAVE_OPENCV

// The same pixels as a four-channel OpenCV picture (its channel order does not matter here).
const cv::Mat& SunMat() {
    static const cv::Mat mat = [] {
        cv::Mat m(kHeight, kWidth, CV_8UC4);
        std::memcpy(m.data, Sun().pixels().data(), Sun().pixelCount() * 4);
        return m;
    }();
    return mat;
}

// The inverse map of ResampleRotation: destination (x, y) samples
// (c (x - X0) + s (y - Y0) + X0, -s (x - X0) + c (y - Y0) + Y0).
cv::Mat InverseRotation() {
    const double theta = kAngle * CV_PI / 180.0;
    const double s = std::sin(theta);
    const double c = std::cos(theta);
    return (cv::Mat_<double>(2, 3) << c, s, kX0 - c * kX0 - s * kY0, -s, c,
            kY0 + s * kX0 - c * kY0);
}

void BM_CvWarpAffine(benchmark::State& state) {
    const int interpolation = state.range(0) == 0 ? cv::INTER_NEAREST : cv::INTER_LINEAR;
    const cv::Mat& sun = SunMat();
    const cv::Mat map = InverseRotation();
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
        cv::Mat turned;     // a fresh picture every time, as ResampleRotation makes
        cv::warpAffine(sun, turned, map, sun.size(), interpolation | cv::WARP_INVERSE_MAP,
                       cv::BORDER_CONSTANT, cv::Scalar(0, 0, 0, 0));
        benchmark::DoNotOptimize(turned.data);
    }
    state.SetLabel(std::to_string(cv::getNumThreads()) + " threads");
}
BENCHMARK(BM_CvWarpAffine)
    ->ArgName("bilinear")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_CvRotate(benchmark::State& state) {
    const cv::Mat& sun = SunMat();
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
        cv::Mat turned;
        cv::rotate(sun, turned, cv::ROTATE_90_CLOCKWISE);
        benchmark::DoNotOptimize(turned.data);
    }
}
BENCHMARK(BM_CvRotate)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CvImwriteBmp(benchmark::State& state) {
    cv::Mat picture = SunMat();
    if (state.range(0) == 3) {
        cv::cvtColor(SunMat(), picture, cv::COLOR_BGRA2BGR);
    }
    const std::string path = SavePath("opencv.bmp").toStdString();
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
        cv::imwrite(path, picture);
    }
    QFile::remove(QString::fromStdString(path));
}
BENCHMARK(BM_CvImwriteBmp)
    ->ArgName("channels")
    ->Arg(4)
    ->Arg(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Ours and OpenCV's in turn within one benchmark, so that a load that other work puts on
// the machine weighs on both alike: reports both mean times and their ratio.
template <typename Ours, typename Theirs>
void CompareInTurn(benchmark::State& state, Ours ours, Theirs theirs) {
    using Clock = std::chrono::steady_clock;
    double oursSeconds = 0.0;
    double theirsSeconds = 0.0;
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
        const auto t0 = Clock::now();
        ours();
        const auto t1 = Clock::now();
        theirs();
        const auto t2 = Clock::now();
        oursSeconds += std::chrono::duration<double>(t1 - t0).count();
        theirsSeconds += std::chrono::duration<double>(t2 - t1).count();
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["ours_ms"] = 1000.0 * oursSeconds / n;
    state.counters["opencv_ms"] = 1000.0 * theirsSeconds / n;
    state.counters["ratio"] = oursSeconds / theirsSeconds;
}

void BM_InTurn_Resample(benchmark::State& state) {
    const bool bilinear = state.range(0) != 0;
    const cv::Mat map = InverseRotation();
    CompareInTurn(
        state,
        [&] {
            const varno::Image turned = varno::ResampleRotation(
                Sun(), kAngle, kX0, kY0,
                bilinear ? varno::Sampler::Bilinear : varno::Sampler::NearestNeighbour);
            benchmark::DoNotOptimize(turned.pixels().data());
        },
        [&] {
            cv::Mat turned;
            cv::warpAffine(SunMat(), turned, map, SunMat().size(),
                           (bilinear ? cv::INTER_LINEAR : cv::INTER_NEAREST) | cv::WARP_INVERSE_MAP,
                           cv::BORDER_CONSTANT, cv::Scalar(0, 0, 0, 0));
            benchmark::DoNotOptimize(turned.data);
        });
}
BENCHMARK(BM_InTurn_Resample)->ArgName("bilinear")->Arg(0)->Arg(1)->UseRealTime();

void BM_InTurn_Rotation90(benchmark::State& state) {
    CompareInTurn(
        state,
        [] {
            const varno::Image turned = varno::Rotation90(Sun(), true);
            benchmark::DoNotOptimize(turned.pixels().data());
        },
        [] {
            cv::Mat turned;
            cv::rotate(SunMat(), turned, cv::ROTATE_90_CLOCKWISE);
            benchmark::DoNotOptimize(turned.data);
        });
}
BENCHMARK(BM_InTurn_Rotation90)->UseRealTime();

void BM_InTurn_SaveBmp(benchmark::State& state) {
    cv::Mat picture = SunMat();
    if (state.range(0) == 3) {
        cv::cvtColor(SunMat(), picture, cv::COLOR_BGRA2BGR);
    }
    const QString ours = SavePath("ours.bmp");
    const std::string theirs = SavePath("opencv.bmp").toStdString();
    CompareInTurn(
        state, [&] { varno::SaveBmp(Sun(), ours); }, [&] { cv::imwrite(theirs, picture); });
    QFile::remove(ours);
    QFile::remove(QString::fromStdString(theirs));
}
BENCHMARK(BM_InTurn_SaveBmp)->ArgName("opencv_channels")->Arg(4)->Arg(3)->UseRealTime();

#endif

}  // namespace

int main(int argc, char** argv) {
#ifdef VARNO_HAVE_OPENCV
    // OpenCV gets as many threads as the resampling uses.
    cv::setNumThreads(varno::RowBandWorkers(std::size_t{kWidth} * kHeight));
#endif
    // Draw the pictures before any timing.
    Sun();
#ifdef VARNO_HAVE_OPENCV
    SunMat();
#endif
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
