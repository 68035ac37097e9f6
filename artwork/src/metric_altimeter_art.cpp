// "ID_Norva_AltimMtr": an altimeter in metres. The cover is the dial, one turn
// per 1000 m, with a window at the top through which the kilometre disc shows
// (the sprite's mask is that window) and the pressure read-out's window at
// the bottom; the case and the setting knob are on the face beneath.
#include <cmath>
#include <string>

#include "module_art.h"
#include "render/text_fit.h"

namespace artwork {
namespace {

using namespace gauge_kit;

constexpr double kDialRadius = 80;
constexpr double kCaseRadius = 92;
// The kilometre window: a sector above the disc's centre.
constexpr double kWindowAngle = -90;
constexpr double kWindowHalfWidth = 20;  // degrees
constexpr double kWindowInner = 17, kWindowOuter = 42;
constexpr double kFeetPerKilometre = 3280.84;

Point needle_centre(const GaugeRecords& records) {
  const ElementHeader& needle = records.element(5632);
  return pixel_centre(needle.position.x, needle.position.y);
}

Point disc_centre(const GaugeRecords& records) {
  const ElementHeader& disc = records.element(5888);
  return {disc.position.x + disc.pivot.x + 0.5, disc.position.y + disc.pivot.y + 0.5};
}

// The disc's turn at `feet`, as its angle callback and angle scale give it.
double disc_turn(const GaugeRecords& records, double feet) {
  ElementHeader& element = records.element(5888);
  auto& disc = element_as<SpriteElement>(&element);
  disc.angle_source.value = feet;
  const double number = disc.angle_callback != nullptr ? disc.angle_callback(&element) : feet;
  return number * disc.angle_scale;
}

void window_path(cairo_t* cr, Point centre, double grow) {
  band(cr, centre, kWindowInner - grow, kWindowOuter + grow, kWindowAngle - kWindowHalfWidth - grow,
       kWindowAngle + kWindowHalfWidth + grow);
}

void draw_face(const GaugeRecords& records, Picture& picture) {
  cairo_t* cr = picture.cr();
  const Point centre = needle_centre(records);
  const PixelBox& up = records.mouse_children().at(0);
  const PixelBox& down = records.mouse_children().at(1);
  const Point knob_centre{(down.x + up.x + up.width) / 2.0, (up.y + up.height / 2.0)};
  knob(cr, knob_centre, up.height / 2.0 - 1, 22, rgb(48, 48, 50));
  bezel(cr, centre, kCaseRadius, kDialRadius);
  face(cr, centre, kDialRadius, rgb(18, 18, 19));
}

void draw_cover(const GaugeRecords& records, Picture& picture) {
  cairo_t* cr = picture.cr();
  const Point centre = needle_centre(records);
  const panel_host::Dial dial = records.dial(5632);
  face(cr, centre, kDialRadius, rgb(22, 22, 23));
  for (int metres = 0; metres < 1000; metres += 10) {
    const double angle = dial.angle_for(metres);
    if (metres % 100 == 0)
      tick(cr, centre, angle, 64, 78, 2.6, ink::kWhite);
    else if (metres % 50 == 0)
      tick(cr, centre, angle, 69, 78, 1.8, ink::kWhite);
    else
      tick(cr, centre, angle, 73, 78, 1.0, ink::kWhite);
  }
  label(cr, {centre.x, centre.y + 22}, "m", 11, Font::SansBold, ink::kWhite);
  // The kilometre window: open (transparent) where the disc shows, framed,
  // with an index above it.
  const Point disc = disc_centre(records);
  window_path(cr, disc, 2);
  set_colour(cr, rgb(90, 90, 92));
  cairo_fill(cr);
  window_path(cr, disc, 0);
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  cairo_fill(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  const Point index = polar(disc, kWindowAngle, kWindowOuter + 3);
  cairo_move_to(cr, index.x, index.y);
  cairo_line_to(cr, index.x - 4, index.y - 6);
  cairo_line_to(cr, index.x + 4, index.y - 6);
  cairo_close_path(cr);
  set_colour(cr, ink::kYellow);
  cairo_fill(cr);
  label(cr, {disc.x + 30, disc.y - 32}, "km", 8, Font::SansBold, ink::kWhite);
  // The read-out's window, with the unlit segments showing faintly.
  const auto& readout = element_as<StringElement>(&records.element(-1));
  const double cell = readout.box_height;
  cairo_select_font_face(cr, "DSEG7 Classic", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, 100);
  cairo_text_extents_t eight;
  cairo_text_extents(cr, "8", &eight);
  cairo_set_font_size(cr, panel_host::text_fit::font_size(cell, eight.height));
  cairo_text_extents_t ghost;
  cairo_text_extents(cr, "8888", &ghost);
  const double left = readout.header.position.x;
  const double baseline = readout.header.position.y + cell * panel_host::text_fit::kBaseline;
  const double frame_left = left - 4, frame_right = left + ghost.x_advance + 2;
  const double frame_top = baseline + ghost.y_bearing - 4, frame_bottom = baseline + 4;
  rounded_rectangle(cr, frame_left, frame_top, frame_right - frame_left, frame_bottom - frame_top, 2);
  set_colour(cr, rgb(8, 8, 7));
  cairo_fill_preserve(cr);
  set_colour(cr, rgb(80, 80, 82));
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  cairo_move_to(cr, left, baseline);
  set_colour(cr, rgb(34, 33, 26));
  cairo_show_text(cr, "8888");
  label(cr, {centre.x, frame_top - 9}, "hPa", 7, Font::SansBold, ink::kWhite);
  // Numerals in hundreds of metres; the read-out's window stands in for any it would cover.
  for (int hundreds = 0; hundreds < 10; ++hundreds) {
    // Drawn a little further in where that clears the window, else left out.
    for (const double radius : {53.0, 50.0, 47.0}) {
      const Point at = polar(centre, dial.angle_for(hundreds * 100.0), radius);
      if (at.x + 6 > frame_left && at.x - 6 < frame_right && at.y + 8 > frame_top && at.y - 8 < frame_bottom) continue;
      label(cr, at, std::to_string(hundreds), 15, Font::CondensedBold, ink::kWhite);
      break;
    }
  }

  glass(cr, centre, kDialRadius);
}

void draw_disc(const GaugeRecords& records, Picture& picture) {
  cairo_t* cr = picture.cr();
  const ElementHeader& element = records.element(5888);
  const Point centre = pixel_centre(element.pivot.x, element.pivot.y);
  fill_circle(cr, centre, kWindowOuter + 6, rgb(230, 228, 216));
  // Kilometre k stands where the disc has turned it under the index at k km.
  for (int kilometre = 0; kilometre <= 10; ++kilometre) {
    const double angle = kWindowAngle - disc_turn(records, kilometre * kFeetPerKilometre);
    label(cr, polar(centre, angle, (kWindowInner + kWindowOuter) / 2.0), std::to_string(kilometre), 15,
          Font::CondensedBold, rgb(20, 20, 20), angle + 90);
    for (int half = 1; half < 2; ++half) {
      const double between = kWindowAngle - disc_turn(records, (kilometre + 0.5) * kFeetPerKilometre);
      if (kilometre < 10) tick(cr, centre, between, kWindowOuter - 4, kWindowOuter + 2, 1.2, rgb(20, 20, 20));
    }
  }
}

void draw_mask(const GaugeRecords& records, Picture& picture) {
  cairo_t* cr = picture.cr();
  window_path(cr, disc_centre(records), 1);
  set_colour(cr, rgb(255, 255, 255));
  cairo_fill(cr);
}

void draw_needle(const GaugeRecords& records, Picture& picture) {
  cairo_t* cr = picture.cr();
  const ElementHeader& needle = records.element(5632);
  const Point pivot = pixel_centre(needle.pivot.x, needle.pivot.y);
  const double length = picture.width() - pivot.x - 1;
  const double tail = pivot.x - 1;
  cairo_translate(cr, pivot.x, pivot.y);
  cairo_move_to(cr, -tail + 10, -2);
  cairo_line_to(cr, length - 12, -2.2);
  cairo_line_to(cr, length, 0);
  cairo_line_to(cr, length - 12, 2.2);
  cairo_line_to(cr, -tail + 10, 2);
  cairo_close_path(cr);
  set_colour(cr, ink::kLuminous);
  cairo_fill(cr);
  fill_circle(cr, {-tail + 7, 0}, 5.5, rgb(36, 36, 38));
  fill_circle(cr, {0, 0}, 5.5, rgb(36, 36, 38));
  fill_circle(cr, {0, 0}, 1.8, rgb(140, 140, 140));
}

}  // namespace

void draw_metric_altimeter(const panel_host::LoadedModule& module, std::int32_t id, Picture& picture,
                           PaletteOptions& options) {
  const GaugeRecords records(module, "ID_Norva_AltimMtr");
  options.matte = palette_colour(rgb(22, 22, 23));
  switch (id) {
    case 256:
      return draw_face(records, picture);
    case 5120:
      return draw_cover(records, picture);
    case 5632:
      return draw_needle(records, picture);
    case 5888:
      options.matte = palette_colour(rgb(230, 228, 216));
      return draw_disc(records, picture);
    case 5889:
      return draw_mask(records, picture);
    default:
      unknown_bitmap("ID_Norva_AltimMtr", id);
  }
}

}  // namespace artwork
