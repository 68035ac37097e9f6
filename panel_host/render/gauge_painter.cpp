#include "gauge_painter.h"

#include <cmath>
#include <cstring>

#include "core/host_error.h"
#include "core/picture.h"

namespace panel_host {
namespace {

using namespace gauge_kit;

constexpr double kPi = 3.14159265358979323846;

bool is_dark(const ElementHeader& element, bool night) { return night && (element.image_flags & kImageBright) == 0; }
bool is_transparent(const ElementHeader& element) { return (element.image_flags & kImageTransparent) != 0; }
bool is_hidden(const ElementHeader& element) { return (element.image_flags & kImageHidden) != 0; }

double radians(double degrees) { return std::fmod(degrees, 360.0) * kPi / 180.0; }

// The pixel grid's centres: pivots and positions name pixels, and a needle
// turns about the centre of its pivot pixel.
constexpr double kCentre = 0.5;

}  // namespace

GaugePainter::GaugePainter(GaugeInstance& instance, BitmapSurfaces& bitmaps, FontLibrary& fonts)
    : instance_(instance), bitmaps_(bitmaps), fonts_(fonts), strings_(instance.elements().size()) {
  const std::optional<BitmapSize> size = instance.size();
  if (!size || size->width <= 0 || size->height <= 0)
    throw HostError(instance.module().path() + ": gauge \"" + instance.gauge().name + "\": root bitmap " +
                    std::to_string(instance.root()->bitmap_id) + " is missing or malformed");
  size_ = *size;
  for (const ElementState& state : instance.elements()) {
    const ElementKind kind = state.element().kind;
    if (kind != ElementKind::StaticImage && kind != ElementKind::Icon) break;
    ++still_prefix_;
  }
}

void GaugePainter::still_looks(bool night, std::int64_t* out) const {
  for (std::size_t i = 0; i < still_prefix_; ++i) {
    const ElementState& state = instance_.elements()[i];
    const ElementHeader& element = state.element();
    const std::int32_t picture = element.kind == ElementKind::Icon ? icon_picture(state) : element.bitmap_id;
    out[i] = static_cast<std::int64_t>(picture) << 8 | (is_hidden(element) ? 4 : 0) | (is_dark(element, night) ? 2 : 0) |
             (is_transparent(element) ? 1 : 0);
  }
}

void GaugePainter::paint(cairo_t* target, const GaugeView& view, bool night, std::size_t first, std::size_t last) {
  cairo_save(target);
  cairo_set_antialias(target, CAIRO_ANTIALIAS_NONE);
  cairo_rectangle(target, view.x, view.y, view.width, view.height);
  cairo_clip(target);
  cairo_translate(target, view.x, view.y);
  cairo_scale(target, static_cast<double>(view.width) / size_.width, static_cast<double>(view.height) / size_.height);
  const std::vector<ElementState>& elements = instance_.elements();
  for (std::size_t i = first; i < last && i < elements.size(); ++i) {
    const ElementState& state = elements[i];
    if (is_hidden(state.element())) continue;
    const bool dark = is_dark(state.element(), night);
    switch (state.element().kind) {
      case ElementKind::StaticImage:
        paint_bitmap(target, state, state.element().bitmap_id, state.element().position.x, state.element().position.y, dark);
        break;
      case ElementKind::Icon:
        paint_bitmap(target, state, icon_picture(state), state.element().position.x, state.element().position.y, dark);
        break;
      case ElementKind::Slider:
        paint_bitmap(target, state, state.element().bitmap_id, state.element().position.x + state.placement.dx,
                     state.element().position.y + state.placement.dy, dark);
        break;
      case ElementKind::Needle:
        paint_needle(target, state, dark);
        break;
      case ElementKind::MovingImage:
        paint_moving_image(target, state, dark);
        break;
      case ElementKind::Sprite:
        paint_sprite(target, state, dark);
        break;
      case ElementKind::String:
        paint_string(target, state, i, view, dark);
        break;
    }
  }
  cairo_restore(target);
}

void GaugePainter::paint_bitmap(cairo_t* cr, const ElementState& state, std::int32_t id, double x, double y, bool dark) {
  const LoadedModule& module = instance_.module();
  cairo_surface_t* surface = bitmaps_.get(module, id, is_transparent(state.element()), dark);
  const BitmapSize size = bitmaps_.size(module, id);
  // Far off the gauge (a slider pushed by a huge number): nothing to draw.
  if (x >= size_.width || y >= size_.height || x + size.width <= 0 || y + size.height <= 0) return;
  cairo_set_source_surface(cr, surface, x, y);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
  cairo_rectangle(cr, x, y, size.width, size.height);
  cairo_fill(cr);
}

void GaugePainter::paint_needle(cairo_t* cr, const ElementState& state, bool dark) {
  const ElementHeader& element = state.element();
  const LoadedModule& module = instance_.module();
  cairo_surface_t* surface = bitmaps_.get(module, element.bitmap_id, is_transparent(element), dark);
  const BitmapSize size = bitmaps_.size(module, element.bitmap_id);
  // The needle reaches at most its bitmap's diagonal plus the pivot's distance from it.
  const double reach = std::hypot(size.width, size.height) + std::hypot(element.pivot.x, element.pivot.y);
  if (element.position.x - reach >= size_.width || element.position.y - reach >= size_.height ||
      element.position.x + reach <= 0 || element.position.y + reach <= 0)
    return;
  cairo_save(cr);
  cairo_translate(cr, element.position.x + kCentre, element.position.y + kCentre);
  cairo_rotate(cr, radians(state.placement.angle));
  cairo_translate(cr, -(element.pivot.x + kCentre), -(element.pivot.y + kCentre));
  cairo_set_source_surface(cr, surface, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
  // One pixel around the bitmap lets the filter soften its edges.
  cairo_rectangle(cr, -1, -1, size.width + 2, size.height + 2);
  cairo_fill(cr);
  cairo_restore(cr);
}

void GaugePainter::paint_moving_image(cairo_t* cr, const ElementState& state, bool dark) {
  const ElementHeader& element = state.element();
  const LoadedModule& module = instance_.module();
  const bool transparent = is_transparent(element);
  cairo_surface_t* strip = bitmaps_.get(module, element.bitmap_id, transparent, dark);
  cairo_surface_t* window = bitmaps_.get(module, element.bitmap_id + 1, transparent, dark);
  const BitmapSize window_size = bitmaps_.size(module, element.bitmap_id + 1);
  const double x = element.position.x;
  const double y = element.position.y;
  // The strip shows only inside the window's rectangle.
  cairo_set_source_surface(cr, strip, x + state.placement.dx, y + state.placement.dy);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
  cairo_rectangle(cr, x, y, window_size.width, window_size.height);
  cairo_fill(cr);
  cairo_set_source_surface(cr, window, x, y);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
  cairo_rectangle(cr, x, y, window_size.width, window_size.height);
  cairo_fill(cr);
}

void GaugePainter::paint_sprite(cairo_t* cr, const ElementState& state, bool dark) {
  const ElementHeader& element = state.element();
  const auto& sprite = element_as<SpriteElement>(&const_cast<ElementHeader&>(element));
  const double scale_x = sprite.texture_scale_x;
  const double scale_y = sprite.texture_scale_y;
  if (!std::isfinite(scale_x) || !std::isfinite(scale_y) || scale_x == 0.0 || scale_y == 0.0) return;
  const LoadedModule& module = instance_.module();
  cairo_surface_t* texture = bitmaps_.get(module, element.bitmap_id, is_transparent(element), dark);
  const BitmapMask& mask = bitmaps_.mask(module, element.bitmap_id + 1);
  if (mask.width == 0 || mask.height == 0) return;
  const double x = element.position.x;
  const double y = element.position.y;
  cairo_save(cr);
  cairo_rectangle(cr, x + mask.x, y + mask.y, mask.width, mask.height);
  cairo_clip(cr);
  cairo_matrix_t gauge_space;
  cairo_get_matrix(cr, &gauge_space);
  const double centre_x = element.pivot.x + kCentre;
  const double centre_y = element.pivot.y + kCentre;
  cairo_translate(cr, x + centre_x + state.placement.dx, y + centre_y + state.placement.dy);
  cairo_rotate(cr, radians(state.placement.angle));
  cairo_scale(cr, scale_x, scale_y);
  cairo_translate(cr, -centre_x, -centre_y);
  cairo_set_source_surface(cr, texture, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
  cairo_set_matrix(cr, &gauge_space);
  cairo_mask_surface(cr, mask.surface, x, y);
  cairo_restore(cr);
}

void GaugePainter::paint_string(cairo_t* cr, const ElementState& state, std::size_t index, const GaugeView& view,
                                bool dark) {
  const ElementHeader& element = state.element();
  const auto& string = element_as<StringElement>(&const_cast<ElementHeader&>(element));
  const std::string_view text =
      state.text ? std::string_view(state.text.get(), strnlen(state.text.get(), state.text_size)) : std::string_view();
  const double scale_x = static_cast<double>(view.width) / size_.width;
  const double scale_y = static_cast<double>(view.height) / size_.height;
  // Only the part of the box on the gauge is drawn.
  const double box_left = element.position.x;
  const double box_top = element.position.y;
  const double left = std::max(box_left, 0.0);
  const double top = std::max(box_top, 0.0);
  const double right = std::min(box_left + std::max(0, string.box_width), static_cast<double>(size_.width));
  const double bottom = std::min(box_top + std::max(0, string.box_height), static_cast<double>(size_.height));
  if (right <= left || bottom <= top) return;
  const int x = static_cast<int>(std::floor(view.x + left * scale_x));
  const int y = static_cast<int>(std::floor(view.y + top * scale_y));
  const DeviceBox box{x,
                      y,
                      static_cast<int>(std::ceil(view.x + right * scale_x)) - x,
                      static_cast<int>(std::ceil(view.y + bottom * scale_y)) - y,
                      view.x + box_left * scale_x - x,
                      view.y + box_top * scale_y - y,
                      scale_x,
                      scale_y};
  strings_[index].paint(cr, fonts_, string, text, box, dark);
}

}  // namespace panel_host
