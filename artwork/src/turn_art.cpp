// "Turn": a turn and slip indicator. The needle is pivoted low on the dial and
// stands upright for no turn; marks at the rate-one turns, the ball's tube
// curved as the ball's two axes move it.
#include <cmath>

#include "corvel1_art.h"

namespace artwork::corvel1 {
namespace {

using namespace gauge_kit;

// The ball's centre for a slip value: its slider moves it by both axes.
Point ball_centre(const GaugeRecords& records, double slip) {
  ElementHeader& element = records.element(290);
  auto& ball = element_as<SliderElement>(&element);
  ball.x_source.value = slip;
  ball.y_source.value = slip;
  const double x = ball.x_callback != nullptr ? ball.x_callback(&element) : slip;
  const double y = ball.y_callback != nullptr ? ball.y_callback(&element) : slip;
  return {element.position.x + x * ball.x_scale + 15.0, element.position.y + y * ball.y_scale + 19.0};
}

void draw_dial(const GaugeRecords& records, Picture& picture) {
  cairo_t* cr = picture.cr();
  const Point centre{picture.width() / 2.0, picture.height() / 2.0};
  const ElementHeader& needle = records.element(293);
  const Point pivot = pixel_centre(needle.position.x, needle.position.y);
  const panel_host::Dial dial = records.dial(293);
  bezel(cr, centre, 150, 132);
  face(cr, centre, 132);

  // Rate-one marks ("doghouses"), the middle mark and the stops.
  for (const double value : {-546.0, 546.0}) {
    const double angle = dial.angle_for(value);
    cairo_save(cr);
    const Point at = polar(pivot, angle, 208);
    cairo_translate(cr, at.x, at.y);
    cairo_rotate(cr, radians(angle + 90));
    cairo_move_to(cr, -9, 10);
    cairo_line_to(cr, -9, -4);
    cairo_line_to(cr, 0, -12);
    cairo_line_to(cr, 9, -4);
    cairo_line_to(cr, 9, 10);
    cairo_close_path(cr);
    set_colour(cr, ink::kWhite);
    cairo_fill(cr);
    cairo_restore(cr);
  }
  tick(cr, pivot, dial.angle_for(0), 197, 218, 6, ink::kWhite);
  for (const double value : {-900.0, 900.0}) tick(cr, pivot, dial.angle_for(value), 188, 206, 4, ink::kWhite);
  label(cr, polar(pivot, dial.angle_for(-900), 170), "L", 22, Font::CondensedBold, ink::kWhite);
  label(cr, polar(pivot, dial.angle_for(900), 170), "R", 22, Font::CondensedBold, ink::kWhite);
  label(cr, {centre.x - 58, 128}, "2 MIN", 12, Font::SansBold, ink::kWhite);
  label(cr, {centre.x + 58, 128}, "TURN", 12, Font::SansBold, ink::kWhite);

  // The tube: curved along the ball's path, glass over a pale backing.
  cairo_new_path(cr);
  for (int slip = -127; slip <= 127; slip += 4) {
    const Point at = ball_centre(records, slip);
    if (slip == -127)
      cairo_move_to(cr, at.x, at.y);
    else
      cairo_line_to(cr, at.x, at.y);
  }
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, 36);
  set_colour(cr, rgb(70, 70, 72));
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 31);
  set_colour(cr, rgb(206, 204, 190));
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 12);
  set_colour(cr, rgb(226, 224, 212));
  cairo_stroke(cr);
  // The reference wires either side of the ball at rest.
  const Point rest = ball_centre(records, 0);
  for (const double side : {-15.5, 15.5}) {
    cairo_move_to(cr, rest.x + side, rest.y - 16);
    cairo_line_to(cr, rest.x + side, rest.y + 16);
    cairo_set_line_width(cr, 2);
    set_colour(cr, rgb(30, 30, 30));
    cairo_stroke(cr);
  }
  label(cr, {centre.x + 62, 240}, "D.C.", 9, Font::SansBold, rgb(190, 190, 184));
  label(cr, {centre.x - 62, 240}, "TURN & SLIP", 8, Font::SansBold, rgb(190, 190, 184));
  glass(cr, centre, 132);
}

void draw_ball(Picture& picture) {
  cairo_t* cr = picture.cr();
  const Point centre{15, 19};
  cairo_pattern_t* shade = cairo_pattern_create_radial(centre.x - 4, centre.y - 5, 1, centre.x, centre.y, 13);
  cairo_pattern_add_color_stop_rgb(shade, 0, 0.45, 0.45, 0.46);
  cairo_pattern_add_color_stop_rgb(shade, 0.35, 0.12, 0.12, 0.12);
  cairo_pattern_add_color_stop_rgb(shade, 1, 0.04, 0.04, 0.04);
  cairo_arc(cr, centre.x, centre.y, 13, 0, 2 * kPi);
  cairo_set_source(cr, shade);
  cairo_fill(cr);
  cairo_pattern_destroy(shade);
}

void draw_needle(const GaugeRecords& records, Picture& picture) {
  cairo_t* cr = picture.cr();
  const ElementHeader& needle = records.element(293);
  const Point pivot = pixel_centre(needle.pivot.x, needle.pivot.y);
  const double length = picture.width() - pivot.x - 1;
  cairo_translate(cr, pivot.x, pivot.y);
  cairo_move_to(cr, 0, -7);
  cairo_line_to(cr, length - 30, -3);
  cairo_line_to(cr, length, -1.2);
  cairo_line_to(cr, length, 1.2);
  cairo_line_to(cr, length - 30, 3);
  cairo_line_to(cr, 0, 7);
  cairo_close_path(cr);
  set_colour(cr, ink::kWhite);
  cairo_fill(cr);
  // The hub cover.
  cairo_pattern_t* hub = cairo_pattern_create_radial(-4, -5, 1, 0, 0, 15);
  cairo_pattern_add_color_stop_rgb(hub, 0, 0.32, 0.32, 0.33);
  cairo_pattern_add_color_stop_rgb(hub, 1, 0.08, 0.08, 0.09);
  cairo_arc(cr, 0, 0, 15, 0, 2 * kPi);
  cairo_set_source(cr, hub);
  cairo_fill(cr);
  cairo_pattern_destroy(hub);
}

}  // namespace

void draw_turn(const GaugeRecords& records, std::int32_t id, Picture& picture, PaletteOptions& options) {
  options.matte = palette_colour(ink::kFace);
  switch (id) {
    case 289:
      return draw_dial(records, picture);
    case 290:
      options.matte = palette_colour(rgb(210, 208, 196));
      return draw_ball(picture);
    case 293:
      return draw_needle(records, picture);
    default:
      unknown_bitmap("Corvel1", id);
  }
}

}  // namespace artwork::corvel1
