// The bitmap resources a Linux build of a module carries: our stand-in for
// Windows bitmap resources, exported under one name.
#pragma once

#include <cstdint>

namespace gauge_kit {

struct BitmapResource {
  std::int32_t id;
  const unsigned char* begin;  // a whole BMP file
  const unsigned char* end;
};

struct BitmapDirectory {
  std::uint32_t count;
  const BitmapResource* bitmaps;
};

inline constexpr const char* kBitmapDirectorySymbol = "GaugeBitmapDirectory";

}  // namespace gauge_kit
