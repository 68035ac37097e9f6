// "Gmeter": an accelerometer graduated from -4 to 10 g with red limit marks;
// one needle shape for the live needle and the two memory needles, and the
// push-to-set button at the lower left.
#include <cmath>
#include <string>

#include "corvel1_art.h"

namespace artwork::corvel1 {
namespace {

using namespace gauge_kit;

// The load limits marked in red.
constexpr double kLimits[] = {-3.0, 7.0};

void draw_dial(const GaugeRecords& records, Picture& picture) {
  cairo_t* cr = picture.cr();
  const ElementHeader& needle = records.element(326);
  const Point centre = pixel_centre(needle.position.x, needle.position.y);
  const panel_host::Dial dial = records.dial(326);
  const double outer = picture.height() - centre.y - 1;
  bezel(cr, centre, outer, outer - 18);
  face(cr, centre, outer - 18);
  for (int tenth = -40; tenth <= 100; tenth += 5) {
    const double angle = dial.angle_for(tenth / 10.0);
    if (tenth % 10 == 0)
      tick(cr, centre, angle, 98, 120, 3.4, ink::kWhite);
    else
      tick(cr, centre, angle, 110, 120, 1.8, ink::kWhite);
  }
  for (const double limit : kLimits) tick(cr, centre, dial.angle_for(limit), 96, 121, 5, ink::kRed);
  for (int g = -4; g <= 10; g += 1) {
    if (g % 2 != 0 && g != 1) continue;
    label(cr, polar(centre, dial.angle_for(g), 80), std::to_string(g), g == 1 ? 18 : 24, Font::CondensedBold,
          ink::kWhite);
  }
  label(cr, {centre.x + 34, centre.y + 30}, "G", 22, Font::SansBold, ink::kWhite);
  label(cr, {centre.x + 34, centre.y + 48}, "UNITS", 8, Font::SansBold, ink::kWhite);
  label(cr, {centre.x, centre.y - 44}, "ACCELERATION", 9, Font::SansBold, rgb(190, 190, 186));
  glass(cr, centre, outer - 18);
  // The push-to-set button.
  const PixelBox& reset = records.mouse_children().at(0);
  const Point button{reset.centre_x(), reset.centre_y()};
  fill_circle(cr, {button.x + 1.5, button.y + 2}, reset.width / 2.0 - 3, rgb(8, 8, 8));
  cairo_pattern_t* cap = cairo_pattern_create_radial(button.x - 5, button.y - 6, 1, button.x, button.y, reset.width / 2.0 - 3);
  cairo_pattern_add_color_stop_rgb(cap, 0, 0.55, 0.55, 0.56);
  cairo_pattern_add_color_stop_rgb(cap, 1, 0.12, 0.12, 0.13);
  cairo_arc(cr, button.x, button.y, reset.width / 2.0 - 3, 0, 2 * kPi);
  cairo_set_source(cr, cap);
  cairo_fill(cr);
  cairo_pattern_destroy(cap);
  label(cr, {button.x, button.y - 3}, "PUSH", 6.5, Font::SansBold, ink::kWhite);
  label(cr, {button.x, button.y + 5}, "SET", 6.5, Font::SansBold, ink::kWhite);
}

void draw_needle(const GaugeRecords& records, Picture& picture) {
  cairo_t* cr = picture.cr();
  const ElementHeader& needle = records.element(326);
  const Point pivot = pixel_centre(needle.pivot.x, needle.pivot.y);
  const double length = picture.width() - pivot.x - 1;
  const double tail = pivot.x - 1;
  cairo_translate(cr, pivot.x, pivot.y);
  cairo_move_to(cr, -tail, -3);
  cairo_line_to(cr, length - 18, -2.6);
  cairo_line_to(cr, length, 0);
  cairo_line_to(cr, length - 18, 2.6);
  cairo_line_to(cr, -tail, 3);
  cairo_close_path(cr);
  set_colour(cr, ink::kWhite);
  cairo_fill(cr);
  fill_circle(cr, {0, 0}, 7.5, rgb(36, 36, 38));
  stroke_circle(cr, {0, 0}, 7, 1.2, rgb(120, 120, 122));
}

}  // namespace

void draw_gmeter(const GaugeRecords& records, std::int32_t id, Picture& picture, PaletteOptions& options) {
  options.matte = palette_colour(ink::kFace);
  switch (id) {
    case 325:
      return draw_dial(records, picture);
    case 326:
      return draw_needle(records, picture);
    default:
      unknown_bitmap("Corvel1", id);
  }
}

}  // namespace artwork::corvel1
