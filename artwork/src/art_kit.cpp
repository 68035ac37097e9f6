#include "art_kit.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace artwork {
namespace {

void select_font(cairo_t* cr, Font font, double size) {
  const char* family = "DejaVu Sans";
  cairo_font_weight_t weight = CAIRO_FONT_WEIGHT_NORMAL;
  switch (font) {
    case Font::Sans:
      break;
    case Font::SansBold:
      weight = CAIRO_FONT_WEIGHT_BOLD;
      break;
    case Font::Condensed:
      family = "DejaVu Sans Condensed";
      break;
    case Font::CondensedBold:
      family = "DejaVu Sans Condensed";
      weight = CAIRO_FONT_WEIGHT_BOLD;
      break;
    case Font::Serif:
      family = "DejaVu Serif";
      break;
    case Font::Mono:
      family = "DejaVu Sans Mono";
      weight = CAIRO_FONT_WEIGHT_BOLD;
      break;
  }
  cairo_select_font_face(cr, family, CAIRO_FONT_SLANT_NORMAL, weight);
  cairo_set_font_size(cr, size);
}

}  // namespace

Rgb mix(Rgb a, Rgb b, double t) {
  return {a.red + (b.red - a.red) * t, a.green + (b.green - a.green) * t, a.blue + (b.blue - a.blue) * t};
}

PaletteColour palette_colour(Rgb colour) {
  const auto channel = [](double value) { return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 1.0) * 255)); };
  return {channel(colour.red), channel(colour.green), channel(colour.blue)};
}

void band(cairo_t* cr, Point centre, double inner, double outer, double from, double to) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, centre.x, centre.y, outer, radians(from), radians(to));
  cairo_arc_negative(cr, centre.x, centre.y, inner, radians(to), radians(from));
  cairo_close_path(cr);
}

Point polar(Point centre, double angle, double radius) {
  return {centre.x + radius * std::cos(radians(angle)), centre.y + radius * std::sin(radians(angle))};
}

Picture::Picture(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {
  if (cairo_status(cr_) != CAIRO_STATUS_SUCCESS) throw std::runtime_error("cannot make a picture");
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_set_font_options(cr_, options);
  cairo_font_options_destroy(options);
}

Picture::~Picture() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

void set_colour(cairo_t* cr, Rgb colour, double alpha) {
  cairo_set_source_rgba(cr, colour.red, colour.green, colour.blue, alpha);
}

void fill_circle(cairo_t* cr, Point centre, double radius, Rgb colour) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, centre.x, centre.y, radius, 0, 2 * kPi);
  set_colour(cr, colour);
  cairo_fill(cr);
}

void stroke_circle(cairo_t* cr, Point centre, double radius, double width, Rgb colour) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, centre.x, centre.y, radius, 0, 2 * kPi);
  set_colour(cr, colour);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

void bezel(cairo_t* cr, Point centre, double outer, double inner) {
  // The ring, lit from the upper left.
  cairo_pattern_t* light = cairo_pattern_create_linear(centre.x - outer, centre.y - outer, centre.x + outer, centre.y + outer);
  cairo_pattern_add_color_stop_rgb(light, 0.0, 0.30, 0.30, 0.31);
  cairo_pattern_add_color_stop_rgb(light, 0.5, 0.13, 0.13, 0.14);
  cairo_pattern_add_color_stop_rgb(light, 1.0, 0.06, 0.06, 0.065);
  cairo_new_sub_path(cr);
  cairo_arc(cr, centre.x, centre.y, outer, 0, 2 * kPi);
  cairo_new_sub_path(cr);
  cairo_arc_negative(cr, centre.x, centre.y, inner, 2 * kPi, 0);
  cairo_set_source(cr, light);
  cairo_fill(cr);
  cairo_pattern_destroy(light);
  // The inner lip, in shadow from the other side.
  cairo_pattern_t* lip = cairo_pattern_create_linear(centre.x - inner, centre.y - inner, centre.x + inner, centre.y + inner);
  cairo_pattern_add_color_stop_rgb(lip, 0.0, 0.05, 0.05, 0.05);
  cairo_pattern_add_color_stop_rgb(lip, 1.0, 0.36, 0.36, 0.37);
  cairo_new_sub_path(cr);
  cairo_arc(cr, centre.x, centre.y, inner + 1.6, 0, 2 * kPi);
  cairo_set_line_width(cr, 3.2);
  cairo_set_source(cr, lip);
  cairo_stroke(cr);
  cairo_pattern_destroy(lip);
  stroke_circle(cr, centre, outer - 0.6, 1.2, rgb(12, 12, 12));
}

