// The panel-host command as its users script it: output lines, errors and
// exit statuses.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

struct Outcome {
  int status;
  std::vector<std::string> out;
  std::string err;
};

std::string read_file(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Runs panel-host with `arguments`, feeding `script` on standard input.
Outcome panel_host(const std::string& arguments, const std::string& script = "") {
  const std::string base = testing::TempDir() + "panel_host_cli_" + std::to_string(::getpid());
  std::ofstream(base + ".in") << script;
  const std::string command = std::string(PANEL_HOST) + " " + arguments + " < " + base + ".in > " + base + ".out 2> " + base + ".err";
  const int raw = std::system(command.c_str());
  Outcome outcome{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, {}, read_file(base + ".err")};
  std::istringstream lines(read_file(base + ".out"));
  for (std::string line; std::getline(lines, line);) outcome.out.push_back(line);
  return outcome;
}

struct BadModuleCase {
  std::string arguments;
  std::string file;
  std::string reason;
};

void PrintTo(const BadModuleCase& c, std::ostream* os) { *os << c.arguments; }

class BadModule : public testing::TestWithParam<BadModuleCase> {};

TEST_P(BadModule, OneLineNamingTheFileAndStatusTwo) {
  const Outcome outcome = panel_host(GetParam().arguments);
  EXPECT_EQ(outcome.status, 2);
  EXPECT_TRUE(outcome.out.empty());
  EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 1) << outcome.err;
  EXPECT_NE(outcome.err.find(GetParam().file), std::string::npos) << outcome.err;
  EXPECT_NE(outcome.err.find(GetParam().reason), std::string::npos) << outcome.err;
}

const std::string kScriptFile = std::string(TEST_DATA_DIR) + "/probe_module/bitmaps.txt";

INSTANTIATE_TEST_SUITE_P(
    Loading, BadModule,
    testing::ValuesIn<BadModuleCase>({
        {"inspect /nonexistent/x.gau", "/nonexistent/x.gau", "no such file"},
        {"inspect " + kScriptFile, kScriptFile, "not a loadable gauge module"},
        {"inspect " PROBE_NO_LINKAGE, PROBE_NO_LINKAGE, "exports no Linkage"},
        {"inspect " PROBE_NO_IMPORT, PROBE_NO_IMPORT, "exports no ImportTable"},
        {"inspect " PROBE_WRONG_ID, PROBE_WRONG_ID, "module id 20"},
        {"inspect " PROBE_MODULE " Nothing", PROBE_MODULE, "no gauge named \"Nothing\""},
        {"run " CORVEL1_MODULE " Nothing", CORVEL1_MODULE, "no gauge named \"Nothing\""},
        {"run " PROBE_MODULE " Probe /nonexistent/script", "/nonexistent/script", "cannot be read"},
    }));

struct BadLineCase {
  std::string script;
  std::size_t lines_before;  // output lines printed before the bad line
  std::string message;
};

void PrintTo(const BadLineCase& c, std::ostream* os) { *os << c.message; }

class BadScriptLine : public testing::TestWithParam<BadLineCase> {};

TEST_P(BadScriptLine, StopsWithLineNumberAfterEarlierOutput) {
  const Outcome outcome = panel_host("run " CORVEL1_MODULE " Gmeter", GetParam().script);
  EXPECT_EQ(outcome.status, 2);
  EXPECT_EQ(outcome.out.size(), GetParam().lines_before);
  EXPECT_EQ(outcome.err, "panel-host: " + GetParam().message + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, BadScriptLine,
    testing::ValuesIn<BadLineCase>({
        {"update\nset 351\n", 1, "line 2: expected 'set ID VALUE'"},
        {"# comment\n\nset x 1\n", 0, "line 3: variable id 'x' is not a whole number"},
        {"set 351 fast\n", 0, "line 1: value 'fast' is not a decimal number, nan, inf or -inf"},
        {"set 351 1e999\n", 0, "line 1: value '1e999' is out of range"},
        {"update 0\n", 0, "line 1: pass count '0' must lie in 1 ... 1000000"},
        {"state\nclick 1\n", 1, "line 2: expected 'click X Y'"},
        {"fly\n", 0, "line 1: unknown command 'fly'"},
        {"use 9\n", 0, "line 1: there is no instance 9"},
        {"kill\nupdate\n", 0, "line 2: no current instance (it was killed; 'use K' or 'new' makes one current)"},
        {"new\nuse 1\nkill\nuse 1\n", 1, "line 4: instance 1 was killed"},
        {"service 4\n", 0, "line 1: service needs a version 800 gauge; \"Gmeter\" has version 700"},
    }));

nlohmann::json parse_line(const std::string& line) { return nlohmann::json::parse(line); }

TEST(Inspect, ProbeModuleRecordsInDrawingOrder) {
  const Outcome outcome = panel_host("inspect " PROBE_MODULE);
  ASSERT_EQ(outcome.status, 0) << outcome.err;
  std::string text;
  for (const std::string& line : outcome.out) text += line + "\n";
  const nlohmann::json module = nlohmann::json::parse(text);
  EXPECT_EQ(module["import_table"], nlohmann::json::parse("[[15, true], [0, false]]"));
  EXPECT_EQ(module["linkage"]["version"], 0x800);
  const nlohmann::json& gauge = module["gauges"][0];
  EXPECT_EQ(gauge["size"], nlohmann::json::parse("[200, 200]"));
  std::vector<std::string> kinds;
  for (const auto& element : gauge["elements"]) kinds.push_back(element["kind"]);
  EXPECT_EQ(kinds, (std::vector<std::string>{"static_image", "needle", "string", "slider", "icon"}));
  EXPECT_EQ(gauge["elements"][2]["bitmap_size"], nullptr);
  EXPECT_EQ(gauge["elements"][1]["failures"], nlohmann::json::array());
  EXPECT_EQ(gauge["mouse"][1]["tooltip_text"], "probe");
  EXPECT_EQ(gauge["mouse"].back()["kind"], 0);
}

TEST(Run, PrintsStateClicksHoversAndInstances) {
  const Outcome outcome = panel_host("run " PROBE_MODULE " Probe -",
                                     "set 7 1\nset 5 nan\nupdate\nclick 40 140\nhover 5 5\nservice 4294967295\nnew\n");
  ASSERT_EQ(outcome.status, 0) << outcome.err;
  ASSERT_EQ(outcome.out.size(), 5u);
  EXPECT_EQ(outcome.out[0].rfind("{\"event\": \"update\", \"instance\": 1, \"elements\": [", 0), 0u) << outcome.out[0];
  const nlohmann::json update = parse_line(outcome.out[0]);
  EXPECT_EQ(update["elements"][2]["value"], "nan");
  EXPECT_EQ(update["elements"][4]["picture"], 11);
  EXPECT_EQ(outcome.out[1],
            "{\"event\": \"click\", \"at\": [40, 140], \"rect\": 4, \"cursor\": 2, \"key_events\": [[4660, 0]], \"callbacks\": 0}");
  EXPECT_EQ(outcome.out[2], "{\"event\": \"hover\", \"at\": [5, 5], \"cursor\": 5, \"tooltip_id\": 7, \"tooltip_text\": \"probe\"}");
  EXPECT_EQ(outcome.out[3], "{\"event\": \"service\", \"id\": 4294967295}");
  EXPECT_EQ(outcome.out[4], "{\"event\": \"instance\", \"instance\": 2}");
}

TEST(Run, HelpExitsCleanly) {
  EXPECT_EQ(panel_host("--help").status, 0);
  EXPECT_EQ(panel_host("run").status, 2);
}

}  // namespace
