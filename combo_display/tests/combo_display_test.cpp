// The combination display's callbacks, driven through its records.
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

// Element numbers as the gauge's drawing order counts them, from 1.
class ComboTest : public testing::Test {
 protected:
  void SetUp() override {
    elements = gauge_test_support::drawing_order(generated_runtime::ModuleGauge);
    ASSERT_EQ(elements.size(), 13u);
    for (ElementHeader* element : elements) element->image_flags = 0x83;
    DisplaySwitch = 0;
  }
  void TearDown() override { DisplaySwitch = 0; }

  ElementHeader* element(int number) const { return elements[static_cast<std::size_t>(number - 1)]; }

  std::vector<ElementHeader*> elements;
};

enum class Axis { Needle, SliderX, SliderY };

struct NumberCase {
  int element;
  Axis axis;
  double source;
  double expected;
};

std::ostream& operator<<(std::ostream& out, const NumberCase& c) {
  return out << "element " << c.element << " with " << c.source;
}

const NumberCase kNumberCases[] = {
    {3, Axis::Needle, 10.0, 3.048},
    {3, Axis::Needle, 100.0, 20.0},
    {3, Axis::Needle, -100.0, -20.0},
    {3, Axis::Needle, 65.6, 19.99488},
    {3, Axis::Needle, kNaN, kNaN},
    {3, Axis::Needle, kInf, 20.0},
    {3, Axis::Needle, -kInf, -20.0},
    {3, Axis::Needle, 1e300, 20.0},
    {3, Axis::Needle, -1e300, -20.0},
    {4, Axis::Needle, 100.0, 185.32},
    {4, Axis::Needle, 150.0, 250.0},
    {4, Axis::Needle, -10.0, 0.0},
    {4, Axis::Needle, 134.9, 249.99668},
    {4, Axis::Needle, kNaN, kNaN},
    {4, Axis::Needle, kInf, 250.0},
    {4, Axis::Needle, -kInf, 0.0},
    {4, Axis::Needle, 1e300, 250.0},
    {4, Axis::Needle, -1e300, 0.0},
    {12, Axis::SliderY, 120.0, 106.0},
    {12, Axis::SliderY, -3.0, 0.0},
    {12, Axis::SliderY, 50.0, 50.0},
    {12, Axis::SliderY, 106.0, 106.0},
    {12, Axis::SliderY, kNaN, kNaN},
    {12, Axis::SliderY, kInf, 106.0},
    {12, Axis::SliderY, -1e300, 0.0},
    {12, Axis::SliderX, 0.0, 0.0},
    {12, Axis::SliderX, 7.5, 7.5},
    {12, Axis::SliderX, -1e300, -1e300},
    {12, Axis::SliderX, kInf, kInf},
    {12, Axis::SliderX, kNaN, kNaN},
};

class ComboNumberTest : public ComboTest, public testing::WithParamInterface<NumberCase> {};

