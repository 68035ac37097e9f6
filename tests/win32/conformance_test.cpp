// The Windows build behaves exactly like the native one: for every gauge of
// the four modules, `panel-host inspect` and a set of scenario scripts give
// the same output, line for line, from the native host and modules and from
// panel-host.exe with the 32-bit modules under Wine.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "command.h"
#include "conformance_paths.h"
#include "host_runs.h"
#include "scenario_scripts.h"
#include "win32_availability.h"

namespace {

using gauges_tests::GaugeCase;
using gauges_tests::HostRun;
using gauges_tests::kGauges;
using gauges_tests::kModules;
using gauges_tests::run_host;
using gauges_tests::Scenario;
using gauges_tests::shell_quote;
using gauges_tests::work_file;
namespace fs = std::filesystem;

std::string wine_command() {
  return std::string("env WINEPREFIX=") + shell_quote(kWinePrefix) +
         " WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=' " + shell_quote(kWine) + " " +
         shell_quote(kWindowsHost);
}

struct Comparison {
  HostRun native;
  HostRun windows;
};

// Where the hosts run: by default in their builds' gauge folders, so that
// both see a module by the same relative name.
struct Folders {
  std::string native = kNativeGaugeFolder;
  std::string windows = kWindowsGaugeFolder;
};

// Runs `arguments` (with `script` on standard input) through both hosts.
Comparison compare(const std::string& label, const std::string& arguments, const std::string& script = {},
                   const Folders& folders = {}) {
  const fs::path input = work_file(label + ".txt");
  std::ofstream(input, std::ios::binary) << script;
  Comparison runs{run_host(shell_quote(kNativeHost), folders.native.c_str(), arguments, input,
                           work_file(label + ".native.err")),
                  run_host(wine_command(), folders.windows.c_str(), arguments, input,
                           work_file(label + ".windows.err"))};
  // Kept for reading after a failure.
  for (const auto& [run, suffix] : {std::pair{&runs.native, ".native.out"}, std::pair{&runs.windows, ".windows.out"}}) {
    std::ofstream out(work_file(label + suffix), std::ios::binary);
    for (const std::string& line : run->lines) out << line << '\n';
  }
  return runs;
}

// Equal exit status and equal lines; on a difference, the first differing line.
testing::AssertionResult same_output(const Comparison& runs) {
  const HostRun& native = runs.native;
  const HostRun& windows = runs.windows;
  const std::size_t common = std::min(native.lines.size(), windows.lines.size());
  for (std::size_t i = 0; i < common; ++i) {
    if (native.lines[i] != windows.lines[i])
      return testing::AssertionFailure() << "line " << i + 1 << " differs\n  native:  " << native.lines[i]
                                         << "\n  windows: " << windows.lines[i];
  }
  if (native.lines.size() != windows.lines.size())
    return testing::AssertionFailure() << "native printed " << native.lines.size() << " lines, windows "
                                       << windows.lines.size() << "\nnative stderr: " << native.errors
                                       << "\nwindows stderr: " << windows.errors;
  if (native.status != windows.status)
    return testing::AssertionFailure() << "exit status native " << native.status << ", windows " << windows.status
                                       << "\nnative stderr: " << native.errors
                                       << "\nwindows stderr: " << windows.errors;
  return testing::AssertionSuccess();
}

// Both hosts must have done real work, not failed alike.
void expect_success(const Comparison& runs) {
  EXPECT_EQ(runs.native.status, 0) << runs.native.errors;
  EXPECT_EQ(runs.windows.status, 0) << runs.windows.errors;
  EXPECT_FALSE(runs.native.lines.empty());
}

class UnderWine : public testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(kWindowsHost)) GAUGES_WIN32_UNAVAILABLE("no win32 build with " << kWindowsHost);
    if (std::string(kWine).empty() || std::string(kWine).ends_with("-NOTFOUND"))
      GAUGES_WIN32_UNAVAILABLE("wine is not installed");
  }
};

// ---- the gauge table itself ------------------------------------------------

TEST(GaugeTable, ListsEveryGaugeOfEveryModuleInLinkageOrder) {
  for (const char* module : kModules) {
    const nlohmann::json report = gauges_tests::native_report(module);
    std::vector<std::string> reported;
    for (const auto& gauge : report.at("gauges")) reported.push_back(gauge.at("name"));
    std::vector<std::string> listed;
    for (const GaugeCase& gauge : kGauges)
      if (std::string(gauge.module) == module) listed.emplace_back(gauge.gauge);
    EXPECT_EQ(listed, reported) << module;
  }
}

// ---- inspect ---------------------------------------------------------------

class ModuleInspect : public UnderWine, public testing::WithParamInterface<const char*> {};

TEST_P(ModuleInspect, IsTheSame) {
  const Comparison runs = compare(std::string("inspect_") + GetParam(),
                                  "inspect " + shell_quote(std::string(GetParam()) + ".gau"));
  expect_success(runs);
  EXPECT_TRUE(same_output(runs));
}

INSTANTIATE_TEST_SUITE_P(Modules, ModuleInspect, testing::ValuesIn(kModules),
                         [](const auto& parameter) { return std::string(parameter.param); });

