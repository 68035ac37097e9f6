// Drawing helpers for instrument artwork: a picture to draw on, dial
// geometry (angles clockwise from pointing right, as the host turns
// needles), faces, bezels, graduations, numerals, knobs and screws.
#pragma once

#include <cairo.h>

#include <string>

#include "bmp_writer.h"

namespace artwork {

struct Rgb {
  double red, green, blue;
};
constexpr Rgb rgb(int red, int green, int blue) { return {red / 255.0, green / 255.0, blue / 255.0}; }
Rgb mix(Rgb a, Rgb b, double t);
PaletteColour palette_colour(Rgb colour);

// The palette of the instruments.
namespace ink {
inline constexpr Rgb kFace = rgb(20, 20, 21);          // black dial paint
inline constexpr Rgb kWhite = rgb(236, 234, 226);      // markings
inline constexpr Rgb kLuminous = rgb(222, 226, 196);   // luminous numerals and hands
inline constexpr Rgb kBezel = rgb(34, 34, 36);         // black crackle case
inline constexpr Rgb kRed = rgb(204, 36, 30);
inline constexpr Rgb kYellow = rgb(232, 188, 40);
inline constexpr Rgb kGreen = rgb(44, 162, 74);
inline constexpr Rgb kSteel = rgb(150, 152, 156);
}  // namespace ink

inline constexpr double kPi = 3.14159265358979323846;
constexpr double radians(double degrees) { return degrees * kPi / 180.0; }

struct Point {
  double x, y;
};
// The point `radius` from `centre` in the direction `angle` (degrees
// clockwise from pointing right, y downwards).
Point polar(Point centre, double angle, double radius);
// The centre of pixel (x, y): needles turn about pixel centres.
constexpr Point pixel_centre(int x, int y) { return {x + 0.5, y + 0.5}; }

class Picture {
 public:
  Picture(int width, int height);
  ~Picture();
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;
  cairo_t* cr() const { return cr_; }
  cairo_surface_t* surface() const { return surface_; }
  int width() const { return width_; }
  int height() const { return height_; }

 private:
  int width_, height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

void set_colour(cairo_t* cr, Rgb colour, double alpha = 1.0);
void fill_circle(cairo_t* cr, Point centre, double radius, Rgb colour);
void stroke_circle(cairo_t* cr, Point centre, double radius, double width, Rgb colour);

// A round black case: a bevelled ring from `inner` to `outer`.
void bezel(cairo_t* cr, Point centre, double outer, double inner);
// A dial face, lightly shaded from the middle.
void face(cairo_t* cr, Point centre, double radius, Rgb colour = ink::kFace);
// A faint reflection of the cover glass over the upper left of a dial.
void glass(cairo_t* cr, Point centre, double radius);

// A graduation from `inner` to `outer` along `angle`.
void tick(cairo_t* cr, Point centre, double angle, double inner, double outer, double width, Rgb colour);

enum class Font { Sans, SansBold, Condensed, CondensedBold, Serif, Mono };
// Text centred on `at` (by its ink, so digits sit where they are meant to).
void label(cairo_t* cr, Point at, const std::string& text, double size, Font font, Rgb colour, double rotation = 0);
// The width of `text`'s ink.
double label_width(cairo_t* cr, const std::string& text, double size, Font font);

// A slotted screw head.
void screw(cairo_t* cr, Point centre, double radius, double slot_angle);
// A knurled knob seen from the front.
void knob(cairo_t* cr, Point centre, double radius, int ridges, Rgb colour = rgb(44, 44, 46));
// A ring segment from `inner` to `outer` between two angles, as a path.
void band(cairo_t* cr, Point centre, double inner, double outer, double from, double to);
// A rounded rectangle path.
void rounded_rectangle(cairo_t* cr, double x, double y, double width, double height, double radius);

}  // namespace artwork
