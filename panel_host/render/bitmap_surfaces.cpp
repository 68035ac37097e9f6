#include "bitmap_surfaces.h"

#include <stb/stb_image.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "core/host_error.h"

namespace panel_host {
namespace {

std::uint32_t argb(std::uint8_t red, std::uint8_t green, std::uint8_t blue, double level) {
  const auto scale = [level](std::uint8_t channel) {
    return static_cast<std::uint32_t>(static_cast<double>(channel) * level + 0.5);
  };
  return 0xFF000000u | scale(red) << 16 | scale(green) << 8 | scale(blue);
}

// Cairo keeps premultiplied 32-bit pixels; transparent ones are all zero.
Surface surface_from_rgb(const DecodedBitmap& pixels, bool transparent, bool dark) {
  Surface surface = make_image_surface(pixels.width, pixels.height);
  cairo_surface_flush(surface.get());
  unsigned char* data = cairo_image_surface_get_data(surface.get());
  const int stride = cairo_image_surface_get_stride(surface.get());
  const double level = dark ? kNightLevel : 1.0;
  for (int y = 0; y < pixels.height; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    const std::uint8_t* rgb = pixels.rgb.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(pixels.width) * 3;
    for (int x = 0; x < pixels.width; ++x, rgb += 3) {
      const bool black = rgb[0] == 0 && rgb[1] == 0 && rgb[2] == 0;
      row[x] = transparent && black ? 0u : argb(rgb[0], rgb[1], rgb[2], level);
    }
  }
  cairo_surface_mark_dirty(surface.get());
  return surface;
}

}  // namespace

Surface make_image_surface(int width, int height, cairo_format_t format) {
  Surface surface(cairo_image_surface_create(format, width, height));
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
    throw HostError("cannot make a " + std::to_string(width) + " x " + std::to_string(height) +
                    " picture: " + cairo_status_to_string(cairo_surface_status(surface.get())));
  return surface;
}

PixmanImage pixman_view(cairo_surface_t* surface) {
  cairo_surface_flush(surface);
  PixmanImage image(pixman_image_create_bits(
      PIXMAN_a8r8g8b8, cairo_image_surface_get_width(surface), cairo_image_surface_get_height(surface),
      reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(surface)), cairo_image_surface_get_stride(surface)));
  if (!image) throw HostError("cannot make a pixman image");
  return image;
}

Rgb colour_from_record(std::uint32_t colour, bool dark) {
  const double level = (dark ? kNightLevel : 1.0) / 255.0;
  return {static_cast<double>(colour & 0xFF) * level, static_cast<double>(colour >> 8 & 0xFF) * level,
          static_cast<double>(colour >> 16 & 0xFF) * level};
}

BitmapSurfaces::Entry& BitmapSurfaces::entry(const LoadedModule& module, std::int32_t id) {
  const auto key = std::make_pair(&module, id);
  if (const auto found = entries_.find(key); found != entries_.end()) return found->second;
  std::optional<DecodedBitmap> pixels = decode_bitmap(module.library(), id);
  if (!pixels) {
    const bool present = !bitmap_file_bytes(module.library(), id).empty();
    throw HostError(module.path() + ": bitmap " + std::to_string(id) + (present ? " cannot be decoded" : " is missing"));
  }
  Entry& created = entries_[key];
  created.pixels = std::move(*pixels);
  return created;
}

cairo_surface_t* BitmapSurfaces::get(const LoadedModule& module, std::int32_t id, bool transparent, bool dark) {
  Entry& found = entry(module, id);
  Surface& variant = found.variants[(transparent ? 1 : 0) + (dark ? 2 : 0)];
  if (!variant) variant = surface_from_rgb(found.pixels, transparent, dark);
  return variant.get();
}

BitmapSize BitmapSurfaces::size(const LoadedModule& module, std::int32_t id) {
  const Entry& found = entry(module, id);
  return {found.pixels.width, found.pixels.height};
}

const BitmapMask& BitmapSurfaces::mask(const LoadedModule& module, std::int32_t id) {
  Entry& found = entry(module, id);
  if (found.mask_surface) return found.mask;
  const DecodedBitmap& pixels = found.pixels;
  found.mask_surface = make_image_surface(pixels.width, pixels.height, CAIRO_FORMAT_A8);
  cairo_surface_flush(found.mask_surface.get());
  unsigned char* data = cairo_image_surface_get_data(found.mask_surface.get());
  const int stride = cairo_image_surface_get_stride(found.mask_surface.get());
  int left = pixels.width, top = pixels.height, right = -1, bottom = -1;
  for (int y = 0; y < pixels.height; ++y)
    for (int x = 0; x < pixels.width; ++x) {
      const std::uint8_t* rgb = pixels.rgb.data() + (static_cast<std::size_t>(y) * static_cast<std::size_t>(pixels.width) + static_cast<std::size_t>(x)) * 3;
      const bool shows = rgb[0] != 0 || rgb[1] != 0 || rgb[2] != 0;
      data[static_cast<std::ptrdiff_t>(y) * stride + x] = shows ? 0xFF : 0x00;
      if (shows) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
    }
  cairo_surface_mark_dirty(found.mask_surface.get());
  found.mask = {found.mask_surface.get(), left, top, std::max(0, right - left + 1), std::max(0, bottom - top + 1)};
  return found.mask;
}

Surface load_bmp_file(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw HostError(path + ": cannot be read");
  const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  int width = 0;
  int height = 0;
  int channels = 0;
  stbi_uc* pixels = bytes.size() > static_cast<std::size_t>(INT32_MAX)
                        ? nullptr
                        : stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &width, &height, &channels, 3);
  if (pixels == nullptr) throw HostError(path + ": not a BMP file the host can read");
  DecodedBitmap decoded{width, height, {pixels, pixels + static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3}};
  stbi_image_free(pixels);
  return surface_from_rgb(decoded, false, false);
}

Surface darkened_copy(cairo_surface_t* source) {
  const int width = cairo_image_surface_get_width(source);
  const int height = cairo_image_surface_get_height(source);
  Surface copy = make_image_surface(width, height);
  Context context(cairo_create(copy.get()));
  cairo_set_source_surface(context.get(), source, 0, 0);
  cairo_paint(context.get());
  cairo_set_source_rgba(context.get(), 0, 0, 0, 1.0 - kNightLevel);
  cairo_set_operator(context.get(), CAIRO_OPERATOR_ATOP);
  cairo_paint(context.get());
  return copy;
}

}  // namespace panel_host
