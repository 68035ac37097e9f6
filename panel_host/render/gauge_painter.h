// Draws one gauge instance from its records and the host's placement: each
// element in drawing order, with its image flags (transparency, bright, hidden)
// and the panel's night.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "bitmap_surfaces.h"
#include "core/gauge_instance.h"
#include "fonts.h"
#include "string_picture.h"

namespace panel_host {

// Where a gauge lands on the target: its top-left device pixel and its size
// in device pixels (the root bitmap stretched to it).
struct GaugeView {
  int x, y, width, height;
};

class GaugePainter {
 public:
  GaugePainter(GaugeInstance& instance, BitmapSurfaces& bitmaps, FontLibrary& fonts);

  GaugeInstance& instance() const { return instance_; }
  // The root bitmap's size: the gauge's own pixels.
  BitmapSize size() const { return size_; }

  // Draws elements [first, last) of the drawing order onto `target`, whose
  // user space must be device space; clipped to the gauge.
  void paint(cairo_t* target, const GaugeView& view, bool night, std::size_t first, std::size_t last);
  void paint(cairo_t* target, const GaugeView& view, bool night) {
    paint(target, view, night, 0, instance_.elements().size());
  }

  // Composes elements [first, last) onto `frame`, a pixman view of the
  // target's pixels: each element's picture (the element drawn alone, in
  // device pixels) is kept, drawn again only when its look changes, and laid
  // over the frame as it is.
  void compose(pixman_image_t* frame, const GaugeView& view, bool night, std::size_t first, std::size_t last);

  // The leading elements whose look is only which bitmap they show, whether
  // they show and whether they are dark: static images and icons.
  std::size_t still_prefix() const { return still_prefix_; }
  // How each of those looks now, one number per element (equal numbers,
  // equal pixels); `out` must hold still_prefix() numbers.
  void still_looks(bool night, std::int64_t* out) const;

 private:
  void paint_element(cairo_t* cr, const ElementState& state, const GaugeView& view, bool night);
  void paint_bitmap(cairo_t* cr, const ElementState& state, std::int32_t id, double x, double y, bool dark);
  void paint_needle(cairo_t* cr, const ElementState& state, bool dark);
  void paint_moving_image(cairo_t* cr, const ElementState& state, bool dark);
  void paint_sprite(cairo_t* cr, const ElementState& state, bool dark);
  void paint_string(cairo_t* cr, const ElementState& state, std::size_t index, const GaugeView& view, bool dark);

  // What an element's picture depends on besides the view.
  struct ElementLook {
    std::int32_t picture = 0;
    std::uint32_t flags = 0;  // transparent, dark
    double angle = 0, dx = 0, dy = 0;
    bool operator==(const ElementLook&) const = default;
  };
  struct DeviceRect {
    int x = 0, y = 0, width = 0, height = 0;
  };
  struct ElementPicture {
    Surface surface;
    PixmanImage image;
    DeviceRect rect;  // where it lands; empty when the element shows nothing
    ElementLook look;
    bool drawn = false;
  };
  ElementLook look_of(const ElementState& state, bool night) const;
  DeviceRect extent(const ElementState& state, const GaugeView& view);
  void draw_picture(std::size_t index, const GaugeView& view, bool night, const ElementLook& look);
  void prepare_string(const ElementState& state, std::size_t index, const GaugeView& view, bool dark);

  GaugeInstance& instance_;
  BitmapSurfaces& bitmaps_;
  FontLibrary& fonts_;
  BitmapSize size_;
  std::size_t still_prefix_ = 0;
  std::vector<StringPicture> strings_;  // one per element, used by strings
  std::vector<ElementPicture> pictures_;  // one per element, used by the others
  GaugeView pictures_view_ = {0, 0, 0, 0};
};

}  // namespace panel_host
