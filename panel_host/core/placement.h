// Where the host puts each element for the number it shows: needle angles
// read on their scales, slider and strip offsets, sprite turns. Pure
// functions, and the per-element state the host keeps between updates.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "bitmap_info.h"
#include "gauge_kit/platform.h"
#include "gauge_kit/records.h"

namespace panel_host {

// Offsets beyond this many pixels are held here: the element is far off any
// gauge, and the drawing stays within what the rasteriser handles.
inline constexpr double kFarthestOffset = 1.0e6;

// The direction from `from` to the point (x, y) in degrees clockwise from
// pointing right, y growing downwards; in (-180, 180].
double direction_degrees(gauge_kit::PixelPoint from, double x, double y);

// One point of a dial: a value and the needle's angle for it, unwrapped along
// the dial's sweep (so the angles rise or fall steadily from the lowest value).
struct DialStop {
  double value;
  double angle;
};

// A needle's scale read from the needle's own position: the points in
// ascending value (equal values keep their stored order), turning clockwise
// from the lowest value to the highest unless that sweeps more than a full
// turn, then counter-clockwise. Points whose value is not finite are left out.
class Dial {
 public:
  Dial() = default;
  Dial(const gauge_kit::NonlinearityPoint* points, std::uint32_t count, gauge_kit::PixelPoint centre);

  bool empty() const { return stops_.empty(); }
  const std::vector<DialStop>& stops() const { return stops_; }
  double lowest_angle() const { return stops_.empty() ? 0.0 : stops_.front().angle; }

  // The angle for `value`: linear between neighbouring values, the end
  // point's angle beyond either end; NaN for NaN (and for an empty dial).
  double angle_for(double value) const;

 private:
  std::vector<DialStop> stops_;
};

// A needle turned at most `max_per_tick` degrees (when > 0) from `current`
// towards `target`, along the dial.
double step_towards(double current, double target, std::int32_t max_per_tick);

// Moving image, per axis: how far the strip has slid, 0 ... 1; nothing for a
// NaN (the strip stays where it was). An axis whose minimum equals its maximum
// does not move.
std::optional<double> strip_fraction(double number, double minimum, double maximum);
// The strip's offset from the window at `fraction`: 0 lines the first edges
// up, 1 the last edges.
double strip_offset(double fraction, int strip_length, int window_length);

// number x scale held to +-kFarthestOffset; nothing when it is not a number.
std::optional<double> scaled_offset(double number, double scale);

// What the host keeps per element: the dial and bitmap sizes it needs, read
// at install, and where the element was last placed.
struct Placement {
  Dial dial;                       // needles with a scale
  BitmapSize strip = {0, 0};       // moving images: the strip (bitmap id)
  BitmapSize window = {0, 0};      // moving images: the window (id + 1)
  bool placed = false;             // has been placed for a number
  double angle = 0.0;              // needles and sprites, degrees clockwise as drawn
  double dx = 0.0;                 // sliders, moving images, sprites: pixels
  double dy = 0.0;
};

// Reads what the element's placement needs (the scale from the element's
// position, the strip and window sizes from `module`) and puts it at rest.
Placement install_placement(gauge_kit::ElementHeader& element, gauge_platform::LibraryHandle module);

// At rest: needles at their lowest point (angle 0 without a scale), no offset.
void reset_placement(const gauge_kit::ElementHeader& element, Placement& placement);

// Places the element for its numbers (value, or x / y / angle by kind).
void place_element(gauge_kit::ElementHeader& element, const double (&numbers)[3], Placement& placement);

}  // namespace panel_host
