// The metric altimeter's callbacks, driven through its records.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "gauge_test_support/element_tree.h"
#include "generated_runtime/display_switch.h"
#include "generated_runtime/module_record.h"

namespace {

using namespace gauge_kit;

static_assert(!generated_runtime::kHasDisplaySwitch, "the metric altimeter carries no display switch");

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Drawing order: face, turning disc, cover, needle, read-out.
class MetricAltimeterTest : public testing::Test {
 protected:
  void SetUp() override {
    elements = gauge_test_support::drawing_order(generated_runtime::ModuleGauge);
    ASSERT_EQ(elements.size(), 5u);
    for (ElementHeader* element : elements) element->image_flags = 0x83;
  }

  NeedleElement& needle() const { return element_as<NeedleElement>(elements[3]); }
  SpriteElement& disc() const { return element_as<SpriteElement>(elements[1]); }
  StringElement& read_out() const { return element_as<StringElement>(elements[4]); }

  std::vector<ElementHeader*> elements;
};

void expect_same_number(double actual, double expected) {
  if (std::isnan(expected))
    EXPECT_TRUE(std::isnan(actual));
  else if (std::isinf(expected) || std::abs(expected) > 1e100)
    EXPECT_DOUBLE_EQ(actual, expected);
  else
    EXPECT_NEAR(actual, expected, 1e-9);
}

enum class Callback { Needle, DiscAngle, DiscX, DiscY };

struct NumberCase {
  Callback callback;
  double feet;
  double expected;
};

std::ostream& operator<<(std::ostream& out, const NumberCase& c) {
  return out << static_cast<int>(c.callback) << " with " << c.feet;
}

const NumberCase kNumberCases[] = {
    {Callback::Needle, 0.0, 0.0},
    {Callback::Needle, 1000.0, 304.8},
    {Callback::Needle, -100.0, -30.48},
    {Callback::Needle, 3281.0, 1000.0488},
    {Callback::Needle, kNaN, kNaN},
    {Callback::Needle, kInf, kInf},
    {Callback::Needle, -kInf, -kInf},
    {Callback::Needle, 1e300, 3.048e299},
    {Callback::Needle, -1e300, -3.048e299},
    {Callback::DiscAngle, 0.0, 0.0},
    {Callback::DiscAngle, 1000.0, 10.416666666666666},
    {Callback::DiscAngle, 960.0, 10.0},
    {Callback::DiscAngle, -100.0, 0.0},
    {Callback::DiscAngle, kNaN, kNaN},
    {Callback::DiscAngle, kInf, kInf},
    {Callback::DiscAngle, -kInf, 0.0},
    {Callback::DiscAngle, 1e300, 1e300 / 96.0},
    {Callback::DiscAngle, -1e300, 0.0},
    {Callback::DiscX, 0.0, 0.0},
    {Callback::DiscX, kNaN, kNaN},
    {Callback::DiscX, -kInf, -kInf},
    {Callback::DiscY, 0.0, 0.0},
    {Callback::DiscY, 1e300, 1e300},
};

class MetricAltimeterNumberTest : public MetricAltimeterTest, public testing::WithParamInterface<NumberCase> {};

TEST_P(MetricAltimeterNumberTest, GivesTheNumberShown) {
  const NumberCase& c = GetParam();
  double result = 0.0;
  switch (c.callback) {
    case Callback::Needle:
      needle().source.value = c.feet;
      result = needle().callback(&needle().header);
      break;
    case Callback::DiscAngle:
      disc().angle_source.value = c.feet;
      result = disc().angle_callback(&disc().header);
      break;
    case Callback::DiscX:
      disc().x_source.value = c.feet;
      result = disc().x_callback(&disc().header);
      break;
    case Callback::DiscY:
      disc().y_source.value = c.feet;
      result = disc().y_callback(&disc().header);
      break;
  }
  expect_same_number(result, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, MetricAltimeterNumberTest, testing::ValuesIn(kNumberCases));

struct TextCase {
  double value;
  const char* expected;
};

std::ostream& operator<<(std::ostream& out, const TextCase& c) { return out << c.value; }

const TextCase kTextCases[] = {
    {1013.25, "1013"},
    {1012.5, "1013"},
    {1012.49999, "1013"},
    {16777217.0, "16777216"},
    {2.5, "3"},
    {-2.5, "-3"},
    {-1012.5, "-1013"},
    {0.0, "0"},
    {kNaN, "nan"},
    {-kNaN, "nan"},
    {kInf, "inf"},
    {-kInf, "-inf"},
    {1e300, "inf"},
    {-1e300, "-inf"},
    {3.4e38, "339999995214436424907732413799364296704"},
};

class MetricAltimeterTextTest : public MetricAltimeterTest, public testing::WithParamInterface<TextCase> {};

TEST_P(MetricAltimeterTextTest, PrintsTheNarrowedValue) {
  gauge_test_support::HostTextBuffer buffer(read_out());
  read_out().sources[0].value = GetParam().value;
  EXPECT_EQ(read_out().callback(&read_out().header), 0.0);
  EXPECT_EQ(buffer.text(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, MetricAltimeterTextTest, testing::ValuesIn(kTextCases));

TEST_F(MetricAltimeterTest, UpdatesBrightenTheDiscNeedleAndReadOut) {
  gauge_test_support::HostTextBuffer buffer(read_out());
  for (ElementHeader* each : elements) gauge_test_support::update_element(each);
  const std::uint32_t expected[] = {0x83, 0x87, 0x83, 0x87, 0x87};
  for (std::size_t i = 0; i < elements.size(); ++i) EXPECT_EQ(elements[i]->image_flags, expected[i]) << i;
}

// Key events the gauge asks the host to send.
std::vector<std::pair<std::uint32_t, std::uint32_t>> sent;
void GAUGE_CALL record_key_event(std::uint32_t key_event, std::uint32_t value) { sent.emplace_back(key_event, value); }

class MetricAltimeterKnobTest : public MetricAltimeterTest {
 protected:
  void SetUp() override {
    MetricAltimeterTest::SetUp();
    sent.clear();
    host.trigger_key_event = record_key_event;
    ::ImportTable.host_services.table = &host;
  }
  void TearDown() override { ::ImportTable.host_services.table = nullptr; }

  // The children of the mouse list: the knob's right half, then its left half.
  MouseRect& knob_half(int index) const { return generated_runtime::ModuleGauge.mouse_rects[2 + index]; }

  HostServices host{};
};

TEST_F(MetricAltimeterKnobTest, EachCallSendsOneEventWhateverThePointAndFlags) {
  const std::pair<int, std::uint32_t> halves[] = {{0, 65883}, {1, 65884}};  // 0x1015B, 0x1015C
  for (const auto& [index, key_event] : halves) {
    MouseRect& half = knob_half(index);
    ASSERT_EQ(half.kind, MouseRectKind::Child);
    PixelPoint points[] = {{.x = 0, .y = 0}, {.x = -1, .y = 99999}};
    for (PixelPoint& point : points) {
      for (std::uint32_t flags : {kMouseLeftRepeat, kMouseLeftSingle, 0u}) {
        sent.clear();
        EXPECT_EQ(half.target.callback(&point, flags), 0);
        EXPECT_EQ(sent, (std::vector<std::pair<std::uint32_t, std::uint32_t>>{{key_event, 0}}));
      }
    }
  }
}

TEST_F(MetricAltimeterKnobTest, WithoutTheHostsTableNothingIsSent) {
  ::ImportTable.host_services.table = nullptr;
  PixelPoint point{.x = 0, .y = 0};
  EXPECT_EQ(knob_half(0).target.callback(&point, kMouseLeftRepeat), 0);
  EXPECT_TRUE(sent.empty());
}

}  // namespace
