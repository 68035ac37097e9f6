#include "panel_background_art.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "core/bitmap_info.h"
#include "core/element_tree.h"
#include "core/host.h"
#include "core/loaded_module.h"

namespace artwork {
namespace {

// A small deterministic noise, so the paint looks the same on every run.
struct Noise {
  std::uint32_t state = 12345;
  double next() {
    state = state * 1664525u + 1013904223u;
    return static_cast<double>(state >> 8) / static_cast<double>(1u << 24);
  }
};

void paint_metal(Picture& picture) {
  cairo_t* cr = picture.cr();
  cairo_pattern_t* shade = cairo_pattern_create_linear(0, 0, 0, picture.height());
  cairo_pattern_add_color_stop_rgb(shade, 0, 0.215, 0.225, 0.235);
  cairo_pattern_add_color_stop_rgb(shade, 1, 0.165, 0.17, 0.18);
  cairo_set_source(cr, shade);
  cairo_paint(cr);
  cairo_pattern_destroy(shade);
  // Crackle paint: a fine speckle of lighter and darker grains.
  Noise noise;
  for (int grain = 0; grain < picture.width() * picture.height() / 3; ++grain) {
    const double x = noise.next() * picture.width();
    const double y = noise.next() * picture.height();
    const double light = noise.next();
    cairo_rectangle(cr, x, y, 1, 1);
    cairo_set_source_rgba(cr, light > 0.5 ? 1 : 0, light > 0.5 ? 1 : 0, light > 0.5 ? 1 : 0, 0.035);
    cairo_fill(cr);
  }
  // The glareshield's edge along the top.
  cairo_rectangle(cr, 0, 0, picture.width(), 6);
  set_colour(cr, rgb(22, 22, 24));
  cairo_fill(cr);
}

// The gauge's silhouette (its root bitmap where not black), softened, as a
// shadow on the panel.
void paint_shadow(cairo_t* cr, const panel_host::DecodedBitmap& root, double x, double y, double width, double height) {
  const int blur = 4;
  const int w = root.width + 4 * blur, h = root.height + 4 * blur;
  std::vector<float> alpha(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0.0f);
  for (int row = 0; row < root.height; ++row)
    for (int column = 0; column < root.width; ++column) {
      const std::uint8_t* rgb = &root.rgb[(static_cast<std::size_t>(row) * static_cast<std::size_t>(root.width) + static_cast<std::size_t>(column)) * 3];
      if (rgb[0] != 0 || rgb[1] != 0 || rgb[2] != 0)
        alpha[static_cast<std::size_t>(row + 2 * blur) * static_cast<std::size_t>(w) + static_cast<std::size_t>(column + 2 * blur)] = 1.0f;
    }
  // Two box blurs, across and down, twice.
  std::vector<float> scratch(alpha.size());
  for (int pass = 0; pass < 2; ++pass) {
    for (int row = 0; row < h; ++row)
      for (int column = 0; column < w; ++column) {
        float sum = 0;
        for (int d = -blur; d <= blur; ++d) sum += alpha[static_cast<std::size_t>(row) * static_cast<std::size_t>(w) + static_cast<std::size_t>(std::clamp(column + d, 0, w - 1))];
        scratch[static_cast<std::size_t>(row) * static_cast<std::size_t>(w) + static_cast<std::size_t>(column)] = sum / (2 * blur + 1);
      }
    for (int row = 0; row < h; ++row)
      for (int column = 0; column < w; ++column) {
        float sum = 0;
        for (int d = -blur; d <= blur; ++d) sum += scratch[static_cast<std::size_t>(std::clamp(row + d, 0, h - 1)) * static_cast<std::size_t>(w) + static_cast<std::size_t>(column)];
        alpha[static_cast<std::size_t>(row) * static_cast<std::size_t>(w) + static_cast<std::size_t>(column)] = sum / (2 * blur + 1);
      }
  }
  cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, w, h);
  cairo_surface_flush(mask);
  unsigned char* data = cairo_image_surface_get_data(mask);
  const int stride = cairo_image_surface_get_stride(mask);
  for (int row = 0; row < h; ++row)
    for (int column = 0; column < w; ++column)
      data[row * stride + column] = static_cast<unsigned char>(std::lround(alpha[static_cast<std::size_t>(row) * static_cast<std::size_t>(w) + static_cast<std::size_t>(column)] * 200));
  cairo_surface_mark_dirty(mask);
  cairo_save(cr);
  cairo_translate(cr, x + 3, y + 5);
  cairo_scale(cr, width / root.width, height / root.height);
  cairo_set_source_rgb(cr, 0.02, 0.02, 0.02);
  cairo_mask_surface(cr, mask, -2 * blur, -2 * blur);
  cairo_restore(cr);
  cairo_surface_destroy(mask);
}

bool transparent_at(const panel_host::DecodedBitmap& root, double fx, double fy) {
  const auto column = static_cast<std::size_t>(std::clamp(fx * root.width, 0.0, root.width - 1.0));
  const auto row = static_cast<std::size_t>(std::clamp(fy * root.height, 0.0, root.height - 1.0));
  const std::uint8_t* rgb = &root.rgb[(row * static_cast<std::size_t>(root.width) + column) * 3];
  return rgb[0] == 0 && rgb[1] == 0 && rgb[2] == 0;
}

void placard(cairo_t* cr, Point centre, const std::string& text) {
  const double width = label_width(cr, text, 8, Font::SansBold) + 12;
  rounded_rectangle(cr, centre.x - width / 2, centre.y - 7, width, 14, 2);
  set_colour(cr, rgb(28, 28, 30));
  cairo_fill_preserve(cr);
  set_colour(cr, rgb(110, 110, 112));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  label(cr, centre, text, 8, Font::SansBold, rgb(222, 222, 216));
}

}  // namespace

