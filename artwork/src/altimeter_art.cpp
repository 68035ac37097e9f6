// "Altimetro": a three-pointer altimeter, graduated 0 to 9 hundred feet
// around the full circle, a hatched low-altitude sector shown through the
// notch of the ten-thousands disc, the setting window at three o'clock and
// the setting knob at the lower left.
#include <cmath>
#include <string>

#include "corvel1_art.h"

namespace artwork::corvel1 {
namespace {

using gauge_kit::ElementHeader;

// The hatched sector, in gauge angles, and the disc's notch that shows it at
// 0 ft (the disc's pointer then points straight up).
constexpr double kHatchFrom = 110.0;
constexpr double kHatchTo = 160.0;
constexpr double kDiscRadius = 60.0;

void draw_dial(const GaugeRecords& records, Picture& picture) {
  cairo_t* cr = picture.cr();
  const ElementHeader& pointer = records.element(307);
  const Point centre = pixel_centre(pointer.position.x, pointer.position.y);
  const panel_host::Dial dial = records.dial(307);
  bezel(cr, centre, 146, 128);
  face(cr, centre, 128);

  // The hatched sector: red and white stripes under the disc's notch.
  cairo_save(cr);
  cairo_new_sub_path(cr);
  cairo_arc(cr, centre.x, centre.y, kDiscRadius - 4, radians(kHatchFrom), radians(kHatchTo));
  cairo_arc_negative(cr, centre.x, centre.y, 26, radians(kHatchTo), radians(kHatchFrom));
  cairo_close_path(cr);
  cairo_clip(cr);
  set_colour(cr, ink::kWhite);
  cairo_paint(cr);
  for (int stripe = -20; stripe < 20; ++stripe) {
    const double x = centre.x + stripe * 9.0;
    cairo_move_to(cr, x, centre.y - 100);
    cairo_line_to(cr, x + 200, centre.y + 100);
    cairo_set_line_width(cr, 4.5);
    set_colour(cr, ink::kRed);
    cairo_stroke(cr);
  }
  cairo_restore(cr);

  // Graduations every 20 ft, longer at 50 and 100 ft; numerals 0 to 9.
  for (int feet = 0; feet < 1000; feet += 20) {
    const double angle = dial.angle_for(feet);
    if (feet % 100 == 0)
      tick(cr, centre, angle, 106, 125, 3.4, ink::kWhite);
    else if (feet % 100 == 60 || feet % 100 == 40)
      tick(cr, centre, angle, 117, 125, 1.6, ink::kWhite);
    else
      tick(cr, centre, angle, 119, 125, 1.4, ink::kWhite);
  }
  for (int feet = 50; feet < 1000; feet += 100) tick(cr, centre, dial.angle_for(feet), 113, 125, 2.0, ink::kWhite);

  // The setting window's box keeps its corner of the dial: the 3 stands just below it.
  const auto& setting = gauge_kit::element_as<gauge_kit::StringElement>(&records.element(-1));
  const double window_bottom = setting.header.position.y + setting.box_height;
  for (int digit = 0; digit < 10; ++digit) {
    Point at = polar(centre, dial.angle_for(digit * 100.0), 93);
    const bool under_window = at.x + 12 > setting.header.position.x && at.y - 13 < window_bottom && at.y + 13 > setting.header.position.y;
    if (under_window) at = {at.x - 4, window_bottom + 14};
    label(cr, at, std::to_string(digit), 26, Font::CondensedBold, ink::kWhite);
  }
  // The window's frame where the disc leaves it free.
  rounded_rectangle(cr, setting.header.position.x - 3, setting.header.position.y - 3, setting.box_width + 6,
                    setting.box_height + 6, 4);
  set_colour(cr, rgb(96, 96, 98));
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);

  label(cr, polar(centre, -90, 71), "100 FEET", 9, Font::SansBold, ink::kWhite);
  label(cr, polar(centre, 90, 71), "ALT", 10, Font::SansBold, ink::kWhite);
  glass(cr, centre, 128);

