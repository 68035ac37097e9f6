// Every bitmap the records name (and the windows and masks they imply) is
// carried by the module as an 8-bit uncompressed bitmap of its pixel size.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "gauge_kit/platform.h"
#include "gauge_tree.h"

namespace {

using namespace gauge_kit;

using PixelSize = std::pair<std::int32_t, std::int32_t>;

// Pixel sizes the instruments are drawn for.
const std::map<std::int32_t, PixelSize> kInstrumentBitmaps = {
    {272, {118, 168}}, {273, {609, 32}},  {274, {75, 34}},   {289, {302, 302}}, {290, {30, 38}},
    {293, {230, 35}},  {304, {302, 307}}, {305, {197, 157}}, {306, {88, 27}},   {307, {169, 19}},
    {320, {306, 302}}, {321, {88, 23}},   {322, {116, 23}},  {323, {155, 15}},  {325, {302, 302}},
    {326, {145, 16}},  {328, {302, 302}}, {329, {154, 21}},  {336, {320, 320}}, {337, {240, 27}},
    {338, {240, 52}},  {352, {100, 26}},  {354, {15, 248}},  {355, {15, 26}},   {357, {15, 248}},
    {358, {15, 26}},
};

// Ids a host needs for the element: its bitmap, a moving image's window, an
// icon's pictures, a sprite's mask.
std::vector<std::int32_t> bitmaps_of(ElementHeader& element) {
  if (element.bitmap_id < 0) return {};
  switch (element.kind) {
    case ElementKind::MovingImage:
    case ElementKind::Sprite:
      return {element.bitmap_id, element.bitmap_id + 1};
    case ElementKind::Icon: {
      std::vector<std::int32_t> ids;
      const auto count = static_cast<std::int32_t>(element_as<IconElement>(&element).icon_count);
      for (std::int32_t i = 0; i < count; ++i) ids.push_back(element.bitmap_id + i);
      return ids;
    }
    default:
      return {element.bitmap_id};
  }
}

std::uint32_t read_le(const unsigned char* bytes, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | bytes[i];
  return value;
}

struct BitmapInfo {
  std::int32_t width;
  std::int32_t height;
  std::uint32_t bits_per_pixel;
  std::uint32_t compression;
};

BitmapInfo read_info(const gauge_platform::BitmapBytes& bitmap) {
  const unsigned char* info = bitmap.data + (bitmap.has_file_header ? 14 : 0);
  return {static_cast<std::int32_t>(read_le(info + 4, 4)),
          std::abs(static_cast<std::int32_t>(read_le(info + 8, 4))), read_le(info + 14, 2), read_le(info + 16, 4)};
}

TEST(ModuleBitmaps, CarryEveryNamedBitmapAtItsSize) {
  gauge_platform::LibraryHandle self = dlopen(nullptr, RTLD_NOW);
  std::set<std::int32_t> needed;
  for (GaugeHeader* gauge : corvel1_test::linked_gauges())
    for (ElementHeader* element : corvel1_test::drawing_order(*gauge))
      for (std::int32_t id : bitmaps_of(*element)) needed.insert(id);

  for (std::int32_t id : needed) {
    SCOPED_TRACE("bitmap " + std::to_string(id));
    const gauge_platform::BitmapBytes bitmap = gauge_platform::find_bitmap(self, id);
    ASSERT_NE(bitmap.data, nullptr);
    ASSERT_GE(bitmap.size, 54u);
    ASSERT_TRUE(kInstrumentBitmaps.contains(id)) << "named by a record but not an instrument bitmap";
    const BitmapInfo info = read_info(bitmap);
    EXPECT_EQ(PixelSize(info.width, info.height), kInstrumentBitmaps.at(id));
    EXPECT_EQ(info.bits_per_pixel, 8u);
    EXPECT_EQ(info.compression, 0u);
  }

  // And nothing the records do not use.
  std::vector<std::int32_t> carried(gauge_platform::list_bitmaps(self, nullptr, 0));
  carried.resize(gauge_platform::list_bitmaps(self, carried.data(), carried.size()));
  EXPECT_EQ(std::set<std::int32_t>(carried.begin(), carried.end()), needed);
}

}  // namespace
