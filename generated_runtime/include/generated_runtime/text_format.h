// Number handling shared by the generated gauges' callbacks.
#pragma once

#include <cstdint>

namespace generated_runtime {

// The nearest single-precision value, widened back; infinities beyond the
// single range, NaN kept (as a positive NaN).
double narrow_to_single(double value);

// Prints `value` as a whole number into the host's text buffer of a string
// element holding `char_count` characters and its terminator. `format` has one
// conversion with precision 0 (such as "%.0f" or "%03.0f:"). An exact half is
// rounded away from zero on every platform. A null buffer is left alone.
void print_whole_number(char* buffer, std::uint32_t char_count, const char* format, double value);

// The upper bound is tested first, then the lower; a bound passes unchanged,
// and so does a NaN.
constexpr double clamp_upper_then_lower(double value, double lower, double upper) {
  if (value > upper) value = upper;
  if (value < lower) value = lower;
  return value;
}

}  // namespace generated_runtime
