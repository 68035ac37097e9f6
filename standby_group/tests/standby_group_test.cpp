// The standby vertical-speed group's callbacks, driven through its records.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "gauge_test_support/element_tree.h"
#include "generated_runtime/display_switch.h"
#include "generated_runtime/module_record.h"

namespace {

using namespace gauge_kit;
using generated_runtime::DisplaySwitch;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Drawing order: panel, switch image, face, vertical-speed needle, pendulum.
class StandbyGroupTest : public testing::Test {
 protected:
  void SetUp() override {
    elements = gauge_test_support::drawing_order(generated_runtime::ModuleGauge);
    ASSERT_EQ(elements.size(), 5u);
    for (ElementHeader* element : elements) element->image_flags = 0x83;
    DisplaySwitch = 0;
  }
  void TearDown() override { DisplaySwitch = 0; }

  NeedleElement& needle(std::size_t index) const { return element_as<NeedleElement>(elements[index]); }
  IconElement& icon(std::size_t index) const { return element_as<IconElement>(elements[index]); }

  std::vector<ElementHeader*> elements;
};

struct NeedleCase {
  std::size_t element;  // 3 vertical speed, 4 pendulum
  double source;
  double expected;
};

std::ostream& operator<<(std::ostream& out, const NeedleCase& c) {
  return out << "element " << c.element << " with " << c.source;
}

const NeedleCase kNeedleCases[] = {
    {3, 50.0, 15.24},
    {3, 100.0, 20.0},
    {3, -100.0, -20.0},
    {3, 65.6168, 20.0},
    {3, kNaN, kNaN},
    {3, kInf, 20.0},
    {3, -kInf, -20.0},
    {3, 1e300, 20.0},
    {3, -1e300, -20.0},
    {4, 200.0, 127.0},
    {4, -200.0, -127.0},
    {4, 50.0, 50.0},
    {4, 127.0, 127.0},
    {4, -127.0, -127.0},
    {4, kNaN, kNaN},
    {4, kInf, 127.0},
    {4, -kInf, -127.0},
    {4, 1e300, 127.0},
    {4, -1e300, -127.0},
};

class StandbyGroupNeedleTest : public StandbyGroupTest, public testing::WithParamInterface<NeedleCase> {};

TEST_P(StandbyGroupNeedleTest, ConvertsAndClampsWhetherShownOrHidden) {
  const NeedleCase& c = GetParam();
  NeedleElement& target = needle(c.element);
  target.source.value = c.source;
  for (std::int32_t display : {0, 1}) {
    DisplaySwitch = display;
    const double result = target.callback(&target.header);
    if (std::isnan(c.expected))
      EXPECT_TRUE(std::isnan(result));
    else
      EXPECT_NEAR(result, c.expected, 1e-9);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, StandbyGroupNeedleTest, testing::ValuesIn(kNeedleCases));

TEST_F(StandbyGroupTest, UpdatesFollowTheSwitch) {
  // Panel, switch image, face, vertical-speed needle, pendulum.
  const std::uint32_t off[] = {0x83, 0x83, 0x87, 0x40000087, 0x87};
  const std::uint32_t on[] = {0x83, 0x83, 0x87, 0x87, 0x87};
  for (const auto& [display, expected] : {std::pair{0, off}, std::pair{1, on}, std::pair{0, off}}) {
    DisplaySwitch = display;
    for (ElementHeader* each : elements) gauge_test_support::update_element(each);
    for (std::size_t i = 0; i < elements.size(); ++i)
      EXPECT_EQ(elements[i]->image_flags, expected[i]) << "element " << i << ", display " << display;
    EXPECT_EQ(icon(1).callback(&icon(1).header), display);
    EXPECT_EQ(icon(2).callback(&icon(2).header), display);
  }
}

TEST_F(StandbyGroupTest, SwitchRegionTogglesTheSwitch) {
  MouseRect& region = generated_runtime::ModuleGauge.mouse_rects[2];
  ASSERT_EQ(region.kind, MouseRectKind::Child);
  PixelPoint point{.x = 0, .y = 0};
  EXPECT_EQ(region.target.callback(&point, region.mouse_flags), 0);
  EXPECT_EQ(DisplaySwitch, 1);
  EXPECT_EQ(region.target.callback(&point, region.mouse_flags), 0);
  EXPECT_EQ(DisplaySwitch, 0);
}

}  // namespace
