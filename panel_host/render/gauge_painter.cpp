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
    : instance_(instance),
      bitmaps_(bitmaps),
      fonts_(fonts),
      strings_(instance.elements().size()),
      pictures_(instance.elements().size()) {
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

void GaugePainter::prepare_string(const ElementState& state, std::size_t index, const GaugeView& view, bool dark) {
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
  if (right <= left || bottom <= top) {
    strings_[index] = StringPicture();
    return;
  }
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
  strings_[index].prepare(fonts_, string, text, box, dark);
}

void GaugePainter::paint_string(cairo_t* cr, const ElementState& state, std::size_t index, const GaugeView& view,
                                bool dark) {
  prepare_string(state, index, view, dark);
  if (strings_[index].image() != nullptr) strings_[index].paint(cr);
}

GaugePainter::ElementLook GaugePainter::look_of(const ElementState& state, bool night) const {
  const ElementHeader& element = state.element();
  ElementLook look;
  look.picture = element.kind == ElementKind::Icon ? icon_picture(state) : element.bitmap_id;
  look.flags = (is_transparent(element) ? 1u : 0u) | (is_dark(element, night) ? 2u : 0u);
  look.angle = state.placement.angle;
  look.dx = state.placement.dx;
  look.dy = state.placement.dy;
  return look;
}

GaugePainter::DeviceRect GaugePainter::extent(const ElementState& state, const GaugeView& view) {
  const ElementHeader& element = state.element();
  const LoadedModule& module = instance_.module();
  // The element's reach in gauge pixels: left, top, right, bottom.
  double box[4] = {0, 0, static_cast<double>(size_.width), static_cast<double>(size_.height)};
  const auto rectangle = [&box](double x, double y, double width, double height) {
    box[0] = x;
    box[1] = y;
    box[2] = x + width;
    box[3] = y + height;
  };
  switch (element.kind) {
    case ElementKind::StaticImage:
    case ElementKind::Icon:
    case ElementKind::Slider: {
      const std::int32_t id = element.kind == ElementKind::Icon ? icon_picture(state) : element.bitmap_id;
      const BitmapSize size = bitmaps_.size(module, id);
      rectangle(element.position.x + state.placement.dx, element.position.y + state.placement.dy, size.width, size.height);
      break;
    }
    case ElementKind::Needle: {
      const BitmapSize size = bitmaps_.size(module, element.bitmap_id);
      const double turn = radians(state.placement.angle);
      const double cosine = std::cos(turn), sine = std::sin(turn);
      box[0] = box[1] = 1e300;
      box[2] = box[3] = -1e300;
      for (const double u : {-1.0, size.width + 1.0})
        for (const double v : {-1.0, size.height + 1.0}) {
          const double du = u - element.pivot.x - kCentre, dv = v - element.pivot.y - kCentre;
          const double x = element.position.x + kCentre + du * cosine - dv * sine;
          const double y = element.position.y + kCentre + du * sine + dv * cosine;
          box[0] = std::min(box[0], x);
          box[1] = std::min(box[1], y);
          box[2] = std::max(box[2], x);
          box[3] = std::max(box[3], y);
        }
      break;
    }
    case ElementKind::MovingImage: {
      const BitmapSize window = bitmaps_.size(module, element.bitmap_id + 1);
      rectangle(element.position.x, element.position.y, window.width, window.height);
      break;
    }
    case ElementKind::Sprite: {
      const BitmapMask& mask = bitmaps_.mask(module, element.bitmap_id + 1);
      rectangle(element.position.x + mask.x, element.position.y + mask.y, mask.width, mask.height);
      break;
    }
    case ElementKind::String:
      break;
  }
  const double scale_x = static_cast<double>(view.width) / size_.width;
  const double scale_y = static_cast<double>(view.height) / size_.height;
  // In device pixels, a pixel more all round for the filter, within the gauge.
  const double left = std::max(view.x + box[0] * scale_x - 1, static_cast<double>(view.x));
  const double top = std::max(view.y + box[1] * scale_y - 1, static_cast<double>(view.y));
  const double right = std::min(view.x + box[2] * scale_x + 1, static_cast<double>(view.x + view.width));
  const double bottom = std::min(view.y + box[3] * scale_y + 1, static_cast<double>(view.y + view.height));
  if (!(right > left && bottom > top)) return {};
  DeviceRect rect;
  rect.x = static_cast<int>(std::floor(left));
  rect.y = static_cast<int>(std::floor(top));
  rect.width = static_cast<int>(std::ceil(right)) - rect.x;
  rect.height = static_cast<int>(std::ceil(bottom)) - rect.y;
  return rect;
}

void GaugePainter::draw_picture(std::size_t index, const GaugeView& view, bool night, const ElementLook& look) {
  ElementPicture& picture = pictures_[index];
  const ElementState& state = instance_.elements()[index];
  picture.look = look;
  picture.drawn = true;
  picture.rect = extent(state, view);
  if (picture.rect.width <= 0 || picture.rect.height <= 0) return;
  // The surface is kept while it is large enough.
  if (!picture.surface || cairo_image_surface_get_width(picture.surface.get()) < picture.rect.width ||
      cairo_image_surface_get_height(picture.surface.get()) < picture.rect.height) {
    picture.image.reset();
    picture.surface = make_image_surface(picture.rect.width, picture.rect.height);
    picture.image = pixman_view(picture.surface.get());
  }
  Context context(cairo_create(picture.surface.get()));
  cairo_set_operator(context.get(), CAIRO_OPERATOR_CLEAR);
  cairo_paint(context.get());
  cairo_set_operator(context.get(), CAIRO_OPERATOR_OVER);
  cairo_translate(context.get(), -picture.rect.x, -picture.rect.y);
  paint(context.get(), view, night, index, index + 1);
  if (cairo_status(context.get()) != CAIRO_STATUS_SUCCESS)
    throw HostError(std::string("drawing an element failed: ") + cairo_status_to_string(cairo_status(context.get())));
  context.reset();
  cairo_surface_flush(picture.surface.get());
}

void GaugePainter::compose(pixman_image_t* frame, const GaugeView& view, bool night, std::size_t first,
                           std::size_t last) {
  if (view.x != pictures_view_.x || view.y != pictures_view_.y || view.width != pictures_view_.width ||
      view.height != pictures_view_.height) {
    for (ElementPicture& picture : pictures_) picture.drawn = false;
    pictures_view_ = view;
  }
  const std::vector<ElementState>& elements = instance_.elements();
  for (std::size_t i = first; i < last && i < elements.size(); ++i) {
    const ElementState& state = elements[i];
    if (is_hidden(state.element())) continue;
    if (state.element().kind == ElementKind::String) {
      prepare_string(state, i, view, is_dark(state.element(), night));
      const StringPicture& string = strings_[i];
      if (string.image() != nullptr)
        pixman_image_composite32(PIXMAN_OP_OVER, string.image(), nullptr, frame, 0, 0, 0, 0, string.box().x,
                                 string.box().y, string.box().width, string.box().height);
      continue;
    }
    const ElementLook look = look_of(state, night);
    ElementPicture& picture = pictures_[i];
    if (!picture.drawn || !(picture.look == look)) draw_picture(i, view, night, look);
    if (picture.rect.width > 0 && picture.rect.height > 0)
      pixman_image_composite32(PIXMAN_OP_OVER, picture.image.get(), nullptr, frame, 0, 0, 0, 0, picture.rect.x,
                               picture.rect.y, picture.rect.width, picture.rect.height);
  }
}

}  // namespace panel_host
