// Whole gauges against their golden images, within a small tolerance; on a
// mismatch the picture and a difference image are written beside the tests.
// RENDER_UPDATE_GOLDEN=1 writes the golden images instead.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "render/panel_script.h"
#include "test_gauges.h"

namespace {

using panel_host::Surface;

struct GoldenCase {
  const char* name;
  const char* module;
  const char* gauge;
  const char* script;
};

std::uint32_t pixel(cairo_surface_t* surface, int x, int y) {
  return *reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(surface) +
                                                 y * cairo_image_surface_get_stride(surface) + x * 4);
}

int channel(std::uint32_t value, int shift) { return static_cast<int>(value >> shift & 0xFF); }

// Pixels whose channels differ by more than this count as different.
constexpr int kChannelTolerance = 40;
// At most this share of the pixels may differ.
constexpr double kDifferentShare = 0.004;

class Golden : public testing::TestWithParam<GoldenCase> {};

TEST_P(Golden, GaugeLooksAsItsGoldenImage) {
  const GoldenCase& golden = GetParam();
  panel_host::Host host;
  panel_host::PanelView view(host, render_tests::module_path(golden.module), golden.gauge, 1.0);
  std::istringstream script(golden.script);
  panel_host::PanelScript(view).run(script, golden.name);
  view.update();
  view.draw();
  cairo_surface_t* actual = view.paint();
  const std::string golden_path = std::string(GOLDEN_DIR) + "/" + golden.name + ".png";
  if (std::getenv("RENDER_UPDATE_GOLDEN") != nullptr) {
    view.write_png(golden_path);
    GTEST_SKIP() << "wrote " << golden_path;
  }
  Surface expected(cairo_image_surface_create_from_png(golden_path.c_str()));
  ASSERT_EQ(cairo_surface_status(expected.get()), CAIRO_STATUS_SUCCESS) << golden_path;
  ASSERT_EQ(cairo_image_surface_get_width(expected.get()), view.width());
  ASSERT_EQ(cairo_image_surface_get_height(expected.get()), view.height());

  Surface difference = panel_host::make_image_surface(view.width(), view.height());
  int different = 0;
  for (int y = 0; y < view.height(); ++y)
    for (int x = 0; x < view.width(); ++x) {
      const std::uint32_t a = pixel(actual, x, y), b = pixel(expected.get(), x, y);
      int worst = 0;
      for (const int shift : {0, 8, 16, 24}) worst = std::max(worst, std::abs(channel(a, shift) - channel(b, shift)));
      if (worst > kChannelTolerance) ++different;
      const auto level = static_cast<std::uint32_t>(std::min(255, worst * 4));
      *reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(difference.get()) +
                                        y * cairo_image_surface_get_stride(difference.get()) + x * 4) =
          0xFF000000u | level << 16 | level << 8 | level;
    }
  cairo_surface_mark_dirty(difference.get());
  const double share = static_cast<double>(different) / (view.width() * view.height());
  if (share > kDifferentShare) {
    const std::string base = std::string(OUTPUT_DIR) + "/" + golden.name;
    view.write_png(base + ".actual.png");
    cairo_surface_write_to_png(difference.get(), (base + ".difference.png").c_str());
    ADD_FAILURE() << golden.name << ": " << different << " pixels differ; see " << base << ".actual.png and "
                  << base << ".difference.png";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Gauges, Golden,
    testing::Values(GoldenCase{"altimeter", "Corvel1", "Altimetro", "set 74 12345\nset 76 29.92\n"},
                    GoldenCase{"clock", "Corvel1", "Clock", "set 3 10.2\nset 4 12\nset 5 38\n"},
                    GoldenCase{"combination_display", "ID_Pelmar_Combo", "ID_Pelmar_Combo",
                               "frame\nclick 270 200\nset 556 8\nset 61 120\nset 415 640\nset 74 4000\nset 3 10\n"
                               "set 4 35\nset 416 620\nset 390 2350\nset 791 60\n"},
                    GoldenCase{"metric_altimeter", "ID_Norva_AltimMtr", "ID_Norva_AltimMtr", "set 74 2950\nset 75 1013\n"}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