  // The setting knob, with the two halves' arrows.
  const PixelBox& left = records.mouse_children().at(0);
  const PixelBox& right = records.mouse_children().at(1);
  const Point knob_centre{(left.x + right.x + right.width) / 2.0, left.centre_y()};
  knob(cr, knob_centre, left.height / 2.0 - 3, 28);
  label(cr, {knob_centre.x, knob_centre.y}, "\u21BB", 16, Font::SansBold, rgb(200, 200, 200));
}

void draw_disc(const GaugeRecords& records, Picture& picture) {
  cairo_t* cr = picture.cr();
  const ElementHeader& disc = records.element(305);
  const Point pivot = pixel_centre(disc.pivot.x, disc.pivot.y);
  // Drawn pointing right: the notch sits where the hatched sector lies when
  // the pointer points up (gauge angle -90).
  const double notch_from = kHatchFrom + 90.0;
  const double notch_to = kHatchTo + 90.0;
  cairo_new_sub_path(cr);
  cairo_arc(cr, pivot.x, pivot.y, kDiscRadius, radians(notch_to), radians(notch_from + 360));
  cairo_arc_negative(cr, pivot.x, pivot.y, 22, radians(notch_from + 360), radians(notch_to));
  cairo_close_path(cr);
  cairo_new_sub_path(cr);
  cairo_arc(cr, pivot.x, pivot.y, 22, 0, 2 * kPi);
  set_colour(cr, rgb(26, 26, 27));
  cairo_fill(cr);
  stroke_circle(cr, pivot, kDiscRadius - 0.8, 1.2, rgb(58, 58, 60));
  // The thin ten-thousands pointer with its triangular tip.
  const double tip = picture.width() - pivot.x - 1;
  cairo_move_to(cr, pivot.x + 20, pivot.y - 1.0);
  cairo_line_to(cr, pivot.x + tip - 16, pivot.y - 1.0);
  cairo_line_to(cr, pivot.x + tip - 16, pivot.y + 1.0);
  cairo_line_to(cr, pivot.x + 20, pivot.y + 1.0);
  cairo_close_path(cr);
  set_colour(cr, ink::kWhite);
  cairo_fill(cr);
  cairo_move_to(cr, pivot.x + tip - 20, pivot.y - 6);
  cairo_line_to(cr, pivot.x + tip, pivot.y);
  cairo_line_to(cr, pivot.x + tip - 20, pivot.y + 6);
  cairo_close_path(cr);
  set_colour(cr, ink::kWhite);
  cairo_fill(cr);
}

// A broad pointer from the hub to `length`, `width` at its widest.
void draw_short_pointer(const GaugeRecords& records, Picture& picture) {
  cairo_t* cr = picture.cr();
  const ElementHeader& pointer = records.element(306);
  const Point pivot = pixel_centre(pointer.pivot.x, pointer.pivot.y);
  const double length = picture.width() - pivot.x - 1;
  cairo_translate(cr, pivot.x, pivot.y);
  cairo_move_to(cr, 0, -5);
  cairo_line_to(cr, length * 0.62, -10.5);
  cairo_line_to(cr, length, 0);
  cairo_line_to(cr, length * 0.62, 10.5);
  cairo_line_to(cr, 0, 5);
  cairo_close_path(cr);
  set_colour(cr, ink::kWhite);
  cairo_fill_preserve(cr);
  set_colour(cr, rgb(40, 40, 40));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  fill_circle(cr, {0, 0}, 6.5, rgb(28, 28, 28));
}

void draw_long_pointer(const GaugeRecords& records, Picture& picture) {
  cairo_t* cr = picture.cr();
  const ElementHeader& pointer = records.element(307);
  const Point pivot = pixel_centre(pointer.pivot.x, pointer.pivot.y);
  const double length = picture.width() - pivot.x - 1;
  const double tail = pivot.x - 1;
  cairo_translate(cr, pivot.x, pivot.y);
  // The pointer, a slim blade to a sharp tip.
  cairo_move_to(cr, -tail + 12, -2.2);
  cairo_line_to(cr, length - 14, -2.6);
  cairo_line_to(cr, length, 0);
  cairo_line_to(cr, length - 14, 2.6);
  cairo_line_to(cr, -tail + 12, 2.2);
  cairo_close_path(cr);
  set_colour(cr, ink::kWhite);
  cairo_fill_preserve(cr);
  set_colour(cr, rgb(40, 40, 40));
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
  // The counterweight and the hub.
  fill_circle(cr, {-tail + 9, 0}, 7.5, rgb(30, 30, 31));
  stroke_circle(cr, {-tail + 9, 0}, 7, 1.2, rgb(90, 90, 92));
  fill_circle(cr, {0, 0}, 8.5, rgb(30, 30, 31));
  stroke_circle(cr, {0, 0}, 8, 1.2, rgb(110, 110, 112));
  fill_circle(cr, {0, 0}, 2.5, rgb(120, 120, 122));
}

}  // namespace

void draw_altimeter(const GaugeRecords& records, std::int32_t id, Picture& picture, PaletteOptions& options) {
  options.matte = palette_colour(ink::kFace);
  switch (id) {
    case 304:
      return draw_dial(records, picture);
    case 305:
      return draw_disc(records, picture);
    case 306:
      return draw_short_pointer(records, picture);
    case 307:
      return draw_long_pointer(records, picture);
    default:
      unknown_bitmap("Corvel1", id);
  }
}

}  // namespace artwork::corvel1
