// How a string's text is fitted to its box: the box is a font cell, so the
// digits stand 72% of its height, with the baseline 86% of the way down and
// room for descenders below. Shared with the artwork that frames read-outs.
#pragma once

namespace panel_host::text_fit {

inline constexpr double kDigitHeight = 0.72;  // the digit 8's ink, of the cell
inline constexpr double kBaseline = 0.86;     // from the cell's top

// The font size that makes the digits `cell * kDigitHeight` high, given the
// digit 8's ink height at size 100.
constexpr double font_size(double cell, double digit_height_at_100) {
  return digit_height_at_100 > 0 ? 100.0 * cell * kDigitHeight / digit_height_at_100 : 0.0;
}

}  // namespace panel_host::text_fit
