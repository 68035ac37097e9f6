// Corvel1 through the panel host: the clickable regions of the eight gauges,
// repeating and single-shot knobs, and the module's own state across
// instances, kills and reloads.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "host_scenario.h"

namespace {

using nlohmann::json;
using corvel1_test::run_scenario;
using corvel1_test::ScenarioRun;

// The lines of a run that went through without a fault.
std::vector<json> lines_of(std::string_view gauge, std::string_view script) {
  const ScenarioRun run = run_scenario(gauge, script);
  EXPECT_EQ(run.exit_status, 0) << run.errors;
  return run.lines;
}

constexpr int kNoRect = -1;
constexpr int kNoKey = 0;

struct ClickCase {
  const char* gauge;
  int x;
  int y;
  int rect;  // index of the matched child region, or kNoRect
  int key_event;
  int callbacks;
};

void PrintTo(const ClickCase& c, std::ostream* out) { *out << c.gauge << " at (" << c.x << ", " << c.y << ")"; }

class Clicks : public testing::TestWithParam<ClickCase> {};

TEST_P(Clicks, ActInsideTheRegionOnly) {
  const ClickCase& c = GetParam();
  const auto lines = lines_of(c.gauge, "click " + std::to_string(c.x) + " " + std::to_string(c.y) + "\n");
  ASSERT_EQ(lines.size(), 1u);
  const json& click = lines[0];
  EXPECT_EQ(click["event"], "click");
  EXPECT_EQ(click["rect"], c.rect == kNoRect ? json(nullptr) : json(c.rect));
  EXPECT_EQ(click["key_events"], c.key_event == kNoKey ? json::array() : json::array({{c.key_event, 0}}));
  EXPECT_EQ(click["callbacks"], c.callbacks);
}

// The compass knob's halves lie inside the region at (38, 138): the left one
// from gauge pixel (38, 138), the right one from (58, 138), 19 x 29 each.
INSTANTIATE_TEST_SUITE_P(MagneticCompass, Clicks,
                         testing::ValuesIn<ClickCase>({
                             {"WiskeyBmp", 38, 138, 2, 65878, 0},
                             {"WiskeyBmp", 56, 166, 2, 65878, 0},
                             {"WiskeyBmp", 37, 138, kNoRect, kNoKey, 0},
                             {"WiskeyBmp", 38, 137, kNoRect, kNoKey, 0},
                             {"WiskeyBmp", 57, 150, kNoRect, kNoKey, 0},
                             {"WiskeyBmp", 56, 167, kNoRect, kNoKey, 0},
                             {"WiskeyBmp", 58, 138, 3, 65877, 0},
                             {"WiskeyBmp", 76, 166, 3, 65877, 0},
                             {"WiskeyBmp", 77, 166, kNoRect, kNoKey, 0},
                             {"WiskeyBmp", 76, 167, kNoRect, kNoKey, 0},
                             {"WiskeyBmp", 0, 0, kNoRect, kNoKey, 0},
                             {"WiskeyBmp", 59, 84, kNoRect, kNoKey, 0},
                         }));

INSTANTIATE_TEST_SUITE_P(Altimeter, Clicks,
                         testing::ValuesIn<ClickCase>({
                             {"Altimetro", 6, 241, 2, 65884, 0},
                             {"Altimetro", 37, 304, 2, 65884, 0},
                             {"Altimetro", 5, 241, kNoRect, kNoKey, 0},
                             {"Altimetro", 6, 240, kNoRect, kNoKey, 0},
                             {"Altimetro", 6, 305, kNoRect, kNoKey, 0},
                             {"Altimetro", 38, 241, 3, 65883, 0},
                             {"Altimetro", 69, 304, 3, 65883, 0},
                             {"Altimetro", 70, 304, kNoRect, kNoKey, 0},
                             {"Altimetro", 69, 305, kNoRect, kNoKey, 0},
                             {"Altimetro", 151, 150, kNoRect, kNoKey, 0},
                         }));

INSTANTIATE_TEST_SUITE_P(Clock, Clicks,
                         testing::ValuesIn<ClickCase>({
                             {"Clock", 0, 228, 2, 65657, 0},
                             {"Clock", 35, 299, 2, 65657, 0},
                             {"Clock", 0, 227, kNoRect, kNoKey, 0},
                             {"Clock", 0, 300, kNoRect, kNoKey, 0},
                             {"Clock", 36, 228, 3, 65658, 0},
                             {"Clock", 71, 299, 3, 65658, 0},
                             {"Clock", 72, 299, kNoRect, kNoKey, 0},
                             {"Clock", 71, 300, kNoRect, kNoKey, 0},
                             {"Clock", 153, 151, kNoRect, kNoKey, 0},
                         }));

INSTANTIATE_TEST_SUITE_P(Accelerometer, Clicks,
                         testing::ValuesIn<ClickCase>({
                             {"Gmeter", 0, 260, 1, kNoKey, 1},
                             {"Gmeter", 39, 299, 1, kNoKey, 1},
                             {"Gmeter", 0, 259, kNoRect, kNoKey, 0},
                             {"Gmeter", 40, 299, kNoRect, kNoKey, 0},
                             {"Gmeter", 39, 300, kNoRect, kNoKey, 0},
                             {"Gmeter", 151, 151, kNoRect, kNoKey, 0},
                         }));

INSTANTIATE_TEST_SUITE_P(CompassCard, Clicks,
                         testing::ValuesIn<ClickCase>({
                             {"CompassNop", 0, 270, 1, kNoKey, 1},
                             {"CompassNop", 23, 318, 1, kNoKey, 1},
                             {"CompassNop", 0, 269, kNoRect, kNoKey, 0},
                             {"CompassNop", 24, 270, kNoRect, kNoKey, 0},
                             {"CompassNop", 23, 319, kNoRect, kNoKey, 0},
                             {"CompassNop", 25, 270, 2, kNoKey, 1},
                             {"CompassNop", 48, 318, 2, kNoKey, 1},
                             {"CompassNop", 49, 318, kNoRect, kNoKey, 0},
                             {"CompassNop", 48, 319, kNoRect, kNoKey, 0},
                             {"CompassNop", 160, 160, kNoRect, kNoKey, 0},
                         }));

// Gauges without a clickable region.
INSTANTIATE_TEST_SUITE_P(NotClickable, Clicks,
                         testing::ValuesIn<ClickCase>({
                             {"Turn", 0, 0, kNoRect, kNoKey, 0},
                             {"Turn", 151, 151, kNoRect, kNoKey, 0},
                             {"RadioCompass", 0, 0, kNoRect, kNoKey, 0},
                             {"RadioCompass", 151, 151, kNoRect, kNoKey, 0},
                             {"Hobb", 0, 0, kNoRect, kNoKey, 0},
                             {"Hobb", 99, 25, kNoRect, kNoKey, 0},
                         }));

struct HoldCase {
  const char* gauge;
  int x;
  int y;
  int key_event;  // or kNoKey for a mouse callback region
  int acts;       // key events sent or callbacks called over the hold
};

void PrintTo(const HoldCase& c, std::ostream* out) { *out << c.gauge << " at (" << c.x << ", " << c.y << ")"; }

class Holds : public testing::TestWithParam<HoldCase> {};

constexpr int kHoldTicks = 4;

TEST_P(Holds, RepeatOnlyWhereTheRegionRepeats) {
  const HoldCase& c = GetParam();
  const auto lines =
      lines_of(c.gauge, "hold " + std::to_string(c.x) + " " + std::to_string(c.y) + " " + std::to_string(kHoldTicks) + "\n");
  ASSERT_EQ(lines.size(), 1u);
  json expected_keys = json::array();
  if (c.key_event != kNoKey)
    for (int i = 0; i < c.acts; ++i) expected_keys.push_back({c.key_event, 0});
  EXPECT_EQ(lines[0]["key_events"], expected_keys);
  EXPECT_EQ(lines[0]["callbacks"], c.key_event == kNoKey ? c.acts : 0);
}

INSTANTIATE_TEST_SUITE_P(Knobs, Holds,
                         testing::ValuesIn<HoldCase>({
                             {"WiskeyBmp", 40, 140, 65878, kHoldTicks},
                             {"WiskeyBmp", 60, 140, 65877, kHoldTicks},
                             {"Altimetro", 10, 250, 65884, kHoldTicks},
                             {"Altimetro", 60, 250, 65883, kHoldTicks},
                             {"Clock", 10, 250, 65657, 1},
                             {"Clock", 60, 250, 65658, 1},
                             {"Gmeter", 10, 280, kNoKey, 1},
                             {"CompassNop", 10, 290, kNoKey, kHoldTicks},
                             {"CompassNop", 30, 290, kNoKey, kHoldTicks},
                         }));

// The value an element showed on an update line.
json value_of(const json& update, int element) { return update.at("elements").at(element).at("value"); }

// The update lines of a run, in order.
std::vector<json> updates_of(std::string_view gauge, std::string_view script) {
  std::vector<json> updates;
  for (const json& line : lines_of(gauge, script))
    if (line["event"] == "update") updates.push_back(line);
  return updates;
}

constexpr int kIndexArrow = 1;

TEST(CompassCardIndex, StepsAndWrapsThroughTheKnob) {
  const auto updates = updates_of("CompassNop",
                                  "update\n"
                                  "click 0 270\nupdate\n"
                                  "click 25 270\nupdate\n"
                                  "hold 25 270 3\nupdate\n"
                                  "hold 0 270 5\nupdate\n");
  ASSERT_EQ(updates.size(), 5u);
  EXPECT_EQ(value_of(updates[0], kIndexArrow), 0.0);    // a fresh module
  EXPECT_EQ(value_of(updates[1], kIndexArrow), 359.0);  // 0 down
  EXPECT_EQ(value_of(updates[2], kIndexArrow), 0.0);    // 359 up
  EXPECT_EQ(value_of(updates[3], kIndexArrow), 3.0);
  EXPECT_EQ(value_of(updates[4], kIndexArrow), 358.0);
}

TEST(CompassCardIndex, IsSharedKeptAcrossKillAndFreshAfterReload) {
  const auto updates = updates_of("CompassNop",
                                  "click 25 270\nclick 25 270\nclick 25 270\n"
                                  "new\nupdate\n"          // instance 2 sees 3
                                  "click 0 270\n"          // turned on instance 2
                                  "use 1\nupdate\n"        // instance 1 sees 2
                                  "kill\nnew\nupdate\n"    // a new instance still sees 2
                                  "reload\nupdate\n");     // a fresh module: 0
  ASSERT_EQ(updates.size(), 4u);
  EXPECT_EQ(updates[0]["instance"], 2);
  EXPECT_EQ(value_of(updates[0], kIndexArrow), 3.0);
  EXPECT_EQ(updates[1]["instance"], 1);
  EXPECT_EQ(value_of(updates[1], kIndexArrow), 2.0);
  EXPECT_EQ(value_of(updates[2], kIndexArrow), 2.0);
  EXPECT_EQ(value_of(updates[3], kIndexArrow), 0.0);
}

constexpr int kLoadNeedle = 1;
constexpr int kMinimumNeedle = 2;
constexpr int kMaximumNeedle = 3;

TEST(AccelerometerMemories, ResetThroughTheLowerLeftCorner) {
  const auto updates = updates_of("Gmeter",
                                  "set 351 3120\nupdate\n"
                                  "set 351 -1248\nupdate\n"
                                  "click 0 260\nset 351 624\nupdate\n");
  ASSERT_EQ(updates.size(), 3u);
  EXPECT_EQ(value_of(updates[1], kLoadNeedle), -2.0);
  EXPECT_EQ(value_of(updates[1], kMinimumNeedle), -2.0);
  EXPECT_EQ(value_of(updates[1], kMaximumNeedle), 5.0);
  for (int needle : {kLoadNeedle, kMinimumNeedle, kMaximumNeedle}) EXPECT_EQ(value_of(updates[2], needle), 1.0);
}

TEST(AccelerometerMemories, AreSharedKeptAcrossKillAndFreshAfterReload) {
  const auto updates = updates_of("Gmeter",
                                  "set 351 3120\nupdate\n"
                                  "new\nset 351 -1248\nupdate\n"  // instance 2 adds the minimum
                                  "use 1\nset 351 624\nupdate\n"  // instance 1 sees both
                                  "kill\nnew\nupdate\n"           // so does a new instance
                                  "reload\nupdate\n");            // a fresh module: 1 g
  ASSERT_EQ(updates.size(), 5u);
  EXPECT_EQ(updates[1]["instance"], 2);
  EXPECT_EQ(value_of(updates[1], kMaximumNeedle), 5.0);
  EXPECT_EQ(value_of(updates[2], kMinimumNeedle), -2.0);
  EXPECT_EQ(value_of(updates[2], kMaximumNeedle), 5.0);
  EXPECT_EQ(value_of(updates[3], kMinimumNeedle), -2.0);
  EXPECT_EQ(value_of(updates[3], kMaximumNeedle), 5.0);
  EXPECT_EQ(value_of(updates[4], kMinimumNeedle), 1.0);
  EXPECT_EQ(value_of(updates[4], kMaximumNeedle), 1.0);
}

TEST(AccelerometerMemories, AResetOnOneInstanceClearsBoth) {
  const auto updates = updates_of("Gmeter",
                                  "set 351 3120\nupdate\n"
                                  "new\nclick 0 260\n"
                                  "use 1\nset 351 624\nupdate\n");
  ASSERT_EQ(updates.size(), 2u);
  EXPECT_EQ(value_of(updates[1], kMaximumNeedle), 1.0);
}

// Every gauge takes any host value through a whole frame without a fault.
struct ExtremeCase {
  const char* gauge;
  const char* value;
};

void PrintTo(const ExtremeCase& c, std::ostream* out) { *out << c.gauge << " with " << c.value; }

class ExtremeHostValues : public testing::TestWithParam<ExtremeCase> {};

TEST_P(ExtremeHostValues, GoThroughAFrame) {
  const ExtremeCase& c = GetParam();
  std::string script;
  for (int variable : {3, 4, 5, 39, 69, 70, 74, 76, 83, 84, 351, 607})
    script += "set " + std::to_string(variable) + " " + c.value + "\n";
  script += "frame 2\n";
  const auto updates = updates_of(c.gauge, script);
  EXPECT_EQ(updates.size(), 1u);
}

std::vector<ExtremeCase> extreme_cases() {
  std::vector<ExtremeCase> cases;
  for (const char* gauge : {"WiskeyBmp", "Turn", "Altimetro", "Clock", "Gmeter", "RadioCompass", "CompassNop", "Hobb"})
    for (const char* value : {"nan", "inf", "-inf", "1e300", "-1e300"}) cases.push_back({gauge, value});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Corvel1, ExtremeHostValues, testing::ValuesIn(extreme_cases()));

}  // namespace
