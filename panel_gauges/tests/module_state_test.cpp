// The module's own state: the accelerometer's minimum and maximum memories
// and the compass card's index, driven through the gauges' records.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <ostream>
#include <vector>

#include "gauge_tree.h"

namespace {

using corvel1_test::Axis;
using gauge_kit::ElementHeader;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// What the three accelerometer needles return on one update.
struct GmeterReading {
  double load;
  double minimum;
  double maximum;
};

struct GmeterCase {
  const char* label;
  std::vector<double> updates;  // host values, one update each, after a reset
  std::vector<GmeterReading> readings;
};

void PrintTo(const GmeterCase& c, std::ostream* out) { *out << c.label; }

class Accelerometer : public testing::TestWithParam<GmeterCase> {
 protected:
  // One host update of the gauge: every needle, in drawing order.
  GmeterReading update(double value) {
    return {corvel1_test::update_element(*needles_[1], Axis::Only, value).value,
            corvel1_test::update_element(*needles_[2], Axis::Only, value).value,
            corvel1_test::update_element(*needles_[3], Axis::Only, value).value};
  }
  void reset() {
    const auto regions = corvel1_test::callback_regions(gauge_);
    ASSERT_EQ(regions.size(), 1u);
    EXPECT_EQ(corvel1_test::click(*regions[0]), 0);
  }

  gauge_kit::GaugeHeader& gauge_ = corvel1_test::gauge_named("Gmeter");
  std::vector<ElementHeader*> needles_ = corvel1_test::drawing_order(gauge_);
};

TEST_P(Accelerometer, KeepsTheExtremesSinceTheLastReset) {
  const GmeterCase& c = GetParam();
  ASSERT_EQ(needles_.size(), 4u);
  reset();
  ASSERT_EQ(c.updates.size(), c.readings.size());
  for (std::size_t i = 0; i < c.updates.size(); ++i) {
    SCOPED_TRACE("update " + std::to_string(i));
    const GmeterReading got = update(c.updates[i]);
    EXPECT_EQ(got.load, c.readings[i].load);
    EXPECT_EQ(got.minimum, c.readings[i].minimum);
    EXPECT_EQ(got.maximum, c.readings[i].maximum);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Gmeter, Accelerometer,
    testing::ValuesIn<GmeterCase>({
        {"level flight", {624.0}, {{1.0, 1.0, 1.0}}},
        {"pull then push", {3120.0, -1248.0}, {{5.0, 1.0, 5.0}, {-2.0, -2.0, 5.0}}},
        {"clamped above", {9000.0}, {{10.0, 1.0, 10.0}}},
        {"clamped below", {-4000.0}, {{-5.0, -5.0, 1.0}}},
        {"exactly at the bounds", {6240.0, -3120.0}, {{10.0, 1.0, 10.0}, {-5.0, -5.0, 10.0}}},
        {"a smaller pull keeps the maximum", {3120.0, 1248.0}, {{5.0, 1.0, 5.0}, {2.0, 1.0, 5.0}}},
        {"not a number reads as -5 g", {kNaN, 624.0}, {{-5.0, -5.0, 1.0}, {1.0, -5.0, 1.0}}},
        {"infinity", {kInf}, {{10.0, 1.0, 10.0}}},
        {"minus infinity", {-kInf}, {{-5.0, -5.0, 1.0}}},
        {"huge", {1e300}, {{10.0, 1.0, 10.0}}},
        {"minus huge", {-1e300}, {{-5.0, -5.0, 1.0}}},
    }));

TEST_F(Accelerometer, ResetReturnsBothMemoriesToOneG) {
  reset();
  update(9000.0);
  update(-4000.0);
  reset();
  const GmeterReading level = update(624.0);
  EXPECT_EQ(level.minimum, 1.0);
  EXPECT_EQ(level.maximum, 1.0);
  // After a reset the present load factor shows where it lies beyond 1 g.
  const GmeterReading pulled = update(1248.0);
  EXPECT_EQ(pulled.minimum, 1.0);
  EXPECT_EQ(pulled.maximum, 2.0);
}

// The compass card's index, stepped by the knob's two mouse callbacks.
class CompassCardIndex : public testing::Test {
 protected:
  double index(double source = 0.0) {
    return corvel1_test::update_element(*corvel1_test::drawing_order(gauge_).at(1), Axis::Only, source).value;
  }
  void step(int steps) {
    for (; steps > 0; --steps) EXPECT_EQ(corvel1_test::click(*up_), 0);
    for (; steps < 0; ++steps) EXPECT_EQ(corvel1_test::click(*down_), 0);
  }
  void set_index(int wanted) { step((wanted - static_cast<int>(index()) + 360) % 360); }

  gauge_kit::GaugeHeader& gauge_ = corvel1_test::gauge_named("CompassNop");
  std::vector<gauge_kit::MouseRect*> regions_ = corvel1_test::callback_regions(gauge_);
  gauge_kit::MouseRect* down_ = regions_.at(0);
  gauge_kit::MouseRect* up_ = regions_.at(1);
};

struct IndexCase {
  int start;
  int steps;  // positive: up, negative: down
  double expected;
};

void PrintTo(const IndexCase& c, std::ostream* out) { *out << c.start << " stepped " << c.steps; }

class CompassCardSteps : public CompassCardIndex, public testing::WithParamInterface<IndexCase> {};

TEST_P(CompassCardSteps, StepsOneDegreeAndWraps) {
  const IndexCase& c = GetParam();
  set_index(c.start);
  ASSERT_EQ(index(), c.start);
  step(c.steps);
  EXPECT_EQ(index(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(CompassNop, CompassCardSteps,
                         testing::ValuesIn<IndexCase>({
                             {0, 1, 1.0},
                             {358, 1, 359.0},
                             {359, 1, 0.0},
                             {359, 2, 1.0},
                             {0, -1, 359.0},
                             {1, -1, 0.0},
                             {0, -2, 358.0},
                             {0, 360, 0.0},
                             {0, -360, 0.0},
                         }));

TEST_F(CompassCardIndex, NeverShowsThreeHundredSixty) {
  set_index(0);
  for (int i = 0; i < 720; ++i) {
    step(1);
    ASSERT_GE(index(), 0.0);
    ASSERT_LE(index(), 359.0);
  }
}

TEST_F(CompassCardIndex, ArrowIgnoresItsSourceValue) {
  set_index(42);
  for (double source : {kNaN, kInf, -kInf, 1e300, -1e300}) EXPECT_EQ(index(source), 42.0);
}

}  // namespace
