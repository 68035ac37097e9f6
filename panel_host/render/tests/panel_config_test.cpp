// panel.cfg: the demo panel reads and lays out its eleven gauges; bad lines
// are named with their line number and what is wrong.
#include <gtest/gtest.h>

#include <sstream>

#include "core/host_error.h"
#include "render/panel_view.h"
#include "test_gauges.h"

namespace {

using panel_host::HostError;
using panel_host::parse_panel_config;

TEST(PanelConfig, DemoPanelHoldsElevenGaugesLaidOutInUnits) {
  const panel_host::PanelConfig config = panel_host::read_panel_config(std::string(DEMO_DIR) + "/panel.cfg");
  ASSERT_EQ(config.windows.size(), 1u);
  EXPECT_EQ(config.windows[0].title, "Main Panel");
  EXPECT_EQ(config.windows[0].gauges.size(), 11u);
  panel_host::Host host;
  panel_host::PanelView view(host, config, GAUGES_DIR, 0.5);
  EXPECT_EQ(view.width(), 700);
  EXPECT_EQ(view.gauge_count(), 11u);
  // gauge04: the compass without a width keeps its root bitmap's size.
  EXPECT_EQ(view.view(4).width, 59);
  EXPECT_EQ(view.view(4).height, 84);
  // gauge00: a width alone, the height follows the bitmap's proportions.
  EXPECT_EQ(view.view(0).width, 115);
  EXPECT_EQ(view.view(0).height, 117);
}

struct BadPanel {
  const char* name;
  const char* text;
  const char* message;
};

class BadPanelLine : public testing::TestWithParam<BadPanel> {};

TEST_P(BadPanelLine, IsNamedWithItsLine) {
  std::istringstream in(GetParam().text);
  try {
    parse_panel_config(in, "panel.cfg");
    FAIL() << "accepted";
  } catch (const HostError& error) {
    EXPECT_EQ(std::string(error.what()), GetParam().message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BadPanelLine,
    testing::Values(
        BadPanel{"key_before_section", "file=x.bmp\n", "panel.cfg:1: 'file' stands before any section"},
        BadPanel{"unknown_section", "[Views]\n", "panel.cfg:1: unknown section [Views]: expected [Window Titles] or [WindowNN]"},
        BadPanel{"no_equals", "[Window00]\nsize_mm=10,10\ngauge00 Corvel1!Clock\n",
                 "panel.cfg:3: expected KEY=VALUE or a [section]"},
        BadPanel{"gauge_without_bang", "[Window00]\nsize_mm=10,10\ngauge00=Corvel1 Clock, 1, 2\n",
                 "panel.cfg:3: expected Module!Gauge, found 'Corvel1 Clock'"},
        BadPanel{"gauge_bad_number", "[Window00]\nsize_mm=10,10\n// a comment\ngauge00=Corvel1!Clock, 1, two\n",
                 "panel.cfg:4: y 'two' is not a number"},
        BadPanel{"gauge_zero_width", "[Window00]\nsize_mm=10,10\ngauge00=Corvel1!Clock, 1, 2, 0\n",
                 "panel.cfg:3: width 0 lies outside 0.001 ... 100000"},
        BadPanel{"too_few_fields", "[Window00]\nsize_mm=10,10\ngauge00=Corvel1!Clock, 1\n",
                 "panel.cfg:3: expected Module!Gauge, x, y[, w[, h]]"},
        BadPanel{"twice", "[Window00]\nsize_mm=10,10\nsize_mm=20,20\n",
                 "panel.cfg:3: 'size_mm' is given twice in [Window00] (first on line 2)"},
        BadPanel{"unknown_key", "[Window00]\nsize_mm=10,10\nzoom=2\n", "panel.cfg:3: unknown key 'zoom' in [Window00]"},
        BadPanel{"no_size", "[Window Titles]\nWindow00=Main\n[Window00]\nvisible=1\n",
                 "panel.cfg:3: [Window00] needs size_mm= or file="},
        BadPanel{"title_without_window", "[Window Titles]\nWindow01=Radio\n[Window00]\nsize_mm=5,5\n",
                 "panel.cfg:2: there is no [window01] section for this title"},
        BadPanel{"bad_visible", "[Window00]\nsize_mm=5,5\nvisible=yes\n", "panel.cfg:3: expected visible=0 or visible=1"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(PanelConfig, MissingModuleIsNamedWithItsLine) {
  std::istringstream in("[Window00]\nsize_mm=100,100\ngauge00=NoSuchModule!Gauge, 0, 0\n");
  const panel_host::PanelConfig config = parse_panel_config(in, "panel.cfg");
  panel_host::Host host;
  try {
    panel_host::PanelView view(host, config, GAUGES_DIR, 1.0);
    FAIL() << "accepted";
  } catch (const HostError& error) {
    EXPECT_EQ(std::string(error.what()).rfind("panel.cfg:3: module NoSuchModule not found", 0), 0u) << error.what();
  }
}

TEST(PanelConfig, UnknownGaugeIsNamedWithItsLine) {
  std::istringstream in("[Window00]\nsize_mm=100,100\n\ngauge00=Corvel1!NoSuchGauge, 0, 0\n");
  const panel_host::PanelConfig config = parse_panel_config(in, "panel.cfg");
  panel_host::Host host;
  EXPECT_THROW(
      {
        try {
          panel_host::PanelView view(host, config, GAUGES_DIR, 1.0);
        } catch (const HostError& error) {
          EXPECT_EQ(std::string(error.what()).rfind("panel.cfg:4: ", 0), 0u) << error.what();
          throw;
        }
      },
      HostError);
}

}  // namespace
