#include "bmp_writer.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace artwork {
namespace {

void put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  put16(out, value & 0xFFFF);
  put16(out, value >> 16);
}

}  // namespace

bool write_bmp8(const std::string& path, const IndexedImage& image, std::string& error) {
  const auto row_bytes = static_cast<std::uint32_t>((image.width + 3) & ~3);
  const std::uint32_t pixel_offset = 14 + 40 + 256 * 4;
  const std::uint32_t pixel_bytes = row_bytes * static_cast<std::uint32_t>(image.height);
  std::vector<std::uint8_t> out;
  out.reserve(pixel_offset + pixel_bytes);
  out.push_back('B');
  out.push_back('M');
  put32(out, pixel_offset + pixel_bytes);
  put32(out, 0);
  put32(out, pixel_offset);
  put32(out, 40);
  put32(out, static_cast<std::uint32_t>(image.width));
  put32(out, static_cast<std::uint32_t>(image.height));  // positive: bottom-up rows
  put16(out, 1);
  put16(out, 8);
  put32(out, 0);  // uncompressed
  put32(out, pixel_bytes);
  put32(out, 2835);
  put32(out, 2835);
  put32(out, 256);
  put32(out, 0);
  for (const PaletteColour& colour : image.palette) {
    out.push_back(colour.blue);
    out.push_back(colour.green);
    out.push_back(colour.red);
    out.push_back(0);
  }
  for (int row = image.height - 1; row >= 0; --row) {
    const auto* begin = image.pixels.data() + static_cast<std::size_t>(row) * static_cast<std::size_t>(image.width);
    out.insert(out.end(), begin, begin + image.width);
    out.resize(out.size() + (row_bytes - static_cast<std::uint32_t>(image.width)), 0);
  }
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) {
    error = path + ": cannot be written: " + std::strerror(errno);
    return false;
  }
  file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  if (!file) {
    error = path + ": write failed";
    return false;
  }
  return true;
}

}  // namespace artwork
