// Writes a plain placeholder bitmap for every entry of the bitmap lists given
// on the command line: the exact id and pixel size, a flat colour and a frame.
#include <cstdio>
#include <fstream>
#include <regex>
#include <string>

#include "bmp_writer.h"

namespace {

artwork::IndexedImage plain_image(int id, int width, int height) {
  artwork::IndexedImage image;
  image.width = width;
  image.height = height;
  for (int i = 0; i < 256; ++i) {
    const auto level = static_cast<std::uint8_t>(i);
    image.palette[static_cast<std::size_t>(i)] = {level, level, level};
  }
  // Index 1: the body colour, never pure black so that transparency keeps it.
  const auto hue = static_cast<unsigned>(id) * 2654435761u;
  image.palette[1] = {static_cast<std::uint8_t>(64 + (hue >> 24) % 128), static_cast<std::uint8_t>(64 + (hue >> 16) % 128),
                      static_cast<std::uint8_t>(64 + (hue >> 8) % 128)};
  image.palette[2] = {230, 230, 230};
  image.pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 1);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (x == 0 || y == 0 || x == width - 1 || y == height - 1)
        image.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] = 2;
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: plain-bitmaps BITMAP_LIST...\n");
    return 2;
  }
  const std::regex entry(R"(^\s*(\d+)\s+(\d+)x(\d+)\s+(\S+))");
  for (int i = 1; i < argc; ++i) {
    const std::string list = argv[i];
    std::ifstream in(list);
    if (!in) {
      std::fprintf(stderr, "%s: cannot be read\n", list.c_str());
      return 2;
    }
    const std::string folder = list.substr(0, list.find_last_of('/') + 1);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
      if (line.find_first_not_of(" \t") == std::string::npos || line[line.find_first_not_of(" \t")] == '#') continue;
      std::smatch match;
      if (!std::regex_search(line, match, entry)) {
        std::fprintf(stderr, "%s:%d: expected '<id> <width>x<height> <file>'\n", list.c_str(), number);
        return 2;
      }
      std::string error;
      if (!artwork::write_bmp8(folder + match[4].str(), plain_image(std::stoi(match[1]), std::stoi(match[2]), std::stoi(match[3])), error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
      }
    }
  }
  return 0;
}
