// "RadioCompass" and "CompassNop": fixed cards graduated 0 to 33 with north at
// the top. A needle without a scale turns by its number in degrees from
// pointing right; the bearing callbacks subtract 90, so a bearing b points at
// b - 90 degrees.
#include <cmath>
#include <string>

#include "corvel1_art.h"

namespace artwork::corvel1 {
namespace {

using namespace gauge_kit;

// The gauge angle of a bearing, as the needle's own callback turns it.
double bearing_angle(const GaugeRecords& records, std::int32_t needle_id, double bearing) {
  ElementHeader& element = records.element(needle_id);
  auto& needle = element_as<NeedleElement>(&element);
  needle.source.value = bearing;
  return needle.callback != nullptr ? needle.callback(&element) : bearing;
}

// A card: graduations every 5 degrees, longer every 10, numerals every 30.
void draw_card(cairo_t* cr, const GaugeRecords& records, std::int32_t needle_id, Point centre, double radius,
               bool cardinal_letters) {
  for (int bearing = 0; bearing < 360; bearing += 5) {
    const double angle = bearing_angle(records, needle_id, bearing);
    if (bearing % 10 == 0)
      tick(cr, centre, angle, radius - 16, radius, 2.6, ink::kWhite);
    else
      tick(cr, centre, angle, radius - 9, radius, 1.6, ink::kWhite);
  }
  for (int bearing = 0; bearing < 360; bearing += 30) {
    const double angle = bearing_angle(records, needle_id, bearing);
    std::string name = std::to_string(bearing / 10);
    if (cardinal_letters && bearing % 90 == 0) name = bearing == 0 ? "N" : bearing == 90 ? "E" : bearing == 180 ? "S" : "W";
    const bool letter = !std::isdigit(static_cast<unsigned char>(name[0]));
    // Numerals stand upright to the centre, as on a compass card.
    label(cr, polar(centre, angle, radius - 32), name, letter ? 30 : 24, Font::CondensedBold,
          letter && bearing == 0 ? ink::kYellow : ink::kWhite, angle + 90);
  }
}

void draw_radio_card(const GaugeRecords& records, Picture& picture) {
  cairo_t* cr = picture.cr();
  const ElementHeader& needle = records.element(329);
  const Point centre = pixel_centre(needle.position.x, needle.position.y);
  const double outer = centre.x - 2;
  bezel(cr, centre, outer, outer - 18);
  face(cr, centre, outer - 18);
  draw_card(cr, records, 329, centre, outer - 22, false);
  // The lubber mark over 0 and the 45-degree marks on the ring.
  for (int bearing = 0; bearing < 360; bearing += 45) {
    const Point tip = polar(centre, bearing_angle(records, 329, bearing), outer - 19);
    cairo_save(cr);
    cairo_translate(cr, tip.x, tip.y);
    cairo_rotate(cr, radians(bearing_angle(records, 329, bearing) + 90));
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, -5, -8);
    cairo_line_to(cr, 5, -8);
    cairo_close_path(cr);
    set_colour(cr, bearing == 0 ? ink::kYellow : ink::kWhite);
    cairo_fill(cr);
    cairo_restore(cr);
  }
  label(cr, {centre.x, centre.y - 40}, "RADIO COMPASS", 9, Font::SansBold, rgb(196, 196, 192));
  label(cr, {centre.x, centre.y + 44}, "ADF", 11, Font::SansBold, rgb(196, 196, 192));
  glass(cr, centre, outer - 18);
}

void draw_radio_needle(const GaugeRecords& records, Picture& picture) {
  cairo_t* cr = picture.cr();
  const ElementHeader& needle = records.element(329);
  const Point pivot = pixel_centre(needle.pivot.x, needle.pivot.y);
  const double length = picture.width() - pivot.x - 1;
  cairo_translate(cr, pivot.x, pivot.y);
  cairo_move_to(cr, 4, -2.4);
  cairo_line_to(cr, length - 24, -2.4);
  cairo_line_to(cr, length - 26, -8);
  cairo_line_to(cr, length, 0);
  cairo_line_to(cr, length - 26, 8);
  cairo_line_to(cr, length - 24, 2.4);
  cairo_line_to(cr, 4, 2.4);
  cairo_close_path(cr);
  set_colour(cr, ink::kYellow);
  cairo_fill(cr);
  // The disc-shaped tail at the pivot.
  fill_circle(cr, {0, 0}, pivot.x - 1.5, ink::kYellow);
  fill_circle(cr, {0, 0}, 5, rgb(36, 36, 36));
}

void draw_rose(const GaugeRecords& records, Picture& picture) {
  cairo_t* cr = picture.cr();
  const ElementHeader& needle = records.element(337);
  const Point centre = pixel_centre(needle.position.x, needle.position.y);
  const double outer = centre.x - 2;
  bezel(cr, centre, outer, outer - 18);
  face(cr, centre, outer - 18);
  draw_card(cr, records, 337, centre, outer - 22, true);
  // The lubber mark at the top of the ring.
  const Point top = polar(centre, -90, outer - 19);
  cairo_move_to(cr, top.x, top.y + 2);
  cairo_line_to(cr, top.x - 7, top.y - 8);
  cairo_line_to(cr, top.x + 7, top.y - 8);
  cairo_close_path(cr);
  set_colour(cr, ink::kYellow);
  cairo_fill(cr);
  label(cr, {centre.x, centre.y + 48}, "COURSE", 9, Font::SansBold, rgb(196, 196, 192));
  glass(cr, centre, outer - 18);
  // The two-part knob that sets the index.
  const PixelBox& down = records.mouse_children().at(0);
  const PixelBox& up = records.mouse_children().at(1);
  const Point knob_centre{(down.x + up.x + up.width) / 2.0, down.centre_y()};
  knob(cr, knob_centre, down.height / 2.0 - 2, 24, rgb(52, 52, 54));
  label(cr, knob_centre, "SET", 7, Font::SansBold, rgb(210, 210, 210));
}

// The broad index arrow: a shaft across the card, a wide head and a split tail.
void draw_index(const GaugeRecords& records, Picture& picture) {
  cairo_t* cr = picture.cr();
  const ElementHeader& index = records.element(338);
  const Point pivot = pixel_centre(index.pivot.x, index.pivot.y);
  const double length = picture.width() - pivot.x - 1;
  const double tail = pivot.x - 1;
  const double half = picture.height() / 2.0 - 2;
  cairo_translate(cr, pivot.x, pivot.y);
  cairo_move_to(cr, -tail + 30, -5);
  cairo_line_to(cr, length - 34, -5);
  cairo_line_to(cr, length - 40, -half);
  cairo_line_to(cr, length, 0);
  cairo_line_to(cr, length - 40, half);
  cairo_line_to(cr, length - 34, 5);
  cairo_line_to(cr, -tail + 30, 5);
  cairo_line_to(cr, -tail + 8, half * 0.6);
  cairo_line_to(cr, -tail, half * 0.6);
  cairo_line_to(cr, -tail + 20, 0);
  cairo_line_to(cr, -tail, -half * 0.6);
  cairo_line_to(cr, -tail + 8, -half * 0.6);
  cairo_close_path(cr);
  set_colour(cr, rgb(226, 122, 38));
  cairo_fill_preserve(cr);
  set_colour(cr, rgb(60, 30, 10));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

void draw_thin_needle(const GaugeRecords& records, Picture& picture) {
  cairo_t* cr = picture.cr();
  const ElementHeader& needle = records.element(337);
  const Point pivot = pixel_centre(needle.pivot.x, needle.pivot.y);
  const double length = picture.width() - pivot.x - 1;
  const double tail = pivot.x - 1;
  cairo_translate(cr, pivot.x, pivot.y);
  cairo_move_to(cr, -tail, -1.8);
  cairo_line_to(cr, length - 22, -2.2);
  cairo_line_to(cr, length, 0);
  cairo_line_to(cr, length - 22, 2.2);
  cairo_line_to(cr, -tail, 1.8);
  cairo_close_path(cr);
  set_colour(cr, ink::kWhite);
  cairo_fill(cr);
  fill_circle(cr, {0, 0}, 9, rgb(34, 34, 36));
  stroke_circle(cr, {0, 0}, 8.5, 1.2, rgb(130, 130, 132));
}

}  // namespace

void draw_radio_compass(const GaugeRecords& records, std::int32_t id, Picture& picture, PaletteOptions& options) {
  options.matte = palette_colour(ink::kFace);
  switch (id) {
    case 328:
      return draw_radio_card(records, picture);
    case 329:
      return draw_radio_needle(records, picture);
    default:
      unknown_bitmap("Corvel1", id);
  }
}

void draw_compass_card(const GaugeRecords& records, std::int32_t id, Picture& picture, PaletteOptions& options) {
  options.matte = palette_colour(ink::kFace);
  switch (id) {
    case 336:
      return draw_rose(records, picture);
    case 337:
      return draw_thin_needle(records, picture);
    case 338:
      return draw_index(records, picture);
    default:
      unknown_bitmap("Corvel1", id);
  }
}

}  // namespace artwork::corvel1
