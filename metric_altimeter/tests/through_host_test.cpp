// The metric altimeter loaded and driven by the panel host.
#include <gtest/gtest.h>

#include <string>

#include "gauge_test_support/case_name.h"
#include "gauge_test_support/panel_host_run.h"

namespace {

using nlohmann::json;

gauge_test_support::PanelHostRun run(const std::string& script, const std::string& options = "") {
  return gauge_test_support::run_panel_host(PANEL_HOST, MODULE_FILE, "ID_Norva_AltimMtr", script, options);
}

struct KnobCase {
  int x;
  int y;
  json rect;
  int cursor;
  json key_events;
};

std::ostream& operator<<(std::ostream& out, const KnobCase& c) { return out << c.x << "," << c.y; }

// The right half covers 95..112 across, the left half 71..87; both 167..197 down.
const KnobCase kKnobCases[] = {
    {100, 180, 2, 1, json::array({json::array({65883, 0})})},  // 0x1015B
    {95, 167, 2, 1, json::array({json::array({65883, 0})})},
    {112, 197, 2, 1, json::array({json::array({65883, 0})})},
    {75, 180, 3, 2, json::array({json::array({65884, 0})})},  // 0x1015C
    {71, 167, 3, 2, json::array({json::array({65884, 0})})},
    {87, 197, 3, 2, json::array({json::array({65884, 0})})},
    {90, 180, nullptr, -1, json::array()},
    {94, 180, nullptr, -1, json::array()},
    {113, 180, nullptr, -1, json::array()},
    {100, 166, nullptr, -1, json::array()},
    {100, 198, nullptr, -1, json::array()},
    {70, 180, nullptr, -1, json::array()},
    {10, 10, nullptr, -1, json::array()},
};

class MetricAltimeterKnobTest : public testing::TestWithParam<KnobCase> {};

TEST_P(MetricAltimeterKnobTest, HalvesSendTheSettingKeyEvents) {
  const KnobCase& c = GetParam();
  const auto result = run("frame\nclick " + std::to_string(c.x) + " " + std::to_string(c.y) + "\n");
  ASSERT_EQ(result.exit_status, 0);
  const json click = result.of("click").at(0);
  EXPECT_EQ(click.at("rect"), c.rect);
  EXPECT_EQ(click.at("cursor"), c.cursor);
  EXPECT_EQ(click.at("key_events"), c.key_events);
  EXPECT_EQ(click.at("callbacks"), c.key_events.size());
}

INSTANTIATE_TEST_SUITE_P(Points, MetricAltimeterKnobTest, testing::ValuesIn(kKnobCases));

TEST(MetricAltimeterThroughHost, HoldingTheKnobRepeatsItsEvent) {
  const auto result = run("hold 100 180 4\nhold 75 180 2\n");
  ASSERT_EQ(result.exit_status, 0);
  const auto clicks = result.of("click");
  ASSERT_EQ(clicks.size(), 2u);
  EXPECT_EQ(clicks[0].at("key_events"), json::array({{65883, 0}, {65883, 0}, {65883, 0}, {65883, 0}}));
  EXPECT_EQ(clicks[1].at("key_events"), json::array({{65884, 0}, {65884, 0}}));
}

TEST(MetricAltimeterThroughHost, TooltipCoversTheWholeGauge) {
  const auto result = run("hover 0 0\nhover 100 180\nhover 184 200\n");
  ASSERT_EQ(result.exit_status, 0);
  for (const json& hover : result.of("hover")) EXPECT_EQ(hover.at("tooltip_text"), "Altimeter metric");
}

TEST(MetricAltimeterThroughHost, ReadOutAndNeedleFollowTheAltitude) {
  const auto result = run("set 74 1000\nset 75 1012.49999\nframe\n");
  ASSERT_EQ(result.exit_status, 0);
  const json elements = result.of("update").back().at("elements");
  EXPECT_NEAR(elements.at(3).at("value").get<double>(), 304.8, 1e-9);
  EXPECT_NEAR(elements.at(1).at("values").at("angle").get<double>(), 1000.0 / 96.0, 1e-9);
  EXPECT_EQ(elements.at(4).at("text"), "1013");
  for (int index : {1, 3, 4}) EXPECT_EQ(elements.at(index).at("image_flags"), 0x87);
  for (int index : {0, 2}) EXPECT_EQ(elements.at(index).at("image_flags"), 0x83);
}

struct SoundCase {
  const char* name;
  const char* options;
  const char* script;
  json last_sound;
};

std::ostream& operator<<(std::ostream& out, const SoundCase& c) { return out << c.name; }

json sound(bool resident, int loads, int unloads, int terminate_calls) {
  return {{"event", "sound"},
          {"resident", resident},
          {"loads", loads},
          {"unloads", unloads},
          {"terminate_calls", terminate_calls}};
}

const SoundCase kSoundCases[] = {
    {"BoundAtInstall", "", "sound\n", sound(true, 1, 0, 0)},
    {"ReleasedAtKill", "", "frame\nkill\nsound\n", sound(false, 1, 1, 1)},
    {"TwoInstances", "", "frame\nnew\nframe\nkill\nsound\nuse 1\nframe\nkill\nsound\n", sound(false, 2, 2, 2)},
    {"KilledAndCreatedAgain", "", "frame\nkill\nnew\nframe\nkill\nsound\n", sound(false, 2, 2, 2)},
    {"Reloaded", "", "frame\nreload\nframe\nkill\nsound\n", sound(false, 2, 2, 2)},
    {"Absent", "--no-sound-library", "frame\nframe\nkill\nsound\n", sound(false, 0, 0, 0)},
};

class MetricAltimeterSoundTest : public testing::TestWithParam<SoundCase> {};

TEST_P(MetricAltimeterSoundTest, LibraryIsMappedAndUnmappedInPairs) {
  const auto result = run(GetParam().script, GetParam().options);
  ASSERT_EQ(result.exit_status, 0);
  EXPECT_EQ(result.of("sound").back(), GetParam().last_sound);
}

INSTANTIATE_TEST_SUITE_P(Sound, MetricAltimeterSoundTest, testing::ValuesIn(kSoundCases),
                         gauge_test_support::CaseName());

}  // namespace
