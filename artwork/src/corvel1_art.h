// The instruments of Corvel1, one artist per gauge.
#pragma once

#include "module_art.h"

namespace artwork::corvel1 {

void draw_compass(const GaugeRecords& records, std::int32_t id, Picture& picture, PaletteOptions& options);
void draw_turn(const GaugeRecords& records, std::int32_t id, Picture& picture, PaletteOptions& options);
void draw_altimeter(const GaugeRecords& records, std::int32_t id, Picture& picture, PaletteOptions& options);
void draw_clock(const GaugeRecords& records, std::int32_t id, Picture& picture, PaletteOptions& options);
void draw_gmeter(const GaugeRecords& records, std::int32_t id, Picture& picture, PaletteOptions& options);
void draw_radio_compass(const GaugeRecords& records, std::int32_t id, Picture& picture, PaletteOptions& options);
void draw_compass_card(const GaugeRecords& records, std::int32_t id, Picture& picture, PaletteOptions& options);
void draw_hour_meter(const GaugeRecords& records, std::int32_t id, Picture& picture, PaletteOptions& options);

}  // namespace artwork::corvel1
