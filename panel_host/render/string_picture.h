// A string element as drawn: its box filled with the back colour and its text
// in the fore colour, fitted to the box's height, aligned by the format flags
// and clipped to the box. The picture is kept and drawn again as it is while
// the text and the look stay the same.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "cairo_handles.h"
#include "fonts.h"
#include "gauge_kit/records.h"

namespace panel_host {

// Text-format flags the host acts on.
namespace text_format {
inline constexpr std::uint32_t kCentre = 0x1;
inline constexpr std::uint32_t kRight = 0x2;
inline constexpr std::uint32_t kMiddle = 0x4;
inline constexpr std::uint32_t kBottom = 0x8;
inline constexpr std::uint32_t kSingleLine = 0x20;
}  // namespace text_format

// Where a string's box lands on the target, in device pixels.
// The picture covers the part of the box that lies on the gauge.
struct DeviceBox {
  int x, y;            // the picture's top-left device pixel
  int width, height;   // the picture's size in device pixels
  double offset_x;     // the box's corner from the picture's, device pixels
  double offset_y;
  double scale_x;      // device pixels per gauge pixel
  double scale_y;
};

class StringPicture {
 public:
  // Brings the picture up to date; it is drawn again only when the text, the
  // look or the box changed.
  void prepare(FontLibrary& fonts, const gauge_kit::StringElement& element, std::string_view text, const DeviceBox& box,
               bool dark);
  // Draws the picture onto `target`, whose user space must be device space.
  void paint(cairo_t* target) const;
  pixman_image_t* image() const { return image_.get(); }
  const DeviceBox& box() const { return box_; }

 private:
  void redraw(FontLibrary& fonts, const gauge_kit::StringElement& element, const DeviceBox& box, bool dark);

  Surface picture_;
  PixmanImage image_;
  std::string text_;
  std::uint32_t fore_ = 0, back_ = 0, format_ = 0, image_flags_ = 0;
  bool dark_ = false;
  DeviceBox box_ = {};
};

}  // namespace panel_host
