// "Hobb": an hour meter of six drums. The digits stand on the strips where
// the host slides them for each digit: whole hours step, the two decimals roll.
#include <cmath>
#include <string>

#include "corvel1_art.h"

namespace artwork::corvel1 {
namespace {

using namespace gauge_kit;

// Where digit `number` of a drum stands on its strip: the strip slides from
// its first edge at the y minimum to its last edge at the y maximum, and the
// window (window_height high) shows the digit in its middle.
double digit_centre(const MovingImageElement& drum, double number, double strip_height, double window_height) {
  const double fraction = (number - drum.y_min) / (drum.y_max - drum.y_min);
  return window_height / 2.0 + fraction * (strip_height - window_height);
}

void draw_strip(const GaugeRecords& records, std::int32_t id, Picture& picture, bool decimals) {
  cairo_t* cr = picture.cr();
  auto& drum = element_as<MovingImageElement>(&records.element(id));
  const Rgb paper = decimals ? rgb(232, 230, 220) : rgb(24, 24, 25);
  const Rgb digits = decimals ? rgb(20, 20, 20) : rgb(236, 234, 226);
  set_colour(cr, paper);
  cairo_paint(cr);
  // Whole hours step a digit per whole number; the decimals roll through
  // ten digits over the drum's range, and the 0 comes round again at its end.
  const int count = decimals ? 11 : 10;
  const double per_digit = decimals ? (drum.y_max - drum.y_min + 1) / 10.0 : 1.0;
  for (int digit = 0; digit < count; ++digit) {
    const double centre = digit_centre(drum, drum.y_min + digit * per_digit, picture.height(), 26);
    label(cr, {picture.width() / 2.0, centre}, std::to_string(digit % 10), 17, Font::Mono, digits);
  }
}

void draw_window(Picture& picture) {
  cairo_t* cr = picture.cr();
  const double width = picture.width(), height = picture.height();
  // Shadowed rims above and below, where the drum curves away.
  cairo_rectangle(cr, 0, 0, width, 3);
  cairo_rectangle(cr, 0, height - 3, width, 3);
  set_colour(cr, rgb(40, 40, 42));
  cairo_fill(cr);
  cairo_rectangle(cr, 0, 3, width, 1);
  cairo_rectangle(cr, 0, height - 4, width, 1);
  set_colour(cr, rgb(70, 70, 72));
  cairo_fill(cr);
}

void draw_back(Picture& picture) {
  cairo_t* cr = picture.cr();
  set_colour(cr, rgb(34, 34, 36));
  cairo_paint(cr);
  // The decimal point between the whole hours and the decimals.
  fill_circle(cr, {67.0, picture.height() - 5.0}, 1.2, rgb(236, 234, 226));
}

}  // namespace

void draw_hour_meter(const GaugeRecords& records, std::int32_t id, Picture& picture, PaletteOptions& options) {
  options.matte = palette_colour(rgb(30, 30, 30));
  switch (id) {
    case 352:
      return draw_back(picture);
    case 354:
      return draw_strip(records, 354, picture, false);
    case 357:
      options.matte = palette_colour(rgb(232, 230, 220));
      return draw_strip(records, 357, picture, true);
    case 355:
    case 358:
      return draw_window(picture);
    default:
      unknown_bitmap("Corvel1", id);
  }
}

}  // namespace artwork::corvel1
