#include "generated_runtime/text_format.h"

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <limits>

namespace generated_runtime {

double narrow_to_single(double value) {
  if (std::isnan(value)) return std::numeric_limits<double>::quiet_NaN();
  // From the largest single value plus half its last step on, rounding to
  // single precision gives infinity.
  constexpr double overflow_from = 0x1.ffffffp127;
  if (value >= overflow_from) return std::numeric_limits<double>::infinity();
  if (value <= -overflow_from) return -std::numeric_limits<double>::infinity();
  return static_cast<double>(static_cast<float>(value));
}

void print_whole_number(char* buffer, std::uint32_t char_count, const char* format, double value) {
  if (buffer == nullptr) return;
  // Printing a whole number with precision 0 involves no rounding, so
  // rounding first (halves away from zero) decides every case; other values
  // round as printf would round them. NaN prints as "nan" whatever its sign.
  const double whole = std::isnan(value) ? std::numeric_limits<double>::quiet_NaN() : std::round(value);
  std::snprintf(buffer, std::size_t{char_count} + 1, format, whole);
}

}  // namespace generated_runtime
