#include "picture.h"

#include <algorithm>

#include "gauge_kit/conversions.h"

namespace panel_host {

std::int32_t icon_picture(const ElementState& state) {
  const auto& icon = gauge_kit::element_as<gauge_kit::IconElement>(&state.element());
  const double number = state.zeroed ? 0.0 : state.values[0];
  const std::int64_t last = icon.icon_count == 0 ? 0 : static_cast<std::int64_t>(icon.icon_count) - 1;
  const std::int64_t index = std::clamp<std::int64_t>(gauge_kit::truncate_toward_zero<std::int32_t>(number), 0, last);
  return static_cast<std::int32_t>(icon.header.bitmap_id + index);
}

}  // namespace panel_host
