// DisplaySwitch, its one-time reset at the first service 10, the toggle and
// the two switch rules.
#include <gtest/gtest.h>

#include <string>

#include "fake_library_services.h"
#include "gauge_test_support/case_name.h"
#include "runtime_test_support.h"

namespace {

using generated_runtime::DisplaySwitch;
using generated_runtime::ToggleDisplaySwitch;

// Read before any test runs: the switch as the module is loaded.
const std::int32_t kSwitchAtLoad = generated_runtime::DisplaySwitch;
const std::int32_t kResetDoneAtLoad = generated_runtime::DisplaySwitchResetDone;

TEST(DisplaySwitchAtLoad, IsOffAndNotYetReset) {
  EXPECT_EQ(kSwitchAtLoad, 0);
  EXPECT_EQ(kResetDoneAtLoad, 0);
}

struct SwitchCase {
  const char* name;
  const char* script;  // service ids, and "c" for a click on the switch
  std::int32_t expected;
};

std::ostream& operator<<(std::ostream& out, const SwitchCase& c) { return out << c.name; }

const SwitchCase kSwitchCases[] = {
    {"StartsOff", "4 6", 0},
    {"ClickBeforeFirstDrawIsUndone", "4 c 6 10", 0},
    {"ThreeClicksBeforeFirstDrawAreUndone", "4 c c c 10", 0},
    {"ClickAfterFirstDrawTurnsOn", "4 10 c", 1},
    {"SecondClickTurnsOff", "4 10 c c", 0},
    {"LaterDrawsLeaveItAlone", "4 10 c 6 10 10 10", 1},
    {"SecondInstanceDoesNotResetIt", "4 10 c 4 6 10", 1},
    {"KilledAndCreatedAgainKeepsIt", "4 10 c 12 4 6 10", 1},
    {"KillDoesNotTouchIt", "4 10 c 12", 1},
};

class DisplaySwitchTest : public testing::TestWithParam<SwitchCase> {
 protected:
  void SetUp() override {
    reset_fake_sound_library();
    reset_runtime_state(&fake_library_services());
  }
};

TEST_P(DisplaySwitchTest, FollowsClicksAndTheFirstDraw) {
  gauge_kit::PixelPoint point{.x = 0, .y = 0};
  run_script(GetParam().script, [&](const std::string& word) {
    if (word == "c") {
      EXPECT_EQ(ToggleDisplaySwitch(&point, gauge_kit::kMouseLeftSingle), 0);
    }
  });
  EXPECT_EQ(DisplaySwitch, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Scripts, DisplaySwitchTest, testing::ValuesIn(kSwitchCases),
                         gauge_test_support::CaseName());

TEST(ToggleDisplaySwitch, ReturnsFalseAndIgnoresItsArguments) {
  DisplaySwitch = 0;
  gauge_kit::PixelPoint points[] = {{.x = 0, .y = 0}, {.x = -5, .y = 1000}, {.x = 2147483647, .y = -2147483647}};
  for (gauge_kit::PixelPoint& point : points) {
    for (std::uint32_t flags : {0u, gauge_kit::kMouseLeftSingle, gauge_kit::kMouseLeftRepeat, 0xFFFFFFFFu}) {
      const std::int32_t before = DisplaySwitch;
      EXPECT_EQ(ToggleDisplaySwitch(&point, flags), 0);
      EXPECT_EQ(DisplaySwitch, 1 - before);
    }
  }
  EXPECT_EQ(ToggleDisplaySwitch(nullptr, 0), 0);
  DisplaySwitch = 0;
}

enum class Rule { GatingLit, GatingPlain, ValueLit, ValuePlain };

struct RuleCase {
  const char* name;
  Rule rule;
  std::int32_t display_switch;
  std::uint32_t flags_before;
  std::uint32_t flags_after;
  double value;  // switch value rules only
};

std::ostream& operator<<(std::ostream& out, const RuleCase& c) { return out << c.name; }

const RuleCase kRuleCases[] = {
    {"GatingLitOffHidesAndLights", Rule::GatingLit, 0, 0x83, 0x40000087, 0},
    {"GatingLitOnShowsAndLights", Rule::GatingLit, 1, 0x40000083, 0x87, 0},
    {"GatingLitTouchesNoOtherBit", Rule::GatingLit, 1, 0xFFFFFFFF, 0xBFFFFFFF, 0},
    {"GatingPlainOffHides", Rule::GatingPlain, 0, 0x83, 0x40000083, 0},
    {"GatingPlainOnShows", Rule::GatingPlain, 1, 0x40000083, 0x83, 0},
    {"GatingPlainLeavesBrightAlone", Rule::GatingPlain, 1, 0x87, 0x87, 0},
    {"ValueLitOff", Rule::ValueLit, 0, 0x83, 0x87, 0.0},
    {"ValueLitOnLeavesHiddenAlone", Rule::ValueLit, 1, 0x40000083, 0x40000087, 1.0},
    {"ValuePlainOn", Rule::ValuePlain, 1, 0x83, 0x83, 1.0},
    {"ValuePlainOffTouchesNothing", Rule::ValuePlain, 0, 0x40000083, 0x40000083, 0.0},
};

class SwitchRuleTest : public testing::TestWithParam<RuleCase> {};

TEST_P(SwitchRuleTest, SetsTheFlagsItsFormGives) {
  const RuleCase& c = GetParam();
  DisplaySwitch = c.display_switch;
  gauge_kit::ElementHeader element{};
  element.image_flags = c.flags_before;
  switch (c.rule) {
    case Rule::GatingLit:
      generated_runtime::SwitchGatingLit(&element);
      break;
    case Rule::GatingPlain:
      generated_runtime::SwitchGatingPlain(&element);
      break;
    case Rule::ValueLit:
      EXPECT_EQ(generated_runtime::SwitchValueLit(&element), c.value);
      break;
    case Rule::ValuePlain:
      EXPECT_EQ(generated_runtime::SwitchValuePlain(&element), c.value);
      break;
  }
  EXPECT_EQ(element.image_flags, c.flags_after);
  DisplaySwitch = 0;
}

INSTANTIATE_TEST_SUITE_P(Rules, SwitchRuleTest, testing::ValuesIn(kRuleCases),
                         gauge_test_support::CaseName());

}  // namespace