TEST_P(ComboNumberTest, ConvertsAndClamps) {
  const NumberCase& c = GetParam();
  ElementHeader* target = element(c.element);
  double result = 0.0;
  switch (c.axis) {
    case Axis::Needle:
      element_as<NeedleElement>(target).source.value = c.source;
      result = element_as<NeedleElement>(target).callback(target);
      break;
    case Axis::SliderX:
      element_as<SliderElement>(target).x_source.value = c.source;
      result = element_as<SliderElement>(target).x_callback(target);
      break;
    case Axis::SliderY:
      element_as<SliderElement>(target).y_source.value = c.source;
      result = element_as<SliderElement>(target).y_callback(target);
      break;
  }
  if (std::isnan(c.expected))
    EXPECT_TRUE(std::isnan(result));
  else if (std::isinf(c.expected) || std::abs(c.expected) > 1e100)
    EXPECT_EQ(result, c.expected);
  else
    EXPECT_NEAR(result, c.expected, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Needles, ComboNumberTest, testing::ValuesIn(kNumberCases));

struct TextCase {
  int element;
  double source;
  std::string expected;
};

std::ostream& operator<<(std::ostream& out, const TextCase& c) {
  return out << "element " << c.element << " with " << c.source;
}

std::string flight_time(const std::string& number) { return "00:00" + std::string(300 - number.size(), ' ') + number; }

const TextCase kTextCases[] = {
    {5, 600.0, "060"},
    {5, 400.0, "-51"},
    {5, 491.67, "000"},
    {5, 0.0, "-273"},
    {5, 1000.0, "283"},
    {5, kNaN, "nan"},
    {5, kInf, "inf"},
    {5, -kInf, "-inf"},
    {5, 1e300, "inf"},
    {5, -1e300, "-inf"},
    {6, 1000.0, "  305"},
    {6, 12345.678, " 3763"},
    {6, -100.0, "  -30"},
    {6, 3280.84, " 1000"},
    {6, 405039.37, "123456"},
    {6, kNaN, "  nan"},
    {6, kInf, "  inf"},
    {6, -1e300, " -inf"},
    {7, 7.0, "07:"},
    {7, 12.0, "12:"},
    {7, 2.5, "03:"},
    {7, kNaN, "nan:"},
    {7, 1e300, "inf:"},
    {8, 5.0, "05"},
    {8, 123.0, "123"},
    {8, 2.5, "03"},
    {8, -2.5, "-3"},
    {8, -kInf, "-inf"},
    {9, 600.0, "060"},
    {9, 491.67, "000"},
    {9, 0.0, "-273"},
    {9, kNaN, "nan"},
    {10, 12345.678, "12346"},
    {10, 16777217.0, "16777216"},
    {10, 3.4e38, "339999995214436424907732413799364296704"},
    {10, -1e300, "-inf"},
    {10, kNaN, "nan"},
    {11, 0.0, flight_time("0")},
    {11, kNaN, flight_time("nan")},
    {11, -kInf, flight_time("-inf")},
    {11, 1e300, flight_time("inf")},
    {11, -3.4e38, flight_time("-339999995214436424907732413799364296704")},
};

class ComboTextTest : public ComboTest, public testing::WithParamInterface<TextCase> {};

TEST_P(ComboTextTest, PrintsTheReadOut) {
  const TextCase& c = GetParam();
  StringElement& string = element_as<StringElement>(element(c.element));
  gauge_test_support::HostTextBuffer buffer(string);
  string.sources[0].value = c.source;
  for (std::int32_t display : {0, 1}) {
    DisplaySwitch = display;
    EXPECT_EQ(string.callback(&string.header), 0.0);
    EXPECT_EQ(buffer.text(), c.expected);
  }
}

INSTANTIATE_TEST_SUITE_P(ReadOuts, ComboTextTest, testing::ValuesIn(kTextCases));

TEST_F(ComboTest, FlightTimeIsAlways305Characters) {
  StringElement& string = element_as<StringElement>(element(11));
  gauge_test_support::HostTextBuffer buffer(string);
  string.sources[0].value = 0.0;
  string.callback(&string.header);
  EXPECT_EQ(buffer.text().size(), 305u);
  EXPECT_EQ(buffer.text().substr(0, 5), "00:00");
}

// Image flags after one update with the display off and on, elements 1 to 13.
const std::uint32_t kFlagsOff[] = {0x83,       0x87,       0x40000087, 0x40000087, 0x40000083,
                                   0x40000087, 0x40000087, 0x40000087, 0x40000087, 0x40000087,
                                   0x40000087, 0x40000087, 0x87};
const std::uint32_t kFlagsOn[] = {0x83, 0x87, 0x87, 0x87, 0x83, 0x87, 0x87, 0x87, 0x87, 0x87, 0x87, 0x87, 0x87};

TEST_F(ComboTest, UpdatesHideEverythingButFaceAndButtonWhileOff) {
  for (const auto& [display, expected] : {std::pair{0, kFlagsOff}, std::pair{1, kFlagsOn}, std::pair{0, kFlagsOff}}) {
    DisplaySwitch = display;
    for (ElementHeader* each : elements) gauge_test_support::update_element(each);
    for (int number = 1; number <= 13; ++number) {
      SCOPED_TRACE("element " + std::to_string(number) + ", display " + std::to_string(display));
      EXPECT_EQ(element(number)->image_flags, expected[number - 1]);
    }
  }
}

TEST_F(ComboTest, FaceAndButtonShowTheSwitch) {
  for (int number : {2, 13}) {
    IconElement& icon = element_as<IconElement>(element(number));
    DisplaySwitch = 0;
    EXPECT_EQ(icon.callback(&icon.header), 0.0);
    DisplaySwitch = 1;
    EXPECT_EQ(icon.callback(&icon.header), 1.0);
  }
}

TEST_F(ComboTest, ButtonRegionTogglesTheSwitch) {
  MouseRect& button = generated_runtime::ModuleGauge.mouse_rects[1];
  ASSERT_EQ(button.kind, MouseRectKind::Child);
  PixelPoint point{.x = 0, .y = 0};
  EXPECT_EQ(button.target.callback(&point, button.mouse_flags), 0);
  EXPECT_EQ(DisplaySwitch, 1);
  EXPECT_EQ(button.target.callback(&point, button.mouse_flags), 0);
  EXPECT_EQ(DisplaySwitch, 0);
}

}  // namespace
