#include "gauge_kit/conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

using gauge_kit::truncate_toward_zero;

struct TruncationCase {
  double input;
  std::int32_t as_int32;
  std::uint32_t as_uint32;
  std::int16_t as_int16;
};

class Truncation : public testing::TestWithParam<TruncationCase> {};

TEST_P(Truncation, TruncatesTowardZeroAndHoldsTheRangeEnds) {
  const TruncationCase& c = GetParam();
  EXPECT_EQ(truncate_toward_zero<std::int32_t>(c.input), c.as_int32);
  EXPECT_EQ(truncate_toward_zero<std::uint32_t>(c.input), c.as_uint32);
  EXPECT_EQ(truncate_toward_zero<std::int16_t>(c.input), c.as_int16);
}

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr std::int32_t kIntMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();
constexpr std::uint32_t kUintMax = std::numeric_limits<std::uint32_t>::max();

INSTANTIATE_TEST_SUITE_P(
    Conversions, Truncation,
    testing::ValuesIn<TruncationCase>({
        {12345.6, 12345, 12345, 12345},
        {-250.7, -250, 0, -250},
        {-0.9, 0, 0, 0},
        {std::nan(""), 0, 0, 0},
        {kInf, kIntMax, kUintMax, 32767},
        {-kInf, kIntMin, 0, -32768},
        {1e300, kIntMax, kUintMax, 32767},
        {-1e300, kIntMin, 0, -32768},
        {2147483647.9, kIntMax, 2147483647u, 32767},
        {2147483648.0, kIntMax, 2147483648u, 32767},
        {-2147483648.9, kIntMin, 0, -32768},
        {4294967295.9, kIntMax, kUintMax, 32767},
    }));

}  // namespace
