// What the host shows for an element's number.
#pragma once

#include <cstdint>

#include "gauge_instance.h"

namespace panel_host {

// The bitmap id an icon shows: its id plus the number truncated, held to
// 0 ... count - 1 (a zeroed icon shows its first picture).
std::int32_t icon_picture(const ElementState& state);

}  // namespace panel_host
