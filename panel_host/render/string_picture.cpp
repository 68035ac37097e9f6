#include "string_picture.h"

#include <algorithm>
#include <cmath>

#include "bitmap_surfaces.h"
#include "text_fit.h"

namespace panel_host {
namespace {

using namespace gauge_kit;

// The text buffer holds the Windows character set; Cairo wants UTF-8. Latin
// letters and signs (0xA0 and up) keep their code points, the rest of the
// upper half shows as '?', control characters as blanks.
void append_as_utf8(std::string& out, std::string_view text) {
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20) {
      out.push_back(' ');
    } else if (byte < 0x80) {
      out.push_back(c);
    } else if (byte >= 0xA0) {
      out.push_back(static_cast<char>(0xC0 | byte >> 6));
      out.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
    } else {
      out.push_back('?');
    }
  }
}

bool same_box(const DeviceBox& a, const DeviceBox& b) {
  return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height && a.offset_x == b.offset_x && a.offset_y == b.offset_y && a.scale_x == b.scale_x &&
         a.scale_y == b.scale_y;
}

// Pure black behind a transparent string lets the gauge show through.
bool back_shows(const StringElement& element) {
  return !((element.header.image_flags & kImageTransparent) != 0 && (element.back_colour & 0xFFFFFF) == 0);
}

}  // namespace

void StringPicture::prepare(FontLibrary& fonts, const StringElement& element, std::string_view text,
                            const DeviceBox& box, bool dark) {
  const bool changed = !picture_ || text != text_ || element.fore_colour != fore_ || element.back_colour != back_ ||
                       element.format_flags != format_ || element.header.image_flags != image_flags_ ||
                       dark != dark_ || !same_box(box, box_);
  if (!changed) return;
  text_.assign(text);
  fore_ = element.fore_colour;
  back_ = element.back_colour;
  format_ = element.format_flags;
  image_flags_ = element.header.image_flags;
  dark_ = dark;
  box_ = box;
  redraw(fonts, element, box, dark);
  cairo_surface_flush(picture_.get());
  image_ = pixman_view(picture_.get());
}

void StringPicture::paint(cairo_t* target) const {
  cairo_save(target);
  cairo_identity_matrix(target);
  cairo_set_source_surface(target, picture_.get(), box_.x, box_.y);
  cairo_paint(target);
  cairo_restore(target);
}

void StringPicture::redraw(FontLibrary& fonts, const StringElement& element, const DeviceBox& box, bool dark) {
  const double box_width = std::max(0, element.box_width);
  const double box_height = std::max(0, element.box_height);
  picture_ = make_image_surface(std::max(1, box.width), std::max(1, box.height));
  Context context(cairo_create(picture_.get()));
  cairo_t* cr = context.get();
  cairo_translate(cr, box.offset_x, box.offset_y);
  cairo_scale(cr, box.scale_x, box.scale_y);
  cairo_rectangle(cr, 0, 0, box_width, box_height);
  cairo_clip(cr);
  if (back_shows(element)) {
    const Rgb back = colour_from_record(element.back_colour, dark);
    cairo_set_source_rgb(cr, back.red, back.green, back.blue);
    cairo_paint(cr);
  }
  if (text_.empty() || box_height <= 0) return;

  cairo_set_font_face(cr, fonts.face(element.font_face, element.font_weight));
  cairo_set_font_size(cr, 100.0);
  cairo_text_extents_t eight;
  cairo_text_extents(cr, "8", &eight);
  const std::uint32_t flags = element.format_flags;
  const bool single_line = (flags & text_format::kSingleLine) != 0;
  // Each line is a cell as high as the box.
  double cell = box_height;
  double size = std::min(text_fit::font_size(cell, eight.height), 10000.0);
  if (!(size > 0)) return;
  cairo_set_font_size(cr, size);
  if (single_line) {
    // A single line wider than its box is narrowed to fit it, as a window
    // that shows a few characters is meant to show them all.
    std::string whole;
    append_as_utf8(whole, text_);
    cairo_text_extents_t whole_extents;
    cairo_text_extents(cr, whole.c_str(), &whole_extents);
    if (whole_extents.x_advance > box_width && whole_extents.x_advance > 0) {
      const double narrowing = box_width / whole_extents.x_advance;
      size *= narrowing;
      cell *= narrowing;
      cairo_set_font_size(cr, size);
    }
  }
  const Rgb fore = colour_from_record(element.fore_colour, dark);
  cairo_set_source_rgb(cr, fore.red, fore.green, fore.blue);

  std::string_view rest = text_;
  int line_count = 1;
  if (!single_line)
    for (char c : rest) line_count += c == '\n' ? 1 : 0;
  const double block = line_count * cell;
  double top = 0.0;
  if ((flags & text_format::kMiddle) != 0) top = (box_height - block) / 2.0;
  else if ((flags & text_format::kBottom) != 0) top = box_height - block;

  std::string line;
  for (int index = 0; index < line_count; ++index) {
    const std::size_t end = single_line ? std::string_view::npos : rest.find('\n');
    std::string_view raw = rest.substr(0, end);
    if (!single_line && !raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
    line.clear();
    append_as_utf8(line, raw);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    cairo_text_extents_t text_extents;
    cairo_text_extents(cr, line.c_str(), &text_extents);
    double left = 0.0;
    if ((flags & text_format::kCentre) != 0) left = (box_width - text_extents.x_advance) / 2.0;
    else if ((flags & text_format::kRight) != 0) left = box_width - text_extents.x_advance;
    cairo_move_to(cr, left, top + (index + text_fit::kBaseline) * cell);
    cairo_show_text(cr, line.c_str());
  }
}

}  // namespace panel_host
