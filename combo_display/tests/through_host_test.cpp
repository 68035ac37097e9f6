// The combination display loaded and driven by the panel host.
#include <gtest/gtest.h>

#include <string>

#include "gauge_test_support/panel_host_run.h"

namespace {

using nlohmann::json;

gauge_test_support::PanelHostRun run(const std::string& script) {
  return gauge_test_support::run_panel_host(PANEL_HOST, MODULE_FILE, "ID_Pelmar_Combo", script);
}

// Element 13 (index 12) is the button, element 3 (index 2) the first gated one.
bool display_on(const json& update) {
  const json& elements = update.at("elements");
  EXPECT_EQ(elements.at(12).at("picture") == 5889, elements.at(1).at("picture") == 4353);
  EXPECT_EQ(elements.at(12).at("picture") == 5889, !elements.at(2).at("hidden").get<bool>());
  return elements.at(12).at("picture") == 5889;
}

struct ClickCase {
  int x;
  int y;
  bool on_button;
};

std::ostream& operator<<(std::ostream& out, const ClickCase& c) { return out << c.x << "," << c.y; }

// The button region covers gauge pixels 259..284 across and 187..214 down.
const ClickCase kClickCases[] = {
    {270, 200, true}, {259, 187, true},  {284, 214, true},  {258, 200, false}, {285, 200, false},
    {270, 186, false}, {270, 215, false}, {0, 0, false},    {110, 85, false},  {349, 228, false},
};

class ComboClickTest : public testing::TestWithParam<ClickCase> {};

TEST_P(ComboClickTest, OnlyTheButtonTogglesTheDisplay) {
  const ClickCase& c = GetParam();
  const auto result = run("frame\nclick " + std::to_string(c.x) + " " + std::to_string(c.y) + "\nupdate\n");
  ASSERT_EQ(result.exit_status, 0);
  const json click = result.of("click").at(0);
  EXPECT_EQ(click.at("rect") == 1, c.on_button);
  EXPECT_EQ(click.at("callbacks"), c.on_button ? 1 : 0);
  EXPECT_EQ(click.at("key_events"), json::array());
  EXPECT_EQ(click.at("cursor"), c.on_button ? 5 : -1);
  const auto updates = result.of("update");
  EXPECT_FALSE(display_on(updates.at(0)));
  EXPECT_EQ(display_on(updates.at(1)), c.on_button);
}

INSTANTIATE_TEST_SUITE_P(Points, ComboClickTest, testing::ValuesIn(kClickCases));

TEST(ComboThroughHost, ClickBeforeTheFirstDrawIsUndone) {
  const auto result = run("click 270 200\nupdate\nframe\nupdate\nclick 270 200\nupdate\nclick 270 200\nupdate\n");
  ASSERT_EQ(result.exit_status, 0);
  const auto updates = result.of("update");
  ASSERT_EQ(updates.size(), 5u);
  EXPECT_TRUE(display_on(updates[0]));
  EXPECT_FALSE(display_on(updates[2]));
  EXPECT_TRUE(display_on(updates[3]));
  EXPECT_FALSE(display_on(updates[4]));
}

TEST(ComboThroughHost, TwoInstancesShareTheSwitch) {
  const auto result = run("frame\nnew\nframe\nclick 270 200\nupdate\nuse 1\nupdate\n");
  ASSERT_EQ(result.exit_status, 0);
  const auto updates = result.of("update");
  ASSERT_EQ(updates.size(), 4u);
  EXPECT_EQ(updates[2].at("instance"), 2);
  EXPECT_TRUE(display_on(updates[2]));
  EXPECT_EQ(updates[3].at("instance"), 1);
  EXPECT_TRUE(display_on(updates[3]));
}

TEST(ComboThroughHost, ReadOutsPrintTheirExamples) {
  const auto result = run("frame\nclick 270 200\nset 415 600\nset 74 1000\nset 3 7\nset 4 2.5\nset 390 12345.678\nupdate\n");
  ASSERT_EQ(result.exit_status, 0);
  const json elements = result.of("update").back().at("elements");
  EXPECT_EQ(elements.at(4).at("text"), "060");
  EXPECT_EQ(elements.at(5).at("text"), "  305");
  EXPECT_EQ(elements.at(6).at("text"), "07:");
  EXPECT_EQ(elements.at(7).at("text"), "03");
  EXPECT_EQ(elements.at(9).at("text"), "12346");
  EXPECT_EQ(elements.at(10).at("text"), "00:00" + std::string(299, ' ') + "0");
}

}  // namespace
