// "WiskeyBmp": a liquid compass on its mounting bracket; the card is a strip
// of headings seen through the window, with the lubber line across it.
#include <cmath>
#include <string>

#include "corvel1_art.h"

namespace artwork::corvel1 {
namespace {

using namespace gauge_kit;

// Where heading `heading` stands on the strip: the card callback's number for
// it, placed as the host slides the strip (the window's middle then shows it).
double strip_x(const GaugeRecords& records, double heading, const Picture& strip) {
  ElementHeader& element = records.element(273);
  auto& card = element_as<MovingImageElement>(&element);
  card.x_source.value = heading;
  const double number = card.x_callback != nullptr ? card.x_callback(&element) : heading;
  const double fraction = (number - card.x_min) / (card.x_max - card.x_min);
  const int window = 75;
  return window / 2.0 + fraction * (strip.width() - window);
}

std::string heading_name(int heading) {
  switch ((heading % 360 + 360) % 360) {
    case 0:
      return "N";
    case 90:
      return "E";
    case 180:
      return "S";
    case 270:
      return "W";
    default:
      return std::to_string((heading % 360 + 360) % 360 / 10);
  }
}

void draw_body(const GaugeRecords& records, Picture& picture) {
  cairo_t* cr = picture.cr();
  const ElementHeader& card = records.element(273);
  const Point centre{picture.width() / 2.0, 58};
  // The mounting bracket under the bowl.
  cairo_move_to(cr, centre.x - 30, 100);
  cairo_line_to(cr, centre.x + 30, 100);
  cairo_line_to(cr, centre.x + 44, 134);
  cairo_line_to(cr, centre.x - 44, 134);
  cairo_close_path(cr);
  cairo_pattern_t* metal = cairo_pattern_create_linear(0, 100, 0, 134);
  cairo_pattern_add_color_stop_rgb(metal, 0, 0.20, 0.20, 0.21);
  cairo_pattern_add_color_stop_rgb(metal, 1, 0.09, 0.09, 0.10);
  cairo_set_source(cr, metal);
  cairo_fill(cr);
  cairo_pattern_destroy(metal);
  screw(cr, {centre.x - 34, 127}, 3.5, 30);
  screw(cr, {centre.x + 34, 127}, 3.5, 120);
  // The bowl.
  bezel(cr, centre, 57, 47);
  face(cr, centre, 47, rgb(24, 24, 26));
  // Around the window, a recess that the card sits in.
  const double x = card.position.x, y = card.position.y;
  rounded_rectangle(cr, x - 4, y - 4, 75 + 8, 34 + 8, 5);
  set_colour(cr, rgb(12, 12, 13));
  cairo_fill(cr);
  // The deviation card below the window.
  rounded_rectangle(cr, centre.x - 26, 66, 52, 24, 2);
  set_colour(cr, rgb(214, 208, 186));
  cairo_fill(cr);
  label(cr, {centre.x, 71}, "FOR  N  30  60  E", 5.5, Font::CondensedBold, rgb(40, 40, 40));
  label(cr, {centre.x, 78}, "STR  2   31  62  91", 5.5, Font::Condensed, rgb(40, 40, 40));
  label(cr, {centre.x, 85}, "CALIBRATED  RADIO ON", 4.8, Font::Condensed, rgb(40, 40, 40));
  glass(cr, centre, 47);
}

void draw_card(const GaugeRecords& records, Picture& picture) {
  cairo_t* cr = picture.cr();
  set_colour(cr, rgb(22, 22, 23));
  cairo_paint(cr);
  const double height = picture.height();
  for (int heading = -40; heading <= 400; heading += 5) {
    const double x = strip_x(records, heading, picture);
    if (x < -10 || x > picture.width() + 10) continue;
    const bool ten = heading % 10 == 0;
    cairo_move_to(cr, x, height - (ten ? 9 : 5));
    cairo_line_to(cr, x, height);
    cairo_set_line_width(cr, ten ? 1.6 : 1.1);
    set_colour(cr, ink::kWhite);
    cairo_stroke(cr);
    if (heading % 30 == 0) {
      const std::string name = heading_name(heading);
      const bool cardinal = name.size() == 1 && !std::isdigit(static_cast<unsigned char>(name[0]));
      label(cr, {x, 12}, name, cardinal ? 17 : 14, Font::CondensedBold, cardinal ? ink::kLuminous : ink::kWhite);
    }
  }
}

void draw_window(Picture& picture) {
  cairo_t* cr = picture.cr();
  const double width = picture.width(), height = picture.height();
  // A frame, bevelled, with the window open (transparent) inside it.
  cairo_rectangle(cr, 0, 0, width, height);
  rounded_rectangle(cr, 3, 3, width - 6, height - 6, 3);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_pattern_t* frame = cairo_pattern_create_linear(0, 0, 0, height);
  cairo_pattern_add_color_stop_rgb(frame, 0, 0.34, 0.34, 0.35);
  cairo_pattern_add_color_stop_rgb(frame, 1, 0.12, 0.12, 0.13);
  cairo_set_source(cr, frame);
  cairo_fill(cr);
  cairo_pattern_destroy(frame);
  // The lubber line in the middle.
  cairo_rectangle(cr, width / 2 - 1, 2, 2, height - 4);
  set_colour(cr, rgb(236, 120, 40));
  cairo_fill(cr);
}

}  // namespace

void draw_compass(const GaugeRecords& records, std::int32_t id, Picture& picture, PaletteOptions& options) {
  options.matte = palette_colour(rgb(22, 22, 23));
  switch (id) {
    case 272:
      return draw_body(records, picture);
    case 273:
      return draw_card(records, picture);
    case 274:
      return draw_window(picture);
    default:
      unknown_bitmap("Corvel1", id);
  }
}

}  // namespace artwork::corvel1
