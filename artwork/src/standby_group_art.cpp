// "ID_Ombra_Group": a strip of panel carrying the standby vertical-speed
// indicator (with its off flag while switched off), its toggle switch, and the
// slip pendulum hanging from the top edge over its arc of marks.
#include <cmath>
#include <string>

#include "module_art.h"

namespace artwork {
namespace {

using namespace gauge_kit;

constexpr Rgb kPanel = rgb(52, 54, 57);
constexpr Rgb kPlacard = rgb(220, 220, 214);

void draw_panel(const GaugeRecords& records, Picture& picture) {
  cairo_t* cr = picture.cr();
  rounded_rectangle(cr, 0, 0, picture.width(), picture.height(), 6);
  cairo_pattern_t* shade = cairo_pattern_create_linear(0, 0, 0, picture.height());
  cairo_pattern_add_color_stop_rgb(shade, 0, 0.235, 0.245, 0.255);
  cairo_pattern_add_color_stop_rgb(shade, 1, 0.16, 0.165, 0.175);
  cairo_set_source(cr, shade);
  cairo_fill(cr);
  cairo_pattern_destroy(shade);
  // The switch's placard.
  const PixelBox& toggle = records.mouse_children().at(0);
  label(cr, {toggle.centre_x(), toggle.y - 8.0}, "VSI", 9, Font::SansBold, kPlacard);
  label(cr, {toggle.centre_x(), toggle.y + 24.0}, "ON", 7, Font::SansBold, kPlacard);
  label(cr, {toggle.centre_x(), toggle.y + toggle.height - 10.0}, "OFF", 7, Font::SansBold, kPlacard);
  // The pendulum's arc of marks, read from its own scale.
  const ElementHeader& pendulum = records.element(5376);
  const Point pivot = pixel_centre(pendulum.position.x, pendulum.position.y);
  const panel_host::Dial dial = records.dial(5376);
  const double reach = 74;
  band(cr, pivot, reach - 7, reach + 7, dial.angle_for(127) - 4, dial.angle_for(-127) + 4);
  set_colour(cr, rgb(24, 24, 25));
  cairo_fill(cr);
  for (int slip = -127; slip <= 127; slip += 127 / 2) {
    const bool middle = slip == 0;
    tick(cr, pivot, dial.angle_for(slip), reach - (middle ? 6 : 4), reach + 6, middle ? 2.4 : 1.4, ink::kWhite);
  }
  fill_circle(cr, pivot, 5, rgb(30, 30, 31));
  stroke_circle(cr, pivot, 5, 1, rgb(120, 120, 122));
  label(cr, {pivot.x, picture.height() - 8.0}, "SLIP", 7, Font::SansBold, kPlacard);
  for (const Point at : {Point{7, 7}, Point{7, picture.height() - 7.0}, Point{196, 7}, Point{196, picture.height() - 7.0}})
    screw(cr, at, 3.2, 40);
  label(cr, {88, 50}, "STANDBY", 10, Font::SansBold, rgb(150, 152, 154));
}

void draw_switch(Picture& picture, bool on) {
  cairo_t* cr = picture.cr();
  const Point centre{picture.width() / 2.0, picture.height() / 2.0};
  // The nut, then the lever towards ON (up) or OFF (down).
  fill_circle(cr, centre, 8, rgb(130, 132, 136));
  stroke_circle(cr, centre, 8, 1, rgb(40, 40, 42));
  fill_circle(cr, centre, 4.5, rgb(70, 70, 74));
  const double tip = on ? 2.5 : picture.height() - 2.5;
  cairo_move_to(cr, centre.x - 2.5, centre.y);
  cairo_line_to(cr, centre.x - 3.5, tip);
  cairo_line_to(cr, centre.x + 3.5, tip);
  cairo_line_to(cr, centre.x + 2.5, centre.y);
  cairo_close_path(cr);
  set_colour(cr, rgb(200, 202, 206));
  cairo_fill(cr);
  fill_circle(cr, {centre.x, tip}, 3.5, rgb(224, 226, 230));
}

void draw_vsi_face(const GaugeRecords& records, Picture& picture, bool on) {
  cairo_t* cr = picture.cr();
  const ElementHeader& face_element = records.element(4608);
  const ElementHeader& needle = records.element(4864);
  const Point centre{needle.position.x - face_element.position.x + 0.5, needle.position.y - face_element.position.y + 0.5};
  const panel_host::Dial dial = records.dial(4864);
  bezel(cr, centre, 47, 44);
  face(cr, centre, 44);
  for (const double value : {-4.5, -3.5, -2.5, -1.5, -0.5, 0.5, 1.5, 2.5, 3.5, 4.5, 10.0, -10.0})
    tick(cr, centre, dial.angle_for(value), 38, 43, 1.2, ink::kWhite);
  for (int value = -5; value <= 5; ++value) {
    tick(cr, centre, dial.angle_for(value), 35, 43, 2.2, ink::kWhite);
    if (value != 0 && std::abs(value) % 2 == 0) continue;
    label(cr, polar(centre, dial.angle_for(value), 27), std::to_string(std::abs(value)), 9, Font::CondensedBold, ink::kWhite);
  }
  for (const double value : {-20.0, 20.0}) tick(cr, centre, dial.angle_for(value), 33, 43, 2.2, ink::kWhite);
  label(cr, polar(centre, dial.angle_for(20), 27), "20", 7, Font::CondensedBold, ink::kWhite);
  label(cr, polar(centre, dial.angle_for(-20), 27), "20", 7, Font::CondensedBold, ink::kWhite);
  label(cr, {centre.x + 13, centre.y}, "m/s", 7, Font::SansBold, rgb(190, 190, 186));
  if (!on) {
    // The off flag, striped, across the lower part of the dial.
    cairo_save(cr);
    rounded_rectangle(cr, centre.x - 20, centre.y + 12, 28, 11, 1.5);
    cairo_clip_preserve(cr);
    set_colour(cr, ink::kRed);
    cairo_fill(cr);
    for (int stripe = 0; stripe < 8; ++stripe) {
      cairo_move_to(cr, centre.x - 24 + stripe * 7, centre.y + 24);
      cairo_line_to(cr, centre.x - 18 + stripe * 7, centre.y + 10);
      cairo_set_line_width(cr, 2.5);
      set_colour(cr, ink::kWhite);
      cairo_stroke(cr);
    }
    cairo_restore(cr);
    label(cr, {centre.x - 6, centre.y + 17.5}, "OFF", 7, Font::SansBold, rgb(20, 20, 20));
  }
  glass(cr, centre, 44);
}

void draw_vsi_needle(Picture& picture) {
  cairo_t* cr = picture.cr();
  const double middle = picture.height() / 2.0;
  cairo_move_to(cr, 0, middle - 2);
  cairo_line_to(cr, picture.width() - 8, middle - 1.6);
  cairo_line_to(cr, picture.width() - 0.5, middle);
  cairo_line_to(cr, picture.width() - 8, middle + 1.6);
  cairo_line_to(cr, 0, middle + 2);
  cairo_close_path(cr);
  set_colour(cr, ink::kWhite);
  cairo_fill(cr);
}

void draw_pendulum(const GaugeRecords& records, Picture& picture) {
  cairo_t* cr = picture.cr();
  const ElementHeader& pendulum = records.element(5376);
  const Point pivot = pixel_centre(pendulum.pivot.x, pendulum.pivot.y);
  const double length = picture.width() - pivot.x - 1;
  cairo_translate(cr, pivot.x, pivot.y);
  cairo_rectangle(cr, -3, -1, length - 14, 2);
  set_colour(cr, rgb(200, 200, 196));
  cairo_fill(cr);
  // The bob, pointed at its end.
  cairo_move_to(cr, length - 18, -4.5);
  cairo_line_to(cr, length - 6, -3);
  cairo_line_to(cr, length, 0);
  cairo_line_to(cr, length - 6, 3);
  cairo_line_to(cr, length - 18, 4.5);
  cairo_close_path(cr);
  set_colour(cr, ink::kYellow);
  cairo_fill(cr);
  fill_circle(cr, {0, 0}, 3.5, rgb(160, 160, 160));
}

}  // namespace

void draw_standby_group(const panel_host::LoadedModule& module, std::int32_t id, Picture& picture,
                        PaletteOptions& options) {
  const GaugeRecords records(module, "ID_Ombra_Group");
  options.matte = palette_colour(kPanel);
  switch (id) {
    case 4352:
    case 4353:
      return draw_switch(picture, id == 4353);
    case 4608:
    case 4609:
      options.matte = palette_colour(ink::kFace);
      return draw_vsi_face(records, picture, id == 4609);
    case 4864:
      options.matte = palette_colour(ink::kFace);
      return draw_vsi_needle(picture);
    case 5120:
      return draw_panel(records, picture);
    case 5376:
      return draw_pendulum(records, picture);
    default:
      unknown_bitmap("ID_Ombra_Group", id);
  }
}

}  // namespace artwork
