// The drawing rules, pixel by pixel, on the probe module: transparency, the
// hidden flag, a sprite's mask, night and the bright flag, frozen needles,
// string alignment and clipping.
#include <gtest/gtest.h>

#include <cstdint>

#include "core/host_error.h"
#include "render/panel_view.h"

namespace {

using panel_host::Host;
using panel_host::PanelView;

struct Pixel {
  int red, green, blue, alpha;
};

class ProbeRender : public testing::Test {
 protected:
  void SetUp() override {
    host.variables().set(2, 90.0);  // the needle points down
    host.variables().set(3, 8.0);
    host.variables().set(4, 88888888.0);
  }
  void frame() {
    view.update();
    view.draw();
    view.paint();
  }
  Pixel at(int x, int y) const {
    cairo_surface_t* surface = view.frame();
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const auto value = *reinterpret_cast<const std::uint32_t*>(data + y * cairo_image_surface_get_stride(surface) + x * 4);
    return {static_cast<int>(value >> 16 & 0xFF), static_cast<int>(value >> 8 & 0xFF), static_cast<int>(value & 0xFF),
            static_cast<int>(value >> 24)};
  }
  // The columns of a box's row that carry the text's colour (white).
  std::pair<int, int> ink_columns(int left, int right, int row) const {
    int first = -1, last = -1;
    for (int x = left; x < right; ++x)
      if (at(x, row).red > 200 && at(x, row).blue > 200) {
        if (first < 0) first = x;
        last = x;
      }
    return {first, last};
  }

  Host host;
  PanelView view{host, RENDER_PROBE_MODULE, "Probe", 1.0};
};

TEST_F(ProbeRender, PureBlackIsTransparentWhereTheFlagSaysSo) {
  frame();
  EXPECT_EQ(at(5, 20).alpha, 0);
  EXPECT_EQ(at(16, 31).red, 200);
  EXPECT_EQ(at(16, 31).alpha, 255);
}

TEST_F(ProbeRender, HiddenElementIsNotDrawnButItsChildIs) {
  frame();
  EXPECT_EQ(at(21, 5).red, 200);    // the face, not the hidden blue
  EXPECT_EQ(at(21, 5).blue, 0);
  EXPECT_EQ(at(31, 5).green, 200);  // its child
}

TEST_F(ProbeRender, SpriteShowsOnlyWhereItsMaskIsNotBlack) {
  host.variables().set(1, 30.0);  // turned: the mask stays put
  frame();
  EXPECT_EQ(at(20, 21).green, 255);  // left half of the mask
  EXPECT_EQ(at(31, 21).green, 0);    // right half: the face shows
  EXPECT_EQ(at(31, 21).red, 200);
}

TEST_F(ProbeRender, NightDarkensAllButTheBrightElements) {
  host.night = true;
  frame();
  EXPECT_NEAR(at(16, 31).red, 200 * panel_host::kNightLevel, 1.0);
  EXPECT_GE(at(40, 12).green, 250);  // the bright needle, pointing down from (40, 4)
}

TEST_F(ProbeRender, FrozenNeedleKeepsItsPictureAndZeroedOneLiesAtZero) {
  frame();
  host.failed_keys().insert(5);
  host.variables().set(2, 0.0);
  frame();
  EXPECT_GE(at(40, 12).green, 250);  // still down
  host.failed_keys() = {6};
  host.variables().set(2, 90.0);
  frame();
  EXPECT_EQ(at(40, 12).green, 0);  // at 0: pointing right
  EXPECT_GE(at(46, 4).green, 250);
}

TEST_F(ProbeRender, StringsAlignInTheirBoxesAndAreClipped) {
  frame();
  // Centred: the ink's middle is the box's middle (48 + 12).
  const auto [first, last] = ink_columns(48, 72, 8);
  ASSERT_GE(first, 0);
  EXPECT_NEAR((first + last) / 2.0, 60.0, 1.5);
  // Top left: the ink starts at the box's left edge.
  const auto [left, right] = ink_columns(72, 96, 8);
  ASSERT_GE(left, 0);
  EXPECT_LE(left - 72, 3);
  EXPECT_GT(right - left, 3);
  // The box is filled with the back colour; a long text stops at its edge.
  EXPECT_EQ(at(49, 30).blue, 96);
  EXPECT_EQ(at(73, 24).red, 200);
  EXPECT_EQ(at(73, 24).blue, 0);
  // The box that runs past the gauge is drawn up to the gauge's edge.
  EXPECT_EQ(view.width(), 96);
  EXPECT_EQ(at(95, 30).blue, 96);
}

TEST(ProbeBitmaps, MissingBitmapIsNamedWithTheModuleAndId) {
  Host host;
  PanelView view(host, RENDER_PROBE_MODULE, "MissingBitmap", 1.0);
  view.update();
  try {
    view.paint();
    FAIL() << "drew a bitmap the module does not have";
  } catch (const panel_host::HostError& error) {
    EXPECT_EQ(std::string(error.what()), std::string(RENDER_PROBE_MODULE) + ": bitmap 198 is missing");
  }
}

TEST(ProbeScale, DrawsTheGaugeLarger) {
  Host host;
  PanelView view(host, RENDER_PROBE_MODULE, "Probe", 2.5);
  view.update();
  view.paint();
  EXPECT_EQ(view.width(), 240);
  EXPECT_EQ(view.height(), 80);
}

}  // namespace
