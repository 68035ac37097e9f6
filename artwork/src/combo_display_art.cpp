// "ID_Pelmar_Combo": a combination display in a dark housing. The liquid
// crystal panel carries two dial scales (vertical speed in m/s, airspeed in
// km/h), a 0 to 100 bar scale and the labels of seven read-outs; the read-out
// boxes are filled with the panel's own colour, so the panel is that colour
// exactly wherever a box may lie.
#include <cmath>
#include <string>

#include "module_art.h"

namespace artwork {
namespace {

using namespace gauge_kit;

constexpr Rgb kHousing = rgb(46, 48, 50);
constexpr Rgb kUnlit = rgb(118, 128, 120);
constexpr Rgb kInk = rgb(92, 96, 94);  // the segments' grey

struct ComboArt {
  const GaugeRecords& records;
  Rgb lit;  // the read-outs' back colour
  double panel_left = 14, panel_top = 22, panel_bottom = 184;
};

Rgb record_colour(std::uint32_t colour) {
  return rgb(static_cast<int>(colour & 0xFF), static_cast<int>(colour >> 8 & 0xFF), static_cast<int>(colour >> 16 & 0xFF));
}

void draw_housing(const ComboArt& art, Picture& picture, bool lit) {
  cairo_t* cr = picture.cr();
  rounded_rectangle(cr, 0, 0, picture.width(), picture.height(), 10);
  cairo_pattern_t* shade = cairo_pattern_create_linear(0, 0, 0, picture.height());
  cairo_pattern_add_color_stop_rgb(shade, 0, 0.23, 0.235, 0.245);
  cairo_pattern_add_color_stop_rgb(shade, 1, 0.12, 0.125, 0.13);
  cairo_set_source(cr, shade);
  cairo_fill(cr);
  cairo_pattern_destroy(shade);
  // The panel's window runs out to the right edge, where the read-outs end.
  const double width = picture.width() - art.panel_left;
  const double height = art.panel_bottom - art.panel_top;
  cairo_rectangle(cr, art.panel_left - 2, art.panel_top - 2, width + 2, height + 4);
  set_colour(cr, rgb(14, 14, 15));
  cairo_fill(cr);
  cairo_rectangle(cr, art.panel_left, art.panel_top, width, height);
  set_colour(cr, lit ? art.lit : kUnlit);
  cairo_fill(cr);
  // Labels on the housing.
  const ElementHeader& vertical = art.records.element(4608);
  const ElementHeader& airspeed = art.records.element(4864);
  label(cr, {static_cast<double>(vertical.position.x), 11}, "VARIO  m/s", 9, Font::SansBold, rgb(206, 206, 200));
  label(cr, {static_cast<double>(airspeed.position.x), 11}, "SPEED  km/h", 9, Font::SansBold, rgb(206, 206, 200));
  const ElementHeader& button = art.records.element(5888);
  label(cr, {button.position.x - 30.0, button.position.y + 11.5}, "POWER", 8, Font::SansBold, rgb(206, 206, 200));
  label(cr, {60, 206}, "PELMAR", 12, Font::SansBold, rgb(150, 152, 150));
  label(cr, {60, 218}, "COMBINED INDICATOR", 6, Font::Sans, rgb(150, 152, 150));
  screw(cr, {8, 8}, 4, 45);
  screw(cr, {8, picture.height() - 8.0}, 4, 100);
  screw(cr, {picture.width() - 8.0, picture.height() - 8.0}, 4, 20);
}

// A dial scale printed on the panel: ticks at the needle's calibration points
// and at values between them, numerals where they are listed.
void draw_scale(cairo_t* cr, const GaugeRecords& records, std::int32_t needle_id, const double* ticks, int tick_count,
                const double* numbered, int numbered_count) {
  const ElementHeader& needle = records.element(needle_id);
  const Point centre = pixel_centre(needle.position.x, needle.position.y);
  const panel_host::Dial dial = records.dial(needle_id);
  for (int i = 0; i < tick_count; ++i) tick(cr, centre, dial.angle_for(ticks[i]), 37, 43, 1.6, kInk);
  for (int i = 0; i < numbered_count; ++i) {
    tick(cr, centre, dial.angle_for(numbered[i]), 35, 44, 2.4, kInk);
    const double value = numbered[i];
    label(cr, polar(centre, dial.angle_for(value), 51), std::to_string(static_cast<int>(std::abs(value))), 8,
          Font::CondensedBold, kInk);
  }
  fill_circle(cr, centre, 3, kInk);
}

void draw_lit_panel(const ComboArt& art, Picture& picture) {
  cairo_t* cr = picture.cr();
  const GaugeRecords& records = art.records;
  static constexpr double kVerticalTicks[] = {-10, -4.5, -3.5, -2.5, -1.5, -0.5, 0.5, 1.5, 2.5, 3.5, 4.5, 10};
  static constexpr double kVerticalNumbers[] = {-5, -4, -3, -2, -1, 0, 1, 2, 3, 4, 5};
  draw_scale(cr, records, 4608, kVerticalTicks, std::size(kVerticalTicks), kVerticalNumbers, std::size(kVerticalNumbers));
  const ElementHeader& vertical = records.element(4608);
  const Point vertical_centre = pixel_centre(vertical.position.x, vertical.position.y);
  for (const double end : {-20.0, 20.0}) tick(cr, vertical_centre, records.dial(4608).angle_for(end), 35, 44, 2.4, kInk);

  static constexpr double kAirspeedTicks[] = {0, 60, 70, 90, 110, 120, 140, 160, 180, 200, 220, 230, 240};
  static constexpr double kAirspeedNumbers[] = {80, 100, 150, 200, 250};
  draw_scale(cr, records, 4864, kAirspeedTicks, std::size(kAirspeedTicks), kAirspeedNumbers, std::size(kAirspeedNumbers));

  // The bar scale: the marker's tip at 0 and 100, as its slider moves it.
  const ElementHeader& marker = records.element(5632);
  const auto& slider = element_as<SliderElement>(&records.element(5632));
  const double zero = marker.position.y + 5.0;
  const double hundred = zero + 100.0 * slider.y_scale;
  const double bar_right = marker.position.x - 1.0;
  cairo_rectangle(cr, bar_right - 4, hundred, 4, zero - hundred);
  set_colour(cr, kInk);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  for (int value = 0; value <= 100; value += 25) {
    const double y = zero + value * slider.y_scale;
    cairo_move_to(cr, bar_right - 8, y);
    cairo_line_to(cr, bar_right - 4, y);
    set_colour(cr, kInk);
    cairo_stroke(cr);
  }
  label(cr, {marker.position.x + 17.0, zero}, "0", 7, Font::CondensedBold, kInk);
  label(cr, {marker.position.x + 18.0, hundred}, "100", 7, Font::CondensedBold, kInk);
  label(cr, {bar_right - 2, hundred - 7}, "%", 7, Font::CondensedBold, kInk);

  // The read-outs' labels, each beside its box.
  const auto box = [&](int element_index) -> const StringElement& {
    return element_as<StringElement>(records.elements().at(static_cast<std::size_t>(element_index)).element);
  };
  const StringElement& head = box(4);
  const StringElement& altitude = box(5);
  const StringElement& hours = box(6);
  const StringElement& oil = box(8);
  const StringElement& engine = box(9);
  const StringElement& flight = box(10);
  label(cr, {head.header.position.x + 22.0, head.header.position.y + head.box_height + 6.0}, "CHT \u00B0C", 7,
        Font::SansBold, kInk);
  label(cr, {altitude.header.position.x - 22.0, altitude.header.position.y + 10.0}, "ALT", 8, Font::SansBold, kInk);
  label(cr, {altitude.header.position.x - 22.0, altitude.header.position.y + 20.0}, "m", 8, Font::SansBold, kInk);
  label(cr, {hours.header.position.x - 24.0, hours.header.position.y + 7.0}, "CLOCK", 7, Font::SansBold, kInk);
  label(cr, {oil.header.position.x + 16.0, hours.header.position.y + hours.box_height + 3.0}, "OIL \u00B0C", 6,
        Font::SansBold, kInk);
  label(cr, {engine.header.position.x - 12.0, engine.header.position.y + 8.0}, "RPM", 7, Font::SansBold, kInk);
  label(cr, {flight.header.position.x + 24.0, hours.header.position.y + hours.box_height + 3.0}, "FLT TIME", 6,
        Font::SansBold, kInk);
}

void draw_needle(Picture& picture) {
  cairo_t* cr = picture.cr();
  const double middle = picture.height() / 2.0;
  cairo_move_to(cr, 0, middle - 1.6);
  cairo_line_to(cr, picture.width() - 6, middle - 1.6);
  cairo_line_to(cr, picture.width() - 0.5, middle);
  cairo_line_to(cr, picture.width() - 6, middle + 1.6);
  cairo_line_to(cr, 0, middle + 1.6);
  cairo_close_path(cr);
  set_colour(cr, rgb(54, 58, 56));
  cairo_fill(cr);
}

void draw_marker(Picture& picture) {
  cairo_t* cr = picture.cr();
  cairo_move_to(cr, 0.5, picture.height() / 2.0);
  cairo_line_to(cr, picture.width() - 0.5, 0.5);
  cairo_line_to(cr, picture.width() - 0.5, picture.height() - 0.5);
  cairo_close_path(cr);
  set_colour(cr, rgb(54, 58, 56));
  cairo_fill(cr);
}

void draw_button(Picture& picture, bool on) {
  cairo_t* cr = picture.cr();
  const Point centre{picture.width() / 2.0, picture.height() / 2.0};
  fill_circle(cr, centre, 11.2, rgb(12, 12, 12));
  cairo_pattern_t* cap = cairo_pattern_create_radial(centre.x - 3, centre.y - 4, 1, centre.x, centre.y, 10);
  cairo_pattern_add_color_stop_rgb(cap, 0, 0.42, 0.42, 0.44);
  cairo_pattern_add_color_stop_rgb(cap, 1, 0.14, 0.14, 0.15);
  cairo_arc(cr, centre.x, centre.y, 10, 0, 2 * kPi);
  cairo_set_source(cr, cap);
  cairo_fill(cr);
  // The lamp in the button: green while the display is on.
  fill_circle(cr, centre, 3.6, on ? rgb(90, 230, 110) : rgb(34, 52, 38));
  if (on) {
    cairo_arc(cr, centre.x, centre.y, 7, 0, 2 * kPi);
    cairo_pattern_t* glow = cairo_pattern_create_radial(centre.x, centre.y, 3, centre.x, centre.y, 7);
    cairo_pattern_add_color_stop_rgba(glow, 0, 0.35, 0.9, 0.45, 0.6);
    cairo_pattern_add_color_stop_rgba(glow, 1, 0.35, 0.9, 0.45, 0.0);
    cairo_set_source(cr, glow);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
  }
}

}  // namespace

void draw_combo_display(const panel_host::LoadedModule& module, std::int32_t id, Picture& picture,
                        PaletteOptions& options) {
  const GaugeRecords records(module, "ID_Pelmar_Combo");
  const auto& first_string = element_as<StringElement>(records.elements().at(4).element);
  ComboArt art{records, record_colour(first_string.back_colour)};
  options.matte = palette_colour(art.lit);
  switch (id) {
    case 4352:
      options.matte = palette_colour(kHousing);
      return draw_housing(art, picture, false);
    case 4353:
      options.exact.push_back(palette_colour(art.lit));
      draw_housing(art, picture, true);
      return draw_lit_panel(art, picture);
    case 4608:
    case 4864:
      return draw_needle(picture);
    case 5632:
      return draw_marker(picture);
    case 5888:
    case 5889:
      options.matte = palette_colour(kHousing);
      return draw_button(picture, id == 5889);
    default:
      unknown_bitmap("ID_Pelmar_Combo", id);
  }
}

}  // namespace artwork
