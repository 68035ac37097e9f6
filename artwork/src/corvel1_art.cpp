#include "corvel1_art.h"

#include <stdexcept>

namespace artwork {

void unknown_bitmap(const char* module, std::int32_t id) {
  throw std::runtime_error(std::string(module) + ": no artwork for bitmap " + std::to_string(id));
}

void draw_corvel1(const panel_host::LoadedModule& module, std::int32_t id, Picture& picture, PaletteOptions& options) {
  using Artist = void (*)(const GaugeRecords&, std::int32_t, Picture&, PaletteOptions&);
  struct Range {
    std::int32_t first, last;
    const char* gauge;
    Artist artist;
  };
  static constexpr Range kGauges[] = {
      {272, 274, "WiskeyBmp", corvel1::draw_compass},       {289, 293, "Turn", corvel1::draw_turn},
      {304, 307, "Altimetro", corvel1::draw_altimeter},     {320, 323, "Clock", corvel1::draw_clock},
      {325, 326, "Gmeter", corvel1::draw_gmeter},           {328, 329, "RadioCompass", corvel1::draw_radio_compass},
      {336, 338, "CompassNop", corvel1::draw_compass_card}, {352, 358, "Hobb", corvel1::draw_hour_meter},
  };
  for (const Range& range : kGauges)
    if (id >= range.first && id <= range.last) return range.artist(GaugeRecords(module, range.gauge), id, picture, options);
  unknown_bitmap("Corvel1", id);
}

}  // namespace artwork
