#include "palette_image.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <unordered_map>

namespace artwork {
namespace {

struct Colour {
  int red, green, blue;
  bool operator==(const Colour&) const = default;
};

int key(const Colour& colour) { return colour.red << 16 | colour.green << 8 | colour.blue; }

struct Box {
  std::vector<std::pair<Colour, std::size_t>> colours;  // with their counts
  std::size_t count() const {
    std::size_t total = 0;
    for (const auto& [colour, n] : colours) total += n;
    return total;
  }
  int range(int channel) const {
    int low = 255, high = 0;
    for (const auto& [colour, n] : colours) {
      const int value = channel == 0 ? colour.red : channel == 1 ? colour.green : colour.blue;
      low = std::min(low, value);
      high = std::max(high, value);
    }
    return high - low;
  }
  Colour mean() const {
    double red = 0, green = 0, blue = 0, total = 0;
    for (const auto& [colour, n] : colours) {
      red += colour.red * static_cast<double>(n);
      green += colour.green * static_cast<double>(n);
      blue += colour.blue * static_cast<double>(n);
      total += static_cast<double>(n);
    }
    return {static_cast<int>(red / total + 0.5), static_cast<int>(green / total + 0.5), static_cast<int>(blue / total + 0.5)};
  }
};

// Median cut: split the box whose colours spread most (weighted by how many
// pixels it holds) at the median of its widest channel.
std::vector<Colour> median_cut(std::vector<std::pair<Colour, std::size_t>> colours, std::size_t wanted) {
  std::vector<Box> boxes;
  if (colours.empty() || wanted == 0) return {};
  boxes.push_back({std::move(colours)});
  while (boxes.size() < wanted) {
    double best = 0;
    std::size_t chosen = boxes.size();
    int channel = 0;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      if (boxes[i].colours.size() < 2) continue;
      for (int c = 0; c < 3; ++c) {
        const double score = static_cast<double>(boxes[i].range(c)) * std::sqrt(static_cast<double>(boxes[i].count()));
        if (score > best) {
          best = score;
          chosen = i;
          channel = c;
        }
      }
    }
    if (chosen == boxes.size()) break;
    auto& list = boxes[chosen].colours;
    const auto value = [channel](const std::pair<Colour, std::size_t>& entry) {
      return channel == 0 ? entry.first.red : channel == 1 ? entry.first.green : entry.first.blue;
    };
    std::sort(list.begin(), list.end(), [&](const auto& a, const auto& b) { return value(a) < value(b); });
    const std::size_t half = boxes[chosen].count() / 2;
    std::size_t seen = 0;
    std::size_t split = 1;
    for (; split < list.size(); ++split) {
      seen += list[split - 1].second;
      if (seen >= half) break;
    }
    split = std::clamp<std::size_t>(split, 1, list.size() - 1);
    Box upper{{list.begin() + static_cast<std::ptrdiff_t>(split), list.end()}};
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(split), list.end());
    boxes.push_back(std::move(upper));
  }
  std::vector<Colour> palette;
  for (const Box& box : boxes) palette.push_back(box.mean());
  return palette;
}

int distance(const Colour& a, const Colour& b) {
  const int red = a.red - b.red, green = a.green - b.green, blue = a.blue - b.blue;
  return 3 * red * red + 4 * green * green + 2 * blue * blue;
}

Colour raised(Colour colour) {
  if (colour.red < kNearBlack && colour.green < kNearBlack && colour.blue < kNearBlack)
    return {std::max<int>(colour.red, kNearBlack), std::max<int>(colour.green, kNearBlack),
            std::max<int>(colour.blue, kNearBlack)};
  return colour;
}

}  // namespace

IndexedImage to_palette_image(cairo_surface_t* picture, const PaletteOptions& options) {
  cairo_surface_flush(picture);
  const int width = cairo_image_surface_get_width(picture);
  const int height = cairo_image_surface_get_height(picture);
  const int stride = cairo_image_surface_get_stride(picture);
  const unsigned char* data = cairo_image_surface_get_data(picture);

  // Each pixel: transparent (index 0) or an opaque colour.
  std::vector<int> pixel_colours(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), -1);
  std::unordered_map<int, std::size_t> counts;
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    for (int x = 0; x < width; ++x) {
      const std::uint32_t argb = row[x];
      const int alpha = static_cast<int>(argb >> 24);
      if (alpha < 128) continue;
      // Premultiplied: finish over the matte.
      const auto channel = [&](int shift, std::uint8_t matte) {
        return std::clamp(static_cast<int>(argb >> shift & 0xFF) + (255 - alpha) * matte / 255, 0, 255);
      };
      const Colour colour = raised({channel(16, options.matte.red), channel(8, options.matte.green), channel(0, options.matte.blue)});
      const int k = key(colour);
      pixel_colours[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] = k;
      ++counts[k];
    }
  }

  std::vector<Colour> palette;
  for (const PaletteColour& exact : options.exact) palette.push_back(raised({exact.red, exact.green, exact.blue}));
  std::vector<std::pair<Colour, std::size_t>> rest;
  for (const auto& [k, n] : counts) {
    const Colour colour{k >> 16 & 0xFF, k >> 8 & 0xFF, k & 0xFF};
    if (std::find(palette.begin(), palette.end(), colour) == palette.end()) rest.push_back({colour, n});
  }
  std::sort(rest.begin(), rest.end(), [](const auto& a, const auto& b) { return key(a.first) < key(b.first); });
  const std::size_t free_entries = 255 - std::min<std::size_t>(palette.size(), 255);
  if (rest.size() <= free_entries) {
    for (const auto& [colour, n] : rest) palette.push_back(colour);
  } else {
    for (const Colour& colour : median_cut(std::move(rest), free_entries)) palette.push_back(raised(colour));
  }

  IndexedImage image;
  image.width = width;
  image.height = height;
  image.palette[0] = {0, 0, 0};
  for (std::size_t i = 0; i < palette.size() && i < 255; ++i)
    image.palette[i + 1] = {static_cast<std::uint8_t>(palette[i].red), static_cast<std::uint8_t>(palette[i].green),
                            static_cast<std::uint8_t>(palette[i].blue)};
  std::unordered_map<int, std::uint8_t> nearest;
  image.pixels.resize(pixel_colours.size(), 0);
  for (std::size_t i = 0; i < pixel_colours.size(); ++i) {
    const int k = pixel_colours[i];
    if (k < 0) continue;
    auto found = nearest.find(k);
    if (found == nearest.end()) {
      const Colour colour{k >> 16 & 0xFF, k >> 8 & 0xFF, k & 0xFF};
      std::size_t best = 0;
      for (std::size_t p = 1; p < palette.size(); ++p)
        if (distance(palette[p], colour) < distance(palette[best], colour)) best = p;
      found = nearest.emplace(k, static_cast<std::uint8_t>(best + 1)).first;
    }
    image.pixels[i] = found->second;
  }
  return image;
}

}  // namespace artwork
