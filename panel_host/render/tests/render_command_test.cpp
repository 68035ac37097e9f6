// panel-host render as users call it: the picture written and its path
// printed; bad input named, with exit status 2.
#include <gtest/gtest.h>

#include <cairo.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

std::string read_file(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string temporary(const std::string& name) {
  return testing::TempDir() + "render_command_" + std::to_string(::getpid()) + "_" + name;
}

Outcome render(const std::string& arguments) {
  const std::string base = temporary("run");
  const std::string command = std::string(PANEL_HOST) + " render " + arguments + " > " + base + ".out 2> " + base + ".err";
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, read_file(base + ".out"), read_file(base + ".err")};
}

TEST(RenderCommand, WritesTheGaugeAtItsScaleAndPrintsThePath) {
  const std::string png = temporary("clock.png");
  const Outcome outcome = render(std::string(GAUGES_DIR) + "/Corvel1.gau Clock --set 3=10 --set 4=12 --night --fail 20 --scale 0.5 -o " + png);
  ASSERT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_EQ(outcome.out, png + "\n");
  cairo_surface_t* picture = cairo_image_surface_create_from_png(png.c_str());
  EXPECT_EQ(cairo_image_surface_get_width(picture), 153);
  EXPECT_EQ(cairo_image_surface_get_height(picture), 151);
  cairo_surface_destroy(picture);
}

TEST(RunCommand, ReportsWhereTheHostPlacesElements) {
  const std::string base = temporary("run_state");
  std::ofstream(base + ".script") << "set 69 100\nset 70 546\nupdate\n";
  const std::string command = std::string(PANEL_HOST) + " run " + GAUGES_DIR + "/Corvel1.gau Turn " + base + ".script > " + base + ".out";
  ASSERT_EQ(std::system(command.c_str()), 0);
  const std::string out = read_file(base + ".out");
  EXPECT_NE(out.find("\"offset\": [55.46"), std::string::npos) << out;
  EXPECT_NE(out.find("\"angle\": -79.88"), std::string::npos) << out;
}

struct BadCall {
  const char* name;
  const char* arguments;
  const char* message;
};

class BadRender : public testing::TestWithParam<BadCall> {};

TEST_P(BadRender, IsRefusedWithStatusTwo) {
  const std::string panel = temporary("bad.cfg");
  std::ofstream(panel) << "[Window00]\nsize_mm=100,100\ngauge00=Corvel1!Clock, 0, zero\n";
  std::string arguments = GetParam().arguments;
  for (const auto& [word, value] : {std::pair<std::string, std::string>{"PANEL", panel}, {"GAUGES", GAUGES_DIR}})
    for (std::size_t at; (at = arguments.find(word)) != std::string::npos;) arguments.replace(at, word.size(), value);
  const Outcome outcome = render(arguments + " -o " + temporary("bad.png"));
  EXPECT_EQ(outcome.status, 2);
  EXPECT_NE(outcome.err.find(GetParam().message), std::string::npos) << outcome.err;
}

INSTANTIATE_TEST_SUITE_P(
    Calls, BadRender,
    testing::Values(BadCall{"bad_panel_line", "PANEL", "bad.cfg:3: y 'zero' is not a number"},
                    BadCall{"bad_set", "GAUGES/Corvel1.gau Clock --set 3=ten", "--set 3=ten: "},
                    BadCall{"bad_fail", "GAUGES/Corvel1.gau Clock --fail -1", "--fail -1: "},
                    BadCall{"bad_scale", "GAUGES/Corvel1.gau Clock --scale 0", "--scale"},
                    BadCall{"gauge_missing", "GAUGES/Corvel1.gau", "name the gauge to render"},
                    BadCall{"unknown_gauge", "GAUGES/Corvel1.gau Dial", "Dial"}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