// ---- scenarios -------------------------------------------------------------

struct ScenarioCase {
  GaugeCase gauge;
  Scenario scenario;
  bool without_sound_library;

  std::string name() const {
    std::string text = std::string(gauge.module) + "_";
    if (std::string(gauge.module) != gauge.gauge) text += std::string(gauge.gauge) + "_";
    text += gauges_tests::scenario_name(scenario);
    if (gauge.generated) text += without_sound_library ? "_without_sound" : "_with_sound";
    return text;
  }
};

void PrintTo(const ScenarioCase& scenario, std::ostream* out) { *out << scenario.name(); }

// Every scenario for every gauge (services only where there is a service
// callback); the generated modules also with the sound library hidden.
std::vector<ScenarioCase> scenario_cases() {
  std::vector<ScenarioCase> cases;
  for (const GaugeCase& gauge : kGauges) {
    for (const Scenario scenario : gauges_tests::kScenarios) {
      if (scenario == Scenario::Services && !gauge.generated) continue;
      cases.push_back({gauge, scenario, false});
      if (gauge.generated) cases.push_back({gauge, scenario, true});
    }
  }
  return cases;
}

class GaugeScenario : public UnderWine, public testing::WithParamInterface<ScenarioCase> {};

TEST_P(GaugeScenario, GivesTheSameEvents) {
  const ScenarioCase& scenario = GetParam();
  const std::string script =
      gauges_tests::scenario_script(scenario.scenario, gauges_tests::native_report(scenario.gauge.module, scenario.gauge.gauge).at("gauges").at(0));
  ASSERT_FALSE(script.empty());
  std::string arguments = "run " + shell_quote(std::string(scenario.gauge.module) + ".gau") + " " +
                          shell_quote(scenario.gauge.gauge) + " -";
  if (scenario.without_sound_library) arguments += " --no-sound-library";
  const Comparison runs = compare(scenario.name(), arguments, script);
  expect_success(runs);
  EXPECT_TRUE(same_output(runs));
}

INSTANTIATE_TEST_SUITE_P(Gauges, GaugeScenario, testing::ValuesIn(scenario_cases()),
                         [](const auto& parameter) { return parameter.param.name(); });

class GaugeInspect : public UnderWine, public testing::WithParamInterface<GaugeCase> {};

TEST_P(GaugeInspect, IsTheSame) {
  const Comparison runs =
      compare(std::string("inspect_gauge_") + GetParam().gauge,
              "inspect " + shell_quote(std::string(GetParam().module) + ".gau") + " " + shell_quote(GetParam().gauge));
  expect_success(runs);
  EXPECT_TRUE(same_output(runs));
}

INSTANTIATE_TEST_SUITE_P(Gauges, GaugeInspect, testing::ValuesIn(kGauges),
                         [](const auto& parameter) { return std::string(parameter.param.gauge); });

// ---- the sound library beside the module -----------------------------------

// Run from the build's top folder, neither the current folder nor the
// program's folder holds GaugeSound: only the look beside the module finds it.
TEST_F(UnderWine, SoundLibraryIsFoundBesideTheModule) {
  const Folders build_tops{fs::path(kNativeGaugeFolder).parent_path().string(), kWindowsBuild};
  const Comparison runs = compare("sound_beside_module", "run gauges/ID_Ombra_Group.gau ID_Ombra_Group -",
                                  "service 4\nsound\nservice 6\nservice 12\nsound\n", build_tops);
  expect_success(runs);
  EXPECT_TRUE(same_output(runs));
  ASSERT_EQ(runs.native.lines.size(), 5u);
  EXPECT_NE(runs.native.lines[1].find(R"("loads": 1)"), std::string::npos) << runs.native.lines[1];
  EXPECT_NE(runs.native.lines[4].find(R"("terminate_calls": 1)"), std::string::npos) << runs.native.lines[4];
}

// ---- bad input: the same refusal, after the same output --------------------

struct BadInput {
  const char* name;
  const char* arguments;
  const char* script;
};

void PrintTo(const BadInput& input, std::ostream* out) { *out << input.name; }

constexpr BadInput kBadInputs[] = {
    {"MissingModule", "inspect NoSuchModule.gau", ""},
    {"UnknownGauge", "inspect Corvel1.gau NoSuchGauge", ""},
    {"MalformedScriptLine", "run Corvel1.gau Gmeter -", "set 60 1.5\nupdate\nset sixty 1\nupdate\n"},
    {"ServiceOfVersion700", "run Corvel1.gau Turn -", "frame\nservice 4\n"},
};

class RefusedInput : public UnderWine, public testing::WithParamInterface<BadInput> {};

TEST_P(RefusedInput, IsRefusedAlike) {
  const Comparison runs = compare(std::string("bad_") + GetParam().name, GetParam().arguments, GetParam().script);
  EXPECT_EQ(runs.native.status, 2) << runs.native.errors;
  EXPECT_TRUE(same_output(runs));
}

INSTANTIATE_TEST_SUITE_P(BadInputs, RefusedInput, testing::ValuesIn(kBadInputs),
                         [](const auto& parameter) { return std::string(parameter.param.name); });

}  // namespace
