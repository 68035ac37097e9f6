// The standby vertical-speed group loaded and driven by the panel host.
#include <gtest/gtest.h>

#include <string>

#include "gauge_test_support/case_name.h"
#include "gauge_test_support/panel_host_run.h"

namespace {

using nlohmann::json;

gauge_test_support::PanelHostRun run(const std::string& script, const std::string& options = "") {
  return gauge_test_support::run_panel_host(PANEL_HOST, MODULE_FILE, "ID_Ombra_Group", script, options);
}

// Drawing order: panel, switch image, face, vertical-speed needle, pendulum.
bool switched_on(const json& update) {
  const json& elements = update.at("elements");
  const bool on = elements.at(1).at("picture") == 4353;
  EXPECT_EQ(elements.at(2).at("picture") == 4609, on);
  EXPECT_EQ(elements.at(3).at("hidden"), !on);
  EXPECT_EQ(elements.at(3).at("image_flags"), on ? 0x87 : 0x40000087);
  EXPECT_EQ(elements.at(4).at("hidden"), false);
  EXPECT_EQ(elements.at(1).at("image_flags"), 0x83);
  return on;
}

struct ClickCase {
  int x;
  int y;
  bool on_switch;
};

std::ostream& operator<<(std::ostream& out, const ClickCase& c) { return out << c.x << "," << c.y; }

// The switch region covers gauge pixels 1..28 across and 20..91 down.
const ClickCase kClickCases[] = {
    {10, 50, true},   {1, 20, true},    {28, 91, true},   {0, 50, false},   {29, 50, false},
    {10, 19, false},  {10, 92, false},  {258, 53, false}, {162, 7, false},  {304, 99, false},
};

class StandbyGroupClickTest : public testing::TestWithParam<ClickCase> {};

TEST_P(StandbyGroupClickTest, OnlyTheSwitchTogglesIt) {
  const ClickCase& c = GetParam();
  const auto result = run("frame\nclick " + std::to_string(c.x) + " " + std::to_string(c.y) + "\nupdate\n");
  ASSERT_EQ(result.exit_status, 0);
  const json click = result.of("click").at(0);
  EXPECT_EQ(click.at("rect") == 2, c.on_switch);
  EXPECT_EQ(click.at("callbacks"), c.on_switch ? 1 : 0);
  EXPECT_EQ(click.at("cursor"), c.on_switch ? 5 : -1);
  EXPECT_EQ(click.at("key_events"), json::array());
  const auto updates = result.of("update");
  EXPECT_FALSE(switched_on(updates.at(0)));
  EXPECT_EQ(switched_on(updates.at(1)), c.on_switch);
}

INSTANTIATE_TEST_SUITE_P(Points, StandbyGroupClickTest, testing::ValuesIn(kClickCases));

TEST(StandbyGroupThroughHost, SwitchResetsOnceAndIsSharedByInstances) {
  const auto result = run(
      "click 10 50\nupdate\nframe\nupdate\n"  // a click before the first draw is undone by it
      "click 10 50\nframe\nnew\nframe\n"      // a second instance finds it on
      "click 10 50\nupdate\nuse 1\nupdate\n");
  ASSERT_EQ(result.exit_status, 0);
  const auto updates = result.of("update");
  ASSERT_EQ(updates.size(), 7u);
  EXPECT_TRUE(switched_on(updates[0]));
  EXPECT_FALSE(switched_on(updates[2]));
  EXPECT_TRUE(switched_on(updates[3]));
  EXPECT_TRUE(switched_on(updates[4]));
  EXPECT_FALSE(switched_on(updates[5]));
  EXPECT_FALSE(switched_on(updates[6]));
}

TEST(StandbyGroupThroughHost, NeedlesFollowTheirVariables) {
  const auto result = run("set 556 50\nset 69 200\nframe\n");
  ASSERT_EQ(result.exit_status, 0);
  const json elements = result.of("update").back().at("elements");
  EXPECT_NEAR(elements.at(3).at("value").get<double>(), 15.24, 1e-9);
  EXPECT_EQ(elements.at(4).at("value"), 127.0);
}

TEST(StandbyGroupThroughHost, TooltipCoversTheWholeGauge) {
  const auto result = run("hover 0 0\nhover 10 50\nhover 304 99\n");
  ASSERT_EQ(result.exit_status, 0);
  for (const json& hover : result.of("hover")) EXPECT_EQ(hover.at("tooltip_text"), "standby VSI switch");
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
    {"BoundAtInstall", "", "frame\nsound\n", sound(true, 1, 0, 0)},
    {"ReleasedAtKill", "", "frame\nkill\nsound\n", sound(false, 1, 1, 1)},
    {"TwoInstancesKilledBackToBack", "", "new\nkill\nuse 1\nkill\nsound\n", sound(false, 2, 2, 2)},
    {"Absent", "--no-sound-library", "frame\nkill\nsound\n", sound(false, 0, 0, 0)},
};

class StandbyGroupSoundTest : public testing::TestWithParam<SoundCase> {};

TEST_P(StandbyGroupSoundTest, LibraryIsMappedAndUnmappedInPairs) {
  const auto result = run(GetParam().script, GetParam().options);
  ASSERT_EQ(result.exit_status, 0);
  EXPECT_EQ(result.of("sound").back(), GetParam().last_sound);
}

INSTANTIATE_TEST_SUITE_P(Sound, StandbyGroupSoundTest, testing::ValuesIn(kSoundCases), gauge_test_support::CaseName());

}  // namespace
