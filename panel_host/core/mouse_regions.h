// Matching a gauge pixel against a gauge's mouse rectangle list: parent
// regions (all-zero box: the whole gauge), nested parents, children whose
// boxes are relative to their innermost open parent, tooltip text records.
#pragma once

#include <cstdint>

#include "gauge_kit/records.h"

namespace panel_host {

struct MouseHit {
  int rect = -1;  // index of the innermost matching child record, or -1
  std::int32_t cursor = -1;
  std::uint32_t tooltip_id = 0;
  const char* tooltip_text = nullptr;
};

// Records past this many are not read: a list must end before it.
inline constexpr int kMaxMouseRects = 4096;

// Number of records up to and including the end-of-list record.
int mouse_rect_count(const gauge_kit::MouseRect* list);

MouseHit hit_test(const gauge_kit::MouseRect* list, int gauge_width, int gauge_height, int x, int y);

}  // namespace panel_host
