// Bitmaps of a loaded module: found by id through the platform layer.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "gauge_kit/platform.h"

namespace panel_host {

struct BitmapSize {
  int width;
  int height;
};

// The bytes of a whole BMP file for bitmap `id`, empty when the module has none.
std::vector<unsigned char> bitmap_file_bytes(gauge_platform::LibraryHandle module, std::int32_t id);

// Pixels of a decoded bitmap, three bytes (red, green, blue) per pixel, top row first.
struct DecodedBitmap {
  int width;
  int height;
  std::vector<std::uint8_t> rgb;
};

// Decodes bitmap `id`; nothing when it is missing or malformed.
std::optional<DecodedBitmap> decode_bitmap(gauge_platform::LibraryHandle module, std::int32_t id);

// The pixel size read from the bitmap's header; nothing when it is missing or
// malformed.
std::optional<BitmapSize> bitmap_size(gauge_platform::LibraryHandle module, std::int32_t id);

}  // namespace panel_host
