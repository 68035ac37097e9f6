#include "bitmap_info.h"

#include <cstring>

#define STBI_ONLY_BMP
#define STBI_NO_STDIO
#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>

namespace panel_host {
namespace {

void put32(unsigned char* out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out[i] = static_cast<unsigned char>(value >> (8 * i));
}

// Windows keeps bitmap resources without the 14-byte file header: rebuild it
// so that every bitmap reads as a BMP file.
std::vector<unsigned char> with_file_header(const gauge_platform::BitmapBytes& bytes) {
  constexpr std::size_t kFileHeader = 14;
  if (bytes.size > INT32_MAX - kFileHeader) return {};
  std::vector<unsigned char> file(kFileHeader + bytes.size);
  std::memcpy(file.data() + kFileHeader, bytes.data, bytes.size);
  std::uint32_t info_size = 0;
  std::uint32_t colours = 0;
  std::uint32_t bits = 0;
  if (bytes.size >= 40) {
    info_size = static_cast<std::uint32_t>(bytes.data[0] | bytes.data[1] << 8 | bytes.data[2] << 16 | bytes.data[3] << 24);
    bits = static_cast<std::uint32_t>(bytes.data[14] | bytes.data[15] << 8);
    colours = static_cast<std::uint32_t>(bytes.data[32] | bytes.data[33] << 8 | bytes.data[34] << 16 | bytes.data[35] << 24);
    if (colours == 0 && bits <= 8) colours = 1u << bits;
  }
  file[0] = 'B';
  file[1] = 'M';
  put32(&file[2], static_cast<std::uint32_t>(file.size()));
  put32(&file[6], 0);
  put32(&file[10], static_cast<std::uint32_t>(kFileHeader + info_size + colours * 4));
  return file;
}

}  // namespace

std::vector<unsigned char> bitmap_file_bytes(gauge_platform::LibraryHandle module, std::int32_t id) {
  const gauge_platform::BitmapBytes bytes = gauge_platform::find_bitmap(module, id);
  if (bytes.data == nullptr || bytes.size == 0) return {};
  if (!bytes.has_file_header) return with_file_header(bytes);
  return {bytes.data, bytes.data + bytes.size};
}

std::optional<BitmapSize> bitmap_size(gauge_platform::LibraryHandle module, std::int32_t id) {
  const std::vector<unsigned char> file = bitmap_file_bytes(module, id);
  if (file.empty() || file.size() > static_cast<std::size_t>(INT32_MAX)) return std::nullopt;
  int width = 0;
  int height = 0;
  int channels = 0;
  if (stbi_info_from_memory(file.data(), static_cast<int>(file.size()), &width, &height, &channels) == 0)
    return std::nullopt;
  return BitmapSize{width, height};
}

std::optional<DecodedBitmap> decode_bitmap(gauge_platform::LibraryHandle module, std::int32_t id) {
  const std::vector<unsigned char> file = bitmap_file_bytes(module, id);
  if (file.empty() || file.size() > static_cast<std::size_t>(INT32_MAX)) return std::nullopt;
  int width = 0;
  int height = 0;
  int channels = 0;
  stbi_uc* pixels = stbi_load_from_memory(file.data(), static_cast<int>(file.size()), &width, &height, &channels, 3);
  if (pixels == nullptr) return std::nullopt;
  DecodedBitmap bitmap{width, height, {}};
  bitmap.rgb.assign(pixels, pixels + static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
  stbi_image_free(pixels);
  return bitmap;
}

}  // namespace panel_host
