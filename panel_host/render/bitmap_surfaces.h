// The bitmaps of loaded modules as Cairo surfaces, decoded once and kept in
// the variants the host draws: with pure black transparent or opaque, lit or
// darkened for night.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "cairo_handles.h"
#include "core/bitmap_info.h"
#include "core/loaded_module.h"

namespace panel_host {

// How much of its light an unlit element keeps at night.
inline constexpr double kNightLevel = 0.22;

// A colour 0x00BBGGRR (or a pixel) as drawn: darkened when `dark`.
struct Rgb {
  double red, green, blue;
};
Rgb colour_from_record(std::uint32_t colour, bool dark);

// Where a mask lets its element show: an A8 surface (opaque where the bitmap
// is not black) and the bounding box of that area.
struct BitmapMask {
  cairo_surface_t* surface = nullptr;
  int x = 0, y = 0, width = 0, height = 0;
};

class BitmapSurfaces {
 public:
  // Bitmap `id` of `module`; throws HostError naming the module and the id
  // when the module has no such bitmap or it cannot be decoded.
  cairo_surface_t* get(const LoadedModule& module, std::int32_t id, bool transparent, bool dark);
  const BitmapMask& mask(const LoadedModule& module, std::int32_t id);
  BitmapSize size(const LoadedModule& module, std::int32_t id);

 private:
  struct Entry {
    DecodedBitmap pixels;
    Surface variants[4];  // index: transparent + 2 * dark
    Surface mask_surface;
    BitmapMask mask;
  };
  Entry& entry(const LoadedModule& module, std::int32_t id);

  std::map<std::pair<const LoadedModule*, std::int32_t>, Entry> entries_;
};

// Reads a BMP file (a panel background); throws HostError naming the file.
Surface load_bmp_file(const std::string& path);
// A copy of `source` darkened for night.
Surface darkened_copy(cairo_surface_t* source);

}  // namespace panel_host