void face(cairo_t* cr, Point centre, double radius, Rgb colour) {
  cairo_pattern_t* shade = cairo_pattern_create_radial(centre.x, centre.y - radius * 0.2, radius * 0.1, centre.x, centre.y, radius);
  const Rgb light = mix(colour, rgb(255, 255, 255), 0.05);
  const Rgb dark = mix(colour, rgb(0, 0, 0), 0.25);
  cairo_pattern_add_color_stop_rgb(shade, 0.0, light.red, light.green, light.blue);
  cairo_pattern_add_color_stop_rgb(shade, 0.85, colour.red, colour.green, colour.blue);
  cairo_pattern_add_color_stop_rgb(shade, 1.0, dark.red, dark.green, dark.blue);
  cairo_new_sub_path(cr);
  cairo_arc(cr, centre.x, centre.y, radius, 0, 2 * kPi);
  cairo_set_source(cr, shade);
  cairo_fill(cr);
  cairo_pattern_destroy(shade);
}

void glass(cairo_t* cr, Point centre, double radius) {
  cairo_save(cr);
  cairo_new_sub_path(cr);
  cairo_arc(cr, centre.x, centre.y, radius, 0, 2 * kPi);
  cairo_clip(cr);
  cairo_pattern_t* glint =
      cairo_pattern_create_linear(centre.x - radius, centre.y - radius, centre.x - radius * 0.1, centre.y - radius * 0.1);
  cairo_pattern_add_color_stop_rgba(glint, 0.0, 1, 1, 1, 0.10);
  cairo_pattern_add_color_stop_rgba(glint, 1.0, 1, 1, 1, 0.0);
  cairo_new_sub_path(cr);
  cairo_arc(cr, centre.x - radius * 0.15, centre.y - radius * 0.15, radius * 0.95, radians(180), radians(270));
  cairo_arc_negative(cr, centre.x + radius * 0.1, centre.y + radius * 0.1, radius * 0.9, radians(270), radians(180));
  cairo_close_path(cr);
  cairo_set_source(cr, glint);
  cairo_fill(cr);
  cairo_pattern_destroy(glint);
  cairo_restore(cr);
}

void tick(cairo_t* cr, Point centre, double angle, double inner, double outer, double width, Rgb colour) {
  const Point from = polar(centre, angle, inner);
  const Point to = polar(centre, angle, outer);
  cairo_move_to(cr, from.x, from.y);
  cairo_line_to(cr, to.x, to.y);
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  set_colour(cr, colour);
  cairo_stroke(cr);
}

void label(cairo_t* cr, Point at, const std::string& text, double size, Font font, Rgb colour, double rotation) {
  cairo_save(cr);
  select_font(cr, font, size);
  cairo_text_extents_t extents;
  cairo_text_extents(cr, text.c_str(), &extents);
  cairo_translate(cr, at.x, at.y);
  cairo_rotate(cr, radians(rotation));
  cairo_move_to(cr, -(extents.x_bearing + extents.width / 2), -(extents.y_bearing + extents.height / 2));
  set_colour(cr, colour);
  cairo_show_text(cr, text.c_str());
  cairo_restore(cr);
}

double label_width(cairo_t* cr, const std::string& text, double size, Font font) {
  cairo_save(cr);
  select_font(cr, font, size);
  cairo_text_extents_t extents;
  cairo_text_extents(cr, text.c_str(), &extents);
  cairo_restore(cr);
  return extents.width;
}

