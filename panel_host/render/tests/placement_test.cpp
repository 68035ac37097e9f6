// The host's placement: every scale of the system read as a dial, values
// between and beyond the points, NaN, the turn limit, strips, sliders,
// sprites and failures, on the gauges themselves.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/placement.h"
#include "test_gauges.h"

namespace {

using namespace gauge_kit;
using panel_host::Dial;
using render_tests::GaugeOnHost;

constexpr double kPi = 3.14159265358979323846;

struct GaugeName {
  const char* module;
  const char* gauge;
};

class EveryScale : public testing::TestWithParam<GaugeName> {};

// A needle placed at a point's value points at the point's pixel: the pixel
// lies on the needle's ray within a pixel.
TEST_P(EveryScale, NeedlePointsAtEachPointOfItsScale) {
  GaugeOnHost gauge(GetParam().module, GetParam().gauge);
  int points = 0;
  for (const panel_host::ElementState& state : gauge.instance.elements()) {
    if (state.element().kind != ElementKind::Needle) continue;
    const auto& needle = element_as<NeedleElement>(&state.element());
    for (std::uint32_t i = 0; needle.scale != nullptr && i < needle.scale_points; ++i) {
      const NonlinearityPoint& point = needle.scale[i];
      const double angle = state.placement.dial.angle_for(point.value) * kPi / 180.0;
      const double dx = point.x - state.element().position.x;
      const double dy = point.y - state.element().position.y;
      EXPECT_GT(dx * std::cos(angle) + dy * std::sin(angle), 0.0) << "point " << i << " value " << point.value;
      EXPECT_LE(std::abs(dx * std::sin(angle) - dy * std::cos(angle)), 1.0) << "point " << i << " value " << point.value;
      ++points;
    }
  }
  EXPECT_GT(points, 0);
}

INSTANTIATE_TEST_SUITE_P(System, EveryScale,
                         testing::Values(GaugeName{"Corvel1", "Turn"}, GaugeName{"Corvel1", "Altimetro"},
                                         GaugeName{"Corvel1", "Clock"}, GaugeName{"Corvel1", "Gmeter"},
                                         GaugeName{"ID_Pelmar_Combo", "ID_Pelmar_Combo"},
                                         GaugeName{"ID_Norva_AltimMtr", "ID_Norva_AltimMtr"},
                                         GaugeName{"ID_Ombra_Group", "ID_Ombra_Group"}),
                         [](const auto& test) { return std::string(test.param.gauge); });

// The scales' own tables, read from the needles' positions.
Dial dial(std::vector<NonlinearityPoint> points, PixelPoint centre) {
  return Dial(points.data(), static_cast<std::uint32_t>(points.size()), centre);
}

const Dial kAltimeter = dial({{156, 41, 0.0}, {155, 41, 999.0}}, {155, 147});
const Dial kClockHour = dial({{157, 35, 0.0}, {101, 51, 11.0}}, {154, 148});
const Dial kComboVerticalSpeed = dial({{69, 85, 0}, {72, 68, 1}, {82, 54, 2}, {97, 45, 3}, {115, 44, 4}, {131, 50, 5},
                                       {148, 72, 20}, {72, 103, -1}, {83, 116, -2}, {98, 124, -3}, {115, 126, -4},
                                       {132, 121, -5}, {149, 95, -20}},
                                      {110, 85});
const Dial kPendulum = dial({{180, 79, 127.0}, {161, 81, 0.0}, {139, 79, -127.0}}, {162, 7});

struct DialCase {
  const char* name;
  const Dial* dial;
  double value;
  double angle;      // expected, degrees clockwise from pointing right
  double tolerance;
};

class DialRule : public testing::TestWithParam<DialCase> {};

TEST_P(DialRule, PlacesTheValue) {
  EXPECT_NEAR(GetParam().dial->angle_for(GetParam().value), GetParam().angle, GetParam().tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, DialRule,
    testing::Values(
        // 0 and 999 a pixel apart: clockwise through almost a full turn.
        DialCase{"altimeter_halfway_points_down", &kAltimeter, 500.0, 90.0, 0.6},
        DialCase{"altimeter_999_one_pixel_left_of_0", &kAltimeter, 999.0, 270.0, 1e-9},
        DialCase{"altimeter_above_holds_999", &kAltimeter, 1500.0, 270.0, 1e-9},
        DialCase{"altimeter_below_holds_0", &kAltimeter, -250.0, -89.4595, 1e-3},
        // Two points, eleven hours apart, clockwise.
        DialCase{"clock_six_points_down", &kClockHour, 6.0, 90.0, 2.0},
        DialCase{"clock_above_eleven_holds_eleven", &kClockHour, 11.5, 241.35, 0.01},
        // Stored 0 ... 5, 20, -1 ... -20: read in ascending value.
        DialCase{"vertical_speed_zero_at_the_left", &kComboVerticalSpeed, 0.0, 180.0, 1e-9},
        DialCase{"vertical_speed_ten_a_third_from_5_to_20", &kComboVerticalSpeed, 10.0, 300.9638 + (341.1139 - 300.9638) / 3, 1e-3},
        DialCase{"vertical_speed_minus_ten", &kComboVerticalSpeed, -10.0, 58.5704 - (58.5704 - 14.3814) / 3, 1e-3},
        DialCase{"vertical_speed_beyond_20_holds", &kComboVerticalSpeed, 25.0, 341.1139, 1e-3},
        DialCase{"vertical_speed_beyond_minus_20_holds", &kComboVerticalSpeed, -25.0, 14.3814, 1e-3},
        // 127, 0, -127: clockwise would sweep past a full turn, so counter-clockwise.
        DialCase{"pendulum_zero_hangs_down", &kPendulum, 0.0, 90.774, 1e-3},
        DialCase{"pendulum_half_right", &kPendulum, 63.5, (90.774 + 75.964) / 2, 1e-3},
        DialCase{"pendulum_full_left", &kPendulum, -127.0, 107.7158, 1e-3}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(Dial, NanAndEmptyScalesGiveNoAngle) {
  EXPECT_TRUE(std::isnan(kAltimeter.angle_for(std::nan(""))));
  EXPECT_TRUE(std::isnan(Dial().angle_for(1.0)));
  EXPECT_EQ(kAltimeter.angle_for(INFINITY), 270.0);
}

TEST(Dial, EqualValuesTakeTheFirstInStoredOrder) {
  const Dial twice = dial({{10, 0, 5.0}, {0, 10, 5.0}, {-10, 0, 9.0}}, {0, 0});
  EXPECT_NEAR(twice.angle_for(5.0), 0.0, 1e-9);
  EXPECT_NEAR(twice.angle_for(7.0), 90.0 + 45.0, 1e-9);
}

TEST(Placement, NanLeavesTheNeedleWhereItWasAtTheLowestPointFirst) {
  GaugeOnHost clock("Corvel1", "Clock");
  const auto& hour = clock.element(1).placement;
  clock.set(3, std::nan(""));
  clock.update();
  EXPECT_DOUBLE_EQ(hour.angle, hour.dial.angle_for(0.0));
  clock.set(3, 6.0);
  clock.update();
  const double six = hour.angle;
  clock.set(3, std::nan(""));
  clock.update();
  EXPECT_DOUBLE_EQ(hour.angle, six);
}

TEST(Placement, WithoutAScaleTheNumberIsTheAngle) {
  GaugeOnHost radio("Corvel1", "RadioCompass");
  radio.set(39, 270.0);
  radio.update();
  EXPECT_DOUBLE_EQ(radio.element(1).placement.angle, 180.0);
  radio.set(39, INFINITY);
  radio.update();
  EXPECT_DOUBLE_EQ(radio.element(1).placement.angle, 180.0);
}

TEST(Placement, TurnLimitMovesAtMostItsDegreesAfterTheFirstUpdate) {
  GaugeOnHost turn("Corvel1", "Turn");
  const auto& needle = turn.element(2).placement;
  turn.set(70, 900.0);
  turn.update();
  EXPECT_DOUBLE_EQ(needle.angle, needle.dial.angle_for(900.0));
  turn.set(70, -900.0);
  turn.update();
  EXPECT_DOUBLE_EQ(needle.angle, needle.dial.angle_for(900.0) - 6.0);
  turn.update(20);
  EXPECT_DOUBLE_EQ(needle.angle, needle.dial.angle_for(-900.0));
}

TEST(Placement, CompassCardLinesUpItsFirstAndLastEdgesWithTheWindow) {
  GaugeOnHost compass("Corvel1", "WiskeyBmp");
  const auto& card = compass.element(1).placement;
  compass.set(84, 360.0);  // the callback gives 0: the minimum
  compass.update();
  EXPECT_DOUBLE_EQ(card.dx, 0.0);
  compass.set(84, 0.0);  // 360: the maximum
  compass.update();
  EXPECT_DOUBLE_EQ(card.dx + card.strip.width, card.window.width);
  EXPECT_DOUBLE_EQ(card.dy, 0.0);  // the y axis's minimum equals its maximum
}

TEST(Placement, HourMeterDrumShowsItsLastDigitAtTheMaximum) {
  GaugeOnHost hours("Corvel1", "Hobb");
  hours.set(607, 9 * 3600.0);
  hours.update();
  const auto& units = hours.element(4).placement;
  EXPECT_DOUBLE_EQ(units.dy + units.strip.height, units.window.height);
  hours.set(607, 1e12);  // far beyond: held at the last edge
  hours.update();
  EXPECT_DOUBLE_EQ(hours.element(1).placement.dy + units.strip.height, units.window.height);
}

TEST(Placement, BallMovesByBothAxes) {
  GaugeOnHost turn("Corvel1", "Turn");
  turn.set(69, 127.0);
  turn.update();
  EXPECT_NEAR(turn.element(1).placement.dx, 70.45, 0.01);
  EXPECT_NEAR(turn.element(1).placement.dy, -2.54, 0.01);
}

TEST(Placement, SpriteTurnsByItsNumberTimesItsScale) {
  GaugeOnHost altimeter("ID_Norva_AltimMtr", "ID_Norva_AltimMtr");
  altimeter.set(74, 960.0);
  altimeter.update();
  EXPECT_DOUBLE_EQ(altimeter.element(1).placement.angle, -10.0);
}

TEST(Placement, FrozenElementsKeepTheirPlace) {
  GaugeOnHost compass("Corvel1", "WiskeyBmp");
  compass.set(84, 90.0);
  compass.update();
  const double heading_90 = compass.element(1).placement.dx;
  compass.host.failed_keys().insert(12);  // action 1
  compass.set(84, 180.0);
  compass.update();
  EXPECT_DOUBLE_EQ(compass.element(1).placement.dx, heading_90);
}

TEST(Placement, ZeroedNeedlesGoToZeroAtTheirTurnLimit) {
  GaugeOnHost gmeter("Corvel1", "Gmeter");
  gmeter.set(351, 3120.0);
  gmeter.update();
  gmeter.host.failed_keys().insert(20);  // action 2, with the needles' turn limit
  gmeter.update(60);
  EXPECT_DOUBLE_EQ(gmeter.element(1).placement.angle, gmeter.element(1).placement.dial.angle_for(0.0));
}

}  // namespace
