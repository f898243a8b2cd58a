// Row bands shared among threads: every row exactly once, whatever the number of rows.
#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#include "Unit2/ParallelRows.h"

namespace varno {
namespace {

TEST(ParallelRowsTest, EveryRowIsWorkedExactlyOnce) {
    constexpr std::size_t kLargeJob = std::size_t{1} << 24;  // worth every core
    for (const int rows : {1, 31, 32, 33, 257, 4000, 6001}) {
        for (const std::size_t pixels : {std::size_t{100}, kLargeJob}) {
            std::vector<std::atomic<int>> visits(static_cast<std::size_t>(rows));
            ForEachRowBand(rows, pixels, [&](int first, int last) {
                ASSERT_LE(0, first);
                ASSERT_LT(first, last);
                ASSERT_LE(last, rows);
                for (int row = first; row < last; ++row) {
                    visits[static_cast<std::size_t>(row)].fetch_add(1);
                }
            });
            for (int row = 0; row < rows; ++row) {
                ASSERT_EQ(visits[static_cast<std::size_t>(row)].load(), 1)
                    << "row " << row << " of " << rows << ", " << pixels << " pixels";
            }
        }
    }
}

TEST(ParallelRowsTest, NoRowsCallNothing) {
    bool called = false;
    ForEachRowBand(0, std::size_t{1} << 24, [&](int, int) { called = true; });
    ForEachRowBand(-5, 10, [&](int, int) { called = true; });
    EXPECT_FALSE(called);
}

}  // namespace
}  // namespace varno
