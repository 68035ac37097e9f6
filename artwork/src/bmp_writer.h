// Writes 8-bit palettised, uncompressed BMP files.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace artwork {

struct PaletteColour {
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
};

struct IndexedImage {
  int width = 0;
  int height = 0;
  std::array<PaletteColour, 256> palette{};
  std::vector<std::uint8_t> pixels;  // row-major, top row first
};

// Writes `image` to `path`; returns false with `error` set on failure.
bool write_bmp8(const std::string& path, const IndexedImage& image, std::string& error);

}  // namespace artwork
