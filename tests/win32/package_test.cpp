// The folder for simmers that `cmake --install` of the win32 build writes:
// the four modules under Gauges\, and a panel fragment and README that name
// every gauge the modules really have, at the size it really is.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "command.h"
#include "conformance_paths.h"
#include "host_runs.h"
#include "win32_availability.h"

namespace {

namespace fs = std::filesystem;
using gauges_tests::shell_quote;

struct Placement {
  std::string name;  // Module!Gauge
  int x;
  int y;
  int width;
  int height;
};

struct PanelFragment {
  int panel_width = 0;  // size_mm=width,height
  int panel_height = 0;
  std::vector<std::string> keys;
  std::vector<Placement> gauges;
};

PanelFragment read_fragment(const std::string& text) {
  PanelFragment fragment;
  const std::regex gauge_line(R"(^(gauge\d\d)=([^,]+),\s*(-?\d+),\s*(-?\d+),\s*(\d+),\s*(\d+)\s*$)");
  const std::regex size_line(R"(^size_mm=(\d+),\s*(\d+)\s*$)");
  for (const std::string& line : gauges_tests::lines_of(text)) {
    std::smatch match;
    if (std::regex_match(line, match, gauge_line)) {
      fragment.keys.push_back(match[1]);
      fragment.gauges.push_back(
          {match[2], std::stoi(match[3]), std::stoi(match[4]), std::stoi(match[5]), std::stoi(match[6])});
    } else if (std::regex_match(line, match, size_line)) {
      fragment.panel_width = std::stoi(match[1]);
      fragment.panel_height = std::stoi(match[2]);
    }
  }
  return fragment;
}

bool overlap(const Placement& a, const Placement& b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

class SimulatorFolder : public testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(fs::path(kWindowsBuild) / "cmake_install.cmake"))
      GAUGES_WIN32_UNAVAILABLE("no win32 build at " << kWindowsBuild);
    folder_ = gauges_tests::work_file("simulator-folder-" + std::to_string(getpid()));
    fs::remove_all(folder_);
    const auto result = gauges_tests::run_command(std::string(kCMake) + " --install " + shell_quote(kWindowsBuild) +
                                                  " --prefix " + shell_quote(folder_.string()) + " > /dev/null");
    ASSERT_EQ(result.status, 0) << "cmake --install " << kWindowsBuild;
  }

  void TearDown() override {
    if (!folder_.empty()) fs::remove_all(folder_);
  }

  fs::path folder_;
};

TEST_F(SimulatorFolder, HoldsTheFourModulesAndTheNotes) {
  std::set<std::string> modules;
  for (const auto& entry : fs::directory_iterator(folder_ / "Gauges")) modules.insert(entry.path().filename());
  EXPECT_EQ(modules, (std::set<std::string>{"Corvel1.gau", "ID_Norva_AltimMtr.gau", "ID_Ombra_Group.gau",
                                            "ID_Pelmar_Combo.gau"}));
  EXPECT_TRUE(fs::exists(folder_ / "README.txt"));
  EXPECT_TRUE(fs::exists(folder_ / "panel-fragment.cfg"));
}

TEST_F(SimulatorFolder, PanelFragmentPlacesEveryGaugeOnceAtItsSize) {
  const PanelFragment fragment = read_fragment(gauges_tests::read_file(folder_ / "panel-fragment.cfg"));
  ASSERT_EQ(fragment.gauges.size(), std::size(gauges_tests::kGauges));
  for (std::size_t i = 0; i < fragment.keys.size(); ++i) {
    const std::string expected_key = (i < 10 ? "gauge0" : "gauge") + std::to_string(i);
    EXPECT_EQ(fragment.keys[i], expected_key);
  }
  std::set<std::string> placed;
  for (const Placement& gauge : fragment.gauges) placed.insert(gauge.name);
  for (const gauges_tests::GaugeCase& gauge : gauges_tests::kGauges) {
    const std::string name = std::string(gauge.module) + "!" + gauge.gauge;
    EXPECT_TRUE(placed.contains(name)) << name << " is not placed";
  }
  for (const Placement& gauge : fragment.gauges) {
    const std::size_t bang = gauge.name.find('!');
    ASSERT_NE(bang, std::string::npos) << gauge.name;
    const auto size = gauges_tests::native_report(gauge.name.substr(0, bang), gauge.name.substr(bang + 1))
                          .at("gauges")
                          .at(0)
                          .at("size");
    EXPECT_EQ(gauge.width, size.at(0).get<int>()) << gauge.name;
    EXPECT_EQ(gauge.height, size.at(1).get<int>()) << gauge.name;
    EXPECT_GE(gauge.x, 0) << gauge.name;
    EXPECT_GE(gauge.y, 0) << gauge.name;
    EXPECT_LE(gauge.x + gauge.width, fragment.panel_width) << gauge.name;
    EXPECT_LE(gauge.y + gauge.height, fragment.panel_height) << gauge.name;
  }
  for (std::size_t i = 0; i < fragment.gauges.size(); ++i)
    for (std::size_t j = i + 1; j < fragment.gauges.size(); ++j)
      EXPECT_FALSE(overlap(fragment.gauges[i], fragment.gauges[j]))
          << fragment.gauges[i].name << " and " << fragment.gauges[j].name;
}

TEST_F(SimulatorFolder, ReadmeNamesEveryGaugeWithItsSize) {
  const std::string readme = gauges_tests::read_file(folder_ / "README.txt");
  for (const gauges_tests::GaugeCase& gauge : gauges_tests::kGauges) {
    const std::string name = std::string(gauge.module) + "!" + gauge.gauge;
    const auto report = gauges_tests::native_report(gauge.module, gauge.gauge).at("gauges").at(0);
    const std::size_t at = readme.find(name);
    ASSERT_NE(at, std::string::npos) << name;
    const std::string size = std::to_string(report.at("size").at(0).get<int>()) + " x " +
                             std::to_string(report.at("size").at(1).get<int>()) + ", " +
                             std::to_string(report.at("default_width_mm").get<int>()) + " mm";
    // The size stands in the gauge's own entry, before the next gauge's.
    const std::size_t next = readme.find('!', at + name.size());
    EXPECT_LT(readme.find(size, at), next) << name << " should give " << size;
  }
}

TEST(PanelFragmentReading, TakesGaugeLinesAndThePanelWidth) {
  const PanelFragment fragment = read_fragment(
      "// comment\n[Window00]\nsize_mm=1024,861\ngauge00=Corvel1!Hobb,  10, 835, 100,  26\r\nvisible=1\n");
  EXPECT_EQ(fragment.panel_width, 1024);
  EXPECT_EQ(fragment.panel_height, 861);
  ASSERT_EQ(fragment.gauges.size(), 1u);
  EXPECT_EQ(fragment.gauges[0].name, "Corvel1!Hobb");
  EXPECT_EQ(fragment.gauges[0].y, 835);
  EXPECT_EQ(fragment.gauges[0].height, 26);
}

}  // namespace