void draw_panel_background(const panel_host::PanelConfig& config, const std::string& gauges_directory, Picture& picture) {
  const auto window = std::find_if(config.windows.begin(), config.windows.end(),
                                   [](const panel_host::PanelWindow& candidate) { return candidate.visible; });
  if (window == config.windows.end()) throw std::runtime_error(config.path + ": no visible window");
  paint_metal(picture);
  cairo_t* cr = picture.cr();
  for (const panel_host::PanelGaugeLine& line : window->gauges) {
    const panel_host::LoadedModule module(gauges_directory + "/" + line.module + ".gau", panel_host::Host::service_table());
    const gauge_kit::GaugeHeader& gauge = module.gauge(line.gauge);
    const auto root = panel_host::decode_bitmap(module.library(), panel_host::root_element(gauge)->bitmap_id);
    if (!root) throw std::runtime_error(module.path() + ": the root bitmap of " + line.gauge + " cannot be read");
    const double width = line.width.value_or(root->width);
    const double height = line.height.value_or(line.width ? width * root->height / root->width : root->height);
    paint_shadow(cr, *root, line.x, line.y, width, height);
    // Mounting screws where a round case leaves the corners of its square free.
    if (transparent_at(*root, 0.06, 0.06) && transparent_at(*root, 0.94, 0.94) && root->width > 200)
      for (const double fx : {0.07, 0.93})
        for (const double fy : {0.07, 0.93})
          screw(cr, {line.x + fx * width, line.y + fy * height}, width * 0.028, 35 + 50 * fx + 70 * fy);
    if (line.gauge == "Hobb") placard(cr, {line.x + width / 2, line.y - 16}, "HOURS");
    if (line.gauge == "ID_Ombra_Group") placard(cr, {line.x + width / 2, line.y + height + 16}, "STANDBY VSI");
    if (line.gauge == "ID_Norva_AltimMtr") placard(cr, {line.x + width / 2, line.y + height + 14}, "ALTITUDE m");
  }
}

}  // namespace artwork
