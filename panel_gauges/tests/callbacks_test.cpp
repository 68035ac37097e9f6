// The module's stateless element callbacks, driven through the records as
// the host drives them: edge cases of each instrument plus NaN, both
// infinities and +-1e300 for every callback.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

#include "gauge_tree.h"

namespace {

using corvel1_test::Axis;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Same number, NaN matching NaN, finite values to a relative 1e-9.
testing::AssertionResult same_number(double actual, double expected) {
  if (std::isnan(expected)) {
    if (std::isnan(actual)) return testing::AssertionSuccess();
  } else if (std::isinf(expected) || expected == 0.0) {
    if (actual == expected) return testing::AssertionSuccess();
  } else if (std::fabs(actual - expected) <= 1e-9 * std::fabs(expected)) {
    return testing::AssertionSuccess();
  }
  return testing::AssertionFailure() << "got " << actual << ", expected " << expected;
}

struct CallbackCase {
  const char* gauge;
  int element;  // in drawing order
  Axis axis;
  double input;
  double expected;
};

void PrintTo(const CallbackCase& c, std::ostream* out) {
  *out << c.gauge << " element " << c.element << " axis " << static_cast<int>(c.axis) << " input " << c.input;
}

class ElementCallbacks : public testing::TestWithParam<CallbackCase> {};

TEST_P(ElementCallbacks, ReturnTheInstrumentsNumber) {
  const CallbackCase& c = GetParam();
  auto& element = *corvel1_test::drawing_order(corvel1_test::gauge_named(c.gauge)).at(c.element);
  EXPECT_TRUE(same_number(corvel1_test::update_element(element, c.axis, c.input).value, c.expected));
}

constexpr int kCompassCard = 1;
INSTANTIATE_TEST_SUITE_P(MagneticCompass, ElementCallbacks,
                         testing::ValuesIn<CallbackCase>({
                             {"WiskeyBmp", kCompassCard, Axis::X, 0.0, 360.0},
                             {"WiskeyBmp", kCompassCard, Axis::X, 360.0, 0.0},
                             {"WiskeyBmp", kCompassCard, Axis::X, 90.0, 270.0},
                             {"WiskeyBmp", kCompassCard, Axis::X, -0.5, 0.0},
                             {"WiskeyBmp", kCompassCard, Axis::X, 360.5, 0.0},
                             {"WiskeyBmp", kCompassCard, Axis::X, kNaN, kNaN},
                             {"WiskeyBmp", kCompassCard, Axis::X, kInf, 0.0},
                             {"WiskeyBmp", kCompassCard, Axis::X, -kInf, 0.0},
                             {"WiskeyBmp", kCompassCard, Axis::X, 1e300, 0.0},
                             {"WiskeyBmp", kCompassCard, Axis::X, -1e300, 0.0},
                             {"WiskeyBmp", kCompassCard, Axis::Y, 0.0, 1.0},
                             {"WiskeyBmp", kCompassCard, Axis::Y, kNaN, 1.0},
                             {"WiskeyBmp", kCompassCard, Axis::Y, kInf, 1.0},
                             {"WiskeyBmp", kCompassCard, Axis::Y, -kInf, 1.0},
                             {"WiskeyBmp", kCompassCard, Axis::Y, 1e300, 1.0},
                             {"WiskeyBmp", kCompassCard, Axis::Y, -1e300, 1.0},
                         }));

constexpr int kTurnBall = 1;
constexpr int kTurnNeedle = 2;
INSTANTIATE_TEST_SUITE_P(TurnCoordinator, ElementCallbacks,
                         testing::ValuesIn<CallbackCase>({
                             {"Turn", kTurnNeedle, Axis::Only, 0.0, 0.0},
                             {"Turn", kTurnNeedle, Axis::Only, 900.0, 900.0},
                             {"Turn", kTurnNeedle, Axis::Only, 900.1, 900.0},
                             {"Turn", kTurnNeedle, Axis::Only, -900.0, -900.0},
                             {"Turn", kTurnNeedle, Axis::Only, -900.5, -900.0},
                             {"Turn", kTurnNeedle, Axis::Only, kNaN, kNaN},
                             {"Turn", kTurnNeedle, Axis::Only, kInf, 900.0},
                             {"Turn", kTurnNeedle, Axis::Only, -kInf, -900.0},
                             {"Turn", kTurnNeedle, Axis::Only, 1e300, 900.0},
                             {"Turn", kTurnNeedle, Axis::Only, -1e300, -900.0},
                             {"Turn", kTurnBall, Axis::Y, 0.0, 0.0},
                             {"Turn", kTurnBall, Axis::Y, 100.0, -2.0},
                             {"Turn", kTurnBall, Axis::Y, 127.0, -2.54},
                             {"Turn", kTurnBall, Axis::Y, -127.0, -2.54},
                             {"Turn", kTurnBall, Axis::Y, kNaN, 0.0},
                             {"Turn", kTurnBall, Axis::Y, kInf, -kInf},
                             {"Turn", kTurnBall, Axis::Y, -kInf, -kInf},
                             {"Turn", kTurnBall, Axis::Y, 1e300, -2e298},
                             {"Turn", kTurnBall, Axis::Y, -1e300, -2e298},
                         }));

constexpr int kDisc = 1;
constexpr int kShortPointer = 3;
constexpr int kLongPointer = 4;
INSTANTIATE_TEST_SUITE_P(AltimeterPointers, ElementCallbacks,
                         testing::ValuesIn<CallbackCase>({
                             {"Altimetro", kLongPointer, Axis::Only, 12345.6, 345.0},
                             {"Altimetro", kShortPointer, Axis::Only, 12345.6, 234.0},
                             {"Altimetro", kDisc, Axis::Only, 12345.6, 123.0},
                             {"Altimetro", kLongPointer, Axis::Only, 999.9, 999.0},
                             {"Altimetro", kShortPointer, Axis::Only, 999.9, 99.0},
                             {"Altimetro", kDisc, Axis::Only, 999.9, 9.0},
                             {"Altimetro", kLongPointer, Axis::Only, 1000.0, 0.0},
                             {"Altimetro", kShortPointer, Axis::Only, 1000.0, 100.0},
                             {"Altimetro", kLongPointer, Axis::Only, -250.7, -250.0},
                             {"Altimetro", kShortPointer, Axis::Only, -250.7, -25.0},
                             {"Altimetro", kDisc, Axis::Only, -250.7, -2.0},
                             {"Altimetro", kDisc, Axis::Only, 99900.0, 999.0},
                             {"Altimetro", kDisc, Axis::Only, 100000.0, 1000.0},
                             {"Altimetro", kLongPointer, Axis::Only, kNaN, 0.0},
                             {"Altimetro", kShortPointer, Axis::Only, kNaN, 0.0},
                             {"Altimetro", kDisc, Axis::Only, kNaN, 0.0},
                             // Beyond the 32-bit range the altitude holds at its ends,
                             // 2147483647 and -2147483648 feet.
                             {"Altimetro", kLongPointer, Axis::Only, kInf, 647.0},
                             {"Altimetro", kShortPointer, Axis::Only, kInf, 364.0},
                             {"Altimetro", kDisc, Axis::Only, kInf, 21474836.0},
                             {"Altimetro", kLongPointer, Axis::Only, -kInf, -648.0},
                             {"Altimetro", kShortPointer, Axis::Only, -kInf, -364.0},
                             {"Altimetro", kDisc, Axis::Only, -kInf, -21474836.0},
                             {"Altimetro", kLongPointer, Axis::Only, 1e300, 647.0},
                             {"Altimetro", kShortPointer, Axis::Only, 1e300, 364.0},
                             {"Altimetro", kDisc, Axis::Only, 1e300, 21474836.0},
                             {"Altimetro", kLongPointer, Axis::Only, -1e300, -648.0},
                             {"Altimetro", kShortPointer, Axis::Only, -1e300, -364.0},
                             {"Altimetro", kDisc, Axis::Only, -1e300, -21474836.0},
                         }));

constexpr int kRadioNeedle = 1;
constexpr int kCardNeedle = 2;
INSTANTIATE_TEST_SUITE_P(CompassNeedles, ElementCallbacks,
                         testing::ValuesIn<CallbackCase>({
                             {"RadioCompass", kRadioNeedle, Axis::Only, 0.0, -90.0},
                             {"RadioCompass", kRadioNeedle, Axis::Only, 90.0, 0.0},
                             {"RadioCompass", kRadioNeedle, Axis::Only, 270.0, 180.0},
                             {"RadioCompass", kRadioNeedle, Axis::Only, 359.0, 269.0},
                             {"RadioCompass", kRadioNeedle, Axis::Only, kNaN, kNaN},
                             {"RadioCompass", kRadioNeedle, Axis::Only, kInf, kInf},
                             {"RadioCompass", kRadioNeedle, Axis::Only, -kInf, -kInf},
                             {"RadioCompass", kRadioNeedle, Axis::Only, 1e300, 1e300},
                             {"RadioCompass", kRadioNeedle, Axis::Only, -1e300, -1e300},
                             {"CompassNop", kCardNeedle, Axis::Only, 0.0, -90.0},
                             {"CompassNop", kCardNeedle, Axis::Only, 90.0, 0.0},
                             {"CompassNop", kCardNeedle, Axis::Only, 359.0, 269.0},
                             {"CompassNop", kCardNeedle, Axis::Only, kNaN, kNaN},
                             {"CompassNop", kCardNeedle, Axis::Only, kInf, kInf},
                             {"CompassNop", kCardNeedle, Axis::Only, -kInf, -kInf},
                             {"CompassNop", kCardNeedle, Axis::Only, 1e300, 1e300},
                             {"CompassNop", kCardNeedle, Axis::Only, -1e300, -1e300},
                         }));

// The hour meter's six drums for one time in seconds.
struct DrumCase {
  double seconds;
  double drums[6];  // thousands, hundreds, tens, units, tenths, hundredths
};

void PrintTo(const DrumCase& c, std::ostream* out) { *out << c.seconds << " s"; }

class HourMeterDrums : public testing::TestWithParam<DrumCase> {};

TEST_P(HourMeterDrums, ShowTheHours) {
  const DrumCase& c = GetParam();
  const auto elements = corvel1_test::drawing_order(corvel1_test::gauge_named("Hobb"));
  ASSERT_EQ(elements.size(), 7u);
  for (int drum = 0; drum < 6; ++drum) {
    SCOPED_TRACE("drum " + std::to_string(drum));
    EXPECT_TRUE(same_number(corvel1_test::update_element(*elements[drum + 1], Axis::Y, c.seconds).value,
                            c.drums[drum]));
  }
}

constexpr double kHour = 3600.0;
INSTANTIATE_TEST_SUITE_P(
    HourMeter, HourMeterDrums,
    testing::ValuesIn<DrumCase>({
        {0.0, {0, 0, 0, 0, 0.0, 0.0}},
        {444600.0, {0, 1, 2, 3, 50.0, 0.0}},
        {120 * kHour, {0, 1, 2, 0, 0.0, 0.0}},
        {700 * kHour, {0, 7, 0, 0, 0.0, 0.0}},
        {1400 * kHour, {1, 4, 0, 0, 0.0, 0.0}},
        {3599.0, {0, 0, 0, 0, 99.97222222222222, 99.72222222222222}},
        {36000000.0, {10, 0, 0, 0, 0.0, 0.0}},
        {-444600.0, {0, -1, -2, -3, -50.0, 0.0}},
        {kNaN, {0, 0, 0, 0, kNaN, kNaN}},
        // Beyond the 32-bit range the whole hours hold at 2147483647 and
        // -2147483648; the rolling drums get the remaining distance.
        {kInf, {2147483, 6, 4, 7, kInf, kInf}},
        {-kInf, {-2147483, -6, -4, -8, -kInf, -kInf}},
        {1e300, {2147483, 6, 4, 7, 1e300 / kHour * 100, 1e300 / kHour * 1000}},
        {-1e300, {-2147483, -6, -4, -8, -1e300 / kHour * 100, -1e300 / kHour * 1000}},
    }));

// The altimeter's setting window.
struct SettingCase {
  double setting;
  const char* text;
};

void PrintTo(const SettingCase& c, std::ostream* out) { *out << c.setting; }

class AltimeterSettingWindow : public testing::TestWithParam<SettingCase> {};

TEST_P(AltimeterSettingWindow, ShowsFiveCharactersAndReturnsTheSetting) {
  const SettingCase& c = GetParam();
  auto& window = *corvel1_test::drawing_order(corvel1_test::gauge_named("Altimetro")).at(2);
  const auto result = corvel1_test::update_element(window, Axis::Only, c.setting);
  EXPECT_EQ(result.text, c.text);
  EXPECT_TRUE(same_number(result.value, c.setting));
}

INSTANTIATE_TEST_SUITE_P(Altimeter, AltimeterSettingWindow,
                         testing::ValuesIn<SettingCase>({
                             {29.925, "29.92"},
                             {30.0, "30.00"},
                             {9.5, " 9.50"},
                             {0.0, " 0.00"},
                             {-0.0, " 0.00"},
                             {99.999, "99.99"},
                             {99.99999999999999, "99.99"},
                             // Settings stored just below their last digit keep it.
                             {29.95, "29.95"},
                             {29.29, "29.29"},
                             {28.86, "28.86"},
                             {100.0, "--.--"},
                             {-0.01, "--.--"},
                             {-250.7, "--.--"},
                             {4294967296.5, "--.--"},
                             {kNaN, "--.--"},
                             {kInf, "--.--"},
                             {-kInf, "--.--"},
                             {1e300, "--.--"},
                             {-1e300, "--.--"},
                         }));

}  // namespace
