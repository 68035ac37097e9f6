// Conversions from host numbers to whole numbers with a defined result for
// every input: truncation toward zero, NaN gives 0, and values beyond the
// target type give its nearest end.
#pragma once

#include <cmath>
#include <limits>
#include <type_traits>

namespace gauge_kit {

template <class Int>
constexpr Int truncate_toward_zero(double value) {
  static_assert(std::is_integral_v<Int>);
  using limits = std::numeric_limits<Int>;
  // 2^digits is the first value above the type's range and is exact in a double.
  constexpr double above_range = static_cast<double>(limits::max() / 2 + 1) * 2.0;
  if (value != value) return 0;
  if (!(value < above_range)) return limits::max();
  if (value < static_cast<double>(limits::min())) return limits::min();
  return static_cast<Int>(value);
}

}  // namespace gauge_kit
