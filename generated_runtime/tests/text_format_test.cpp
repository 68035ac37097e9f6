// Narrowing to single precision and printing whole numbers into a host
// buffer of exactly character count + 1 bytes.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "gauge_test_support/element_tree.h"
#include "generated_runtime/text_format.h"

namespace {

using generated_runtime::narrow_to_single;
using generated_runtime::print_whole_number;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct PrintCase {
  const char* format;
  double value;
  std::uint32_t char_count;
  std::string expected;
};

std::ostream& operator<<(std::ostream& out, const PrintCase& c) {
  return out << c.format << " of " << c.value << " in " << c.char_count;
}

const PrintCase kPrintCases[] = {
    // Exact halves go away from zero.
    {"%.0f", 2.5, 16, "3"},
    {"%.0f", -2.5, 16, "-3"},
    {"%.0f", 0.5, 16, "1"},
    {"%.0f", -0.5, 16, "-1"},
    {"%.0f", 1.5, 16, "2"},
    {"%.0f", 4.5, 16, "5"},
    {"%.0f", 8388607.5, 16, "8388608"},
    {"%02.0f", 2.5, 16, "03"},
    // Everything else as printf rounds it.
    {"%.0f", 2.4999999999999996, 16, "2"},
    {"%.0f", 2.5000000000000004, 16, "3"},
    {"%.0f", -0.4, 16, "-0"},
    {"%.0f", 0.0, 16, "0"},
    {"%.0f", 1013.25, 16, "1013"},
    {"%03.0f", 60.333, 16, "060"},
    {"%03.0f", -50.78, 16, "-51"},
    {"%5.0f", 304.8, 16, "  305"},
    {"%02.0f:", 7.0, 16, "07:"},
    {"%.0f", 340282346638528859811704183484516925440.0, 64, "340282346638528859811704183484516925440"},
    // Non-finite values print bounded words.
    {"%.0f", kNaN, 16, "nan"},
    {"%.0f", -kNaN, 16, "nan"},
    {"%.0f", kInf, 16, "inf"},
    {"%.0f", -kInf, 16, "-inf"},
    {"%5.0f", -kInf, 16, " -inf"},
    // Never beyond the character count.
    {"%.0f", 12345.0, 3, "123"},
    {"%5.0f", 1.0, 2, "  "},
    {"%.0f", -kInf, 1, "-"},
    {"%.0f", 7.0, 0, ""},
};

class PrintWholeNumberTest : public testing::TestWithParam<PrintCase> {};

TEST_P(PrintWholeNumberTest, PrintsWithinTheBuffer) {
  const PrintCase& c = GetParam();
  gauge_kit::StringElement string{};
  string.char_count = c.char_count;
  gauge_test_support::HostTextBuffer buffer(string);
  print_whole_number(string.text, string.char_count, c.format, c.value);
  EXPECT_EQ(buffer.text(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, PrintWholeNumberTest, testing::ValuesIn(kPrintCases));

TEST(PrintWholeNumber, LeavesANullBufferAlone) { print_whole_number(nullptr, 16, "%.0f", 1.0); }

struct NarrowCase {
  double value;
  double expected;
};

std::ostream& operator<<(std::ostream& out, const NarrowCase& c) { return out << c.value; }

const NarrowCase kNarrowCases[] = {
    {1012.49999, 1012.5},
    {16777217.0, 16777216.0},
    {0.1, 0.100000001490116119384765625},
    {-0.0, -0.0},
    {1e300, kInf},
    {-1e300, -kInf},
    {kInf, kInf},
    {-kInf, -kInf},
    {0x1.fffffep127, 0x1.fffffep127},
    {0x1.fffffefffffffp127, 0x1.fffffep127},
    {0x1.ffffffp127, kInf},
    {-0x1.ffffffp127, -kInf},
    {1e-50, 0.0},
};

class NarrowToSingleTest : public testing::TestWithParam<NarrowCase> {};

TEST_P(NarrowToSingleTest, GivesTheNearestSingleValue) {
  const double narrowed = narrow_to_single(GetParam().value);
  EXPECT_EQ(narrowed, GetParam().expected);
  EXPECT_EQ(std::signbit(narrowed), std::signbit(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Cases, NarrowToSingleTest, testing::ValuesIn(kNarrowCases));

TEST(NarrowToSingle, KeepsNaN) { EXPECT_TRUE(std::isnan(narrow_to_single(kNaN))); }

TEST(ClampUpperThenLower, PassesBoundsAndNaN) {
  using generated_runtime::clamp_upper_then_lower;
  EXPECT_EQ(clamp_upper_then_lower(21.0, -20.0, 20.0), 20.0);
  EXPECT_EQ(clamp_upper_then_lower(-21.0, -20.0, 20.0), -20.0);
  EXPECT_EQ(clamp_upper_then_lower(20.0, -20.0, 20.0), 20.0);
  EXPECT_EQ(clamp_upper_then_lower(-kInf, -20.0, 20.0), -20.0);
  EXPECT_TRUE(std::isnan(clamp_upper_then_lower(kNaN, -20.0, 20.0)));
}

}  // namespace
