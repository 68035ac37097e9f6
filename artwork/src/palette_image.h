// Turns a drawn picture (Cairo ARGB) into an 8-bit palettised bitmap: the
// colours reduced to a palette by median cut, index 0 kept for pure black,
// which the host makes transparent. Drawn pixels never come out pure black.
#pragma once

#include <cairo.h>

#include <vector>

#include "bmp_writer.h"

namespace artwork {

struct PaletteOptions {
  // Half-covered edge pixels are finished over this colour, as if the
  // picture lay on it, before they become opaque.
  PaletteColour matte = {24, 24, 24};
  // Colours that must come through exactly (a string's back colour that
  // the face must match).
  std::vector<PaletteColour> exact;
};

// The darkest a drawn pixel may be: anything darker is raised to it.
inline constexpr std::uint8_t kNearBlack = 6;

IndexedImage to_palette_image(cairo_surface_t* picture, const PaletteOptions& options);

}  // namespace artwork
