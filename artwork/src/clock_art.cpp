// "Clock": a panel clock with a twelve-hour dial, minute track, luminous
// numerals and hands, and its winding and setting knob at the lower left.
#include <cmath>
#include <string>

#include "corvel1_art.h"

namespace artwork::corvel1 {
namespace {

using namespace gauge_kit;

void draw_dial(const GaugeRecords& records, Picture& picture) {
  cairo_t* cr = picture.cr();
  const ElementHeader& hand = records.element(321);
  const Point centre = pixel_centre(hand.position.x, hand.position.y);
  const panel_host::Dial hours = records.dial(321);
  const panel_host::Dial minutes = records.dial(322);
  bezel(cr, centre, 147, 129);
  face(cr, centre, 129);
  // The minute track, with a dot at each hour.
  for (int minute = 0; minute < 60; ++minute) {
    const double angle = minutes.angle_for(minute);
    if (minute % 5 == 0)
      tick(cr, centre, angle, 111, 126, 4.2, ink::kWhite);
    else
      tick(cr, centre, angle, 119, 126, 1.8, ink::kWhite);
  }
  stroke_circle(cr, centre, 126.5, 1.2, ink::kWhite);
  for (int hour = 0; hour < 12; ++hour) {
    const double angle = hours.angle_for(hour);
    label(cr, polar(centre, angle, 93), std::to_string(hour == 0 ? 12 : hour), hour == 0 ? 30 : 28,
          Font::CondensedBold, ink::kLuminous);
  }
  label(cr, {centre.x, centre.y - 46}, "8 DAY", 10, Font::SansBold, ink::kWhite);
  label(cr, {centre.x, centre.y + 52}, "AIRCRAFT CLOCK", 8, Font::SansBold, rgb(180, 180, 176));
  glass(cr, centre, 129);
  // The knob: pull to set, turn to wind.
  const PixelBox& left = records.mouse_children().at(0);
  const PixelBox& right = records.mouse_children().at(1);
  const Point knob_centre{(left.x + right.x + right.width) / 2.0, left.centre_y()};
  knob(cr, knob_centre, left.height / 2.0 - 4, 30);
  label(cr, knob_centre, "WIND", 8, Font::SansBold, rgb(210, 210, 210));
}

// A hand drawn pointing right from its pivot: a slim outline filled with
// luminous paint, a hub, and a short tail.
void draw_hand(Picture& picture, Point pivot, double length, double width) {
  cairo_t* cr = picture.cr();
  cairo_translate(cr, pivot.x, pivot.y);
  cairo_move_to(cr, -8, -width * 0.35);
  cairo_line_to(cr, length * 0.22, -width * 0.5);
  cairo_line_to(cr, length * 0.84, -width * 0.42);
  cairo_line_to(cr, length, 0);
  cairo_line_to(cr, length * 0.84, width * 0.42);
  cairo_line_to(cr, length * 0.22, width * 0.5);
  cairo_line_to(cr, -8, width * 0.35);
  cairo_close_path(cr);
  set_colour(cr, ink::kWhite);
  cairo_fill(cr);
  cairo_move_to(cr, length * 0.3, -width * 0.22);
  cairo_line_to(cr, length * 0.8, -width * 0.18);
  cairo_line_to(cr, length * 0.93, 0);
  cairo_line_to(cr, length * 0.8, width * 0.18);
  cairo_line_to(cr, length * 0.3, width * 0.22);
  cairo_close_path(cr);
  set_colour(cr, rgb(196, 214, 150));
  cairo_fill(cr);
  fill_circle(cr, {0, 0}, 7, ink::kWhite);
  fill_circle(cr, {0, 0}, 2.5, rgb(60, 60, 60));
}

void draw_second_hand(Picture& picture, Point pivot) {
  cairo_t* cr = picture.cr();
  const double length = picture.width() - pivot.x - 1;
  const double tail = pivot.x - 1;
  cairo_translate(cr, pivot.x, pivot.y);
  cairo_move_to(cr, -tail + 14, -1.3);
  cairo_line_to(cr, length, -0.7);
  cairo_line_to(cr, length, 0.7);
  cairo_line_to(cr, -tail + 14, 1.3);
  cairo_close_path(cr);
  set_colour(cr, ink::kRed);
  cairo_fill(cr);
  // The counterweight on the tail.
  rounded_rectangle(cr, -tail + 1, -3.5, 16, 7, 3.5);
  set_colour(cr, ink::kRed);
  cairo_fill(cr);
  fill_circle(cr, {0, 0}, 4.5, ink::kRed);
  fill_circle(cr, {0, 0}, 1.6, rgb(40, 40, 40));
}

}  // namespace

void draw_clock(const GaugeRecords& records, std::int32_t id, Picture& picture, PaletteOptions& options) {
  options.matte = palette_colour(ink::kFace);
  const ElementHeader& element = records.element(id);
  const Point pivot = pixel_centre(element.pivot.x, element.pivot.y);
  switch (id) {
    case 320:
      return draw_dial(records, picture);
    case 321:
      return draw_hand(picture, pivot, picture.width() - pivot.x - 2, 15);
    case 322:
      return draw_hand(picture, pivot, picture.width() - pivot.x - 2, 13);
    case 323:
      return draw_second_hand(picture, pivot);
    default:
      unknown_bitmap("Corvel1", id);
  }
}

}  // namespace artwork::corvel1
