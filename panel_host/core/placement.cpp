#include "placement.h"

#include <algorithm>
#include <cmath>

namespace panel_host {
namespace {

using namespace gauge_kit;

constexpr double kPi = 3.14159265358979323846;

// The turn from `from` to `to` going clockwise, in [0, 360).
double clockwise_turn(double from, double to) {
  const double turn = std::fmod(to - from, 360.0);
  return turn < 0.0 ? turn + 360.0 : turn;
}

}  // namespace

double direction_degrees(PixelPoint from, double x, double y) {
  return std::atan2(y - from.y, x - from.x) * 180.0 / kPi;
}

Dial::Dial(const NonlinearityPoint* points, std::uint32_t count, PixelPoint centre) {
  if (points == nullptr) return;
  for (std::uint32_t i = 0; i < count; ++i)
    if (std::isfinite(points[i].value))
      stops_.push_back({points[i].value, direction_degrees(centre, points[i].x, points[i].y)});
  std::stable_sort(stops_.begin(), stops_.end(), [](const DialStop& a, const DialStop& b) { return a.value < b.value; });
  double clockwise = 0.0;
  for (std::size_t i = 1; i < stops_.size(); ++i) clockwise += clockwise_turn(stops_[i - 1].angle, stops_[i].angle);
  const bool counter_clockwise = clockwise > 360.0;
  // Unwrap: each stop's angle follows from the one before by the turn between them.
  double previous = stops_.empty() ? 0.0 : stops_.front().angle;
  for (std::size_t i = 1; i < stops_.size(); ++i) {
    const double here = stops_[i].angle;
    const double turn = counter_clockwise ? -clockwise_turn(here, previous) : clockwise_turn(previous, here);
    stops_[i].angle = stops_[i - 1].angle + turn;
    previous = here;
  }
}

double Dial::angle_for(double value) const {
  if (stops_.empty() || std::isnan(value)) return std::nan("");
  if (value <= stops_.front().value) return stops_.front().angle;
  if (value >= stops_.back().value) {
    // The first stop in stored order that holds the highest value.
    const auto first_highest = std::lower_bound(stops_.begin(), stops_.end(), stops_.back().value,
                                                [](const DialStop& stop, double v) { return stop.value < v; });
    return first_highest->angle;
  }
  const auto above = std::lower_bound(stops_.begin(), stops_.end(), value,
                                      [](const DialStop& stop, double v) { return stop.value < v; });
  if (above->value == value) return above->angle;
  const DialStop& below = *(above - 1);
  const double fraction = (value - below.value) / (above->value - below.value);
  return below.angle + fraction * (above->angle - below.angle);
}

double step_towards(double current, double target, std::int32_t max_per_tick) {
  if (max_per_tick <= 0) return target;
  const double limit = max_per_tick;
  return current + std::clamp(target - current, -limit, limit);
}

std::optional<double> strip_fraction(double number, double minimum, double maximum) {
  if (!(minimum != maximum)) return 0.0;  // equal (or NaN) bounds: the axis does not move
  const double fraction = (number - minimum) / (maximum - minimum);
  if (std::isnan(fraction)) return std::nullopt;
  return std::clamp(fraction, 0.0, 1.0);
}

double strip_offset(double fraction, int strip_length, int window_length) {
  return fraction * static_cast<double>(window_length - strip_length);
}

std::optional<double> scaled_offset(double number, double scale) {
  const double offset = number * scale;
  if (std::isnan(offset)) return std::nullopt;
  return std::clamp(offset, -kFarthestOffset, kFarthestOffset);
}

Placement install_placement(ElementHeader& element, gauge_platform::LibraryHandle module) {
  Placement placement;
  if (element.kind == ElementKind::Needle) {
    const auto& needle = element_as<NeedleElement>(&element);
    placement.dial = Dial(needle.scale, needle.scale_points, element.position);
  }
  if (element.kind == ElementKind::MovingImage) {
    placement.strip = bitmap_size(module, element.bitmap_id).value_or(BitmapSize{0, 0});
    placement.window = bitmap_size(module, element.bitmap_id + 1).value_or(BitmapSize{0, 0});
  }
  reset_placement(element, placement);
  return placement;
}

void reset_placement(const ElementHeader& element, Placement& placement) {
  placement.placed = false;
  placement.angle = element.kind == ElementKind::Needle ? placement.dial.lowest_angle() : 0.0;
  placement.dx = 0.0;
  placement.dy = 0.0;
}

void place_element(ElementHeader& element, const double (&numbers)[3], Placement& placement) {
  ElementHeader* record = &element;
  switch (element.kind) {
    case ElementKind::StaticImage:
    case ElementKind::String:
    case ElementKind::Icon:
      return;
    case ElementKind::Needle: {
      const auto& needle = element_as<NeedleElement>(record);
      // Without a scale the number is the angle; a number that is not finite
      // leaves the needle where it was.
      const double target = placement.dial.empty() ? (std::isfinite(numbers[0]) ? numbers[0] : std::nan(""))
                                                   : placement.dial.angle_for(numbers[0]);
      if (std::isnan(target)) return;
      placement.angle = placement.placed ? step_towards(placement.angle, target, needle.max_degrees_per_tick) : target;
      break;
    }
    case ElementKind::Slider: {
      const auto& slider = element_as<SliderElement>(record);
      placement.dx = scaled_offset(numbers[0], slider.x_scale).value_or(placement.dx);
      placement.dy = scaled_offset(numbers[1], slider.y_scale).value_or(placement.dy);
      break;
    }
    case ElementKind::MovingImage: {
      const auto& image = element_as<MovingImageElement>(record);
      if (const auto x = strip_fraction(numbers[0], image.x_min, image.x_max))
        placement.dx = strip_offset(*x, placement.strip.width, placement.window.width);
      if (const auto y = strip_fraction(numbers[1], image.y_min, image.y_max))
        placement.dy = strip_offset(*y, placement.strip.height, placement.window.height);
      break;
    }
    case ElementKind::Sprite: {
      const auto& sprite = element_as<SpriteElement>(record);
      placement.dx = scaled_offset(numbers[0], sprite.x_scale).value_or(placement.dx);
      placement.dy = scaled_offset(numbers[1], sprite.y_scale).value_or(placement.dy);
      const double angle = numbers[2] * sprite.angle_scale;
      if (std::isfinite(angle)) placement.angle = angle;
      break;
    }
  }
  placement.placed = true;
}

}  // namespace panel_host