void screw(cairo_t* cr, Point centre, double radius, double slot_angle) {
  cairo_pattern_t* dome = cairo_pattern_create_radial(centre.x - radius * 0.4, centre.y - radius * 0.4, radius * 0.1,
                                                      centre.x, centre.y, radius);
  cairo_pattern_add_color_stop_rgb(dome, 0.0, 0.62, 0.62, 0.62);
  cairo_pattern_add_color_stop_rgb(dome, 1.0, 0.18, 0.18, 0.19);
  cairo_new_sub_path(cr);
  cairo_arc(cr, centre.x, centre.y, radius, 0, 2 * kPi);
  cairo_set_source(cr, dome);
  cairo_fill(cr);
  cairo_pattern_destroy(dome);
  stroke_circle(cr, centre, radius, 0.8, rgb(14, 14, 14));
  tick(cr, centre, slot_angle, -radius * 0.8, radius * 0.8, std::max(1.0, radius * 0.25), rgb(16, 16, 16));
}

void knob(cairo_t* cr, Point centre, double radius, int ridges, Rgb colour) {
  // A shadow on the panel, the knurled rim, and the domed cap.
  fill_circle(cr, {centre.x + 1.5, centre.y + 2}, radius, rgb(10, 10, 10));
  for (int i = 0; i < ridges; ++i) {
    const double angle = 360.0 * i / ridges;
    const double lit = 0.5 + 0.5 * std::cos(radians(angle + 135));
    cairo_new_sub_path(cr);
    cairo_arc(cr, centre.x, centre.y, radius, radians(angle), radians(angle + 360.0 / ridges * 0.55));
    cairo_arc_negative(cr, centre.x, centre.y, radius * 0.8, radians(angle + 360.0 / ridges * 0.55), radians(angle));
    cairo_close_path(cr);
    set_colour(cr, mix(colour, rgb(190, 190, 194), 0.15 + 0.45 * lit));
    cairo_fill(cr);
    cairo_new_sub_path(cr);
    cairo_arc(cr, centre.x, centre.y, radius, radians(angle + 360.0 / ridges * 0.55), radians(angle + 360.0 / ridges));
    cairo_arc_negative(cr, centre.x, centre.y, radius * 0.8, radians(angle + 360.0 / ridges), radians(angle + 360.0 / ridges * 0.55));
    cairo_close_path(cr);
    set_colour(cr, mix(colour, rgb(0, 0, 0), 0.35));
    cairo_fill(cr);
  }
  cairo_pattern_t* cap = cairo_pattern_create_radial(centre.x - radius * 0.3, centre.y - radius * 0.35, radius * 0.05,
                                                     centre.x, centre.y, radius * 0.82);
  const Rgb top = mix(colour, rgb(255, 255, 255), 0.32);
  const Rgb edge = mix(colour, rgb(0, 0, 0), 0.3);
  cairo_pattern_add_color_stop_rgb(cap, 0.0, top.red, top.green, top.blue);
  cairo_pattern_add_color_stop_rgb(cap, 1.0, edge.red, edge.green, edge.blue);
  cairo_new_sub_path(cr);
  cairo_arc(cr, centre.x, centre.y, radius * 0.8, 0, 2 * kPi);
  cairo_set_source(cr, cap);
  cairo_fill(cr);
  cairo_pattern_destroy(cap);
}

void rounded_rectangle(cairo_t* cr, double x, double y, double width, double height, double radius) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + width - radius, y + radius, radius, radians(-90), 0);
  cairo_arc(cr, x + width - radius, y + height - radius, radius, 0, radians(90));
  cairo_arc(cr, x + radius, y + height - radius, radius, radians(90), radians(180));
  cairo_arc(cr, x + radius, y + radius, radius, radians(180), radians(270));
  cairo_close_path(cr);
}

}  // namespace artwork
