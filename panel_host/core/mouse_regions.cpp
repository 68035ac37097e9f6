#include "mouse_regions.h"

#include <vector>

namespace panel_host {
namespace {

using gauge_kit::MouseRect;
using gauge_kit::MouseRectKind;

struct Box {
  int x, y, width, height;
  bool contains(int px, int py) const { return px >= x && py >= y && px < x + width && py < y + height; }
};

struct OpenParent {
  Box box;
  bool contains_point;
  std::uint32_t tooltip_id;
  const char* tooltip_text;
};

}  // namespace

int mouse_rect_count(const MouseRect* list) {
  if (list == nullptr) return 0;
  int count = 0;
  while (count < kMaxMouseRects && list[count].kind != MouseRectKind::EndOfList) ++count;
  return count < kMaxMouseRects ? count + 1 : count;
}

MouseHit hit_test(const MouseRect* list, int gauge_width, int gauge_height, int x, int y) {
  MouseHit hit;
  if (list == nullptr) return hit;
  std::vector<OpenParent> open;
  int hit_depth = -1;
  int tooltip_depth = -1;
  int text_depth = -1;
  for (int i = 0; i < kMaxMouseRects && list[i].kind != MouseRectKind::EndOfList; ++i) {
    const MouseRect& rect = list[i];
    const Box origin = open.empty() ? Box{0, 0, gauge_width, gauge_height} : open.back().box;
    switch (rect.kind) {
      case MouseRectKind::Parent: {
        const bool whole = rect.x == 0 && rect.y == 0 && rect.width == 0 && rect.height == 0;
        const Box box = whole ? Box{origin.x, origin.y, open.empty() ? gauge_width : origin.width,
                                    open.empty() ? gauge_height : origin.height}
                              : Box{origin.x + rect.x, origin.y + rect.y, rect.width, rect.height};
        const bool inside = box.contains(x, y) && (open.empty() || open.back().contains_point);
        open.push_back({box, inside, rect.tooltip_id, nullptr});
        const int depth = static_cast<int>(open.size());
        if (inside && rect.tooltip_id != 0 && depth > tooltip_depth) {
          hit.tooltip_id = rect.tooltip_id;
          tooltip_depth = depth;
        }
        break;
      }
      case MouseRectKind::TooltipText: {
        const int depth = static_cast<int>(open.size());
        if (!open.empty() && open.back().contains_point && depth > text_depth) {
          hit.tooltip_text = rect.target.tooltip_text;
          text_depth = depth;
        }
        break;
      }
      case MouseRectKind::Child: {
        if (open.empty() || !open.back().contains_point) break;
        const Box box{origin.x + rect.x, origin.y + rect.y, rect.width, rect.height};
        const int depth = static_cast<int>(open.size());
        // The innermost match wins; among siblings, the first in list order.
        if (box.contains(x, y) && depth > hit_depth) {
          hit.rect = i;
          hit.cursor = rect.cursor;
          hit_depth = depth;
        }
        break;
      }
      case MouseRectKind::EndOfParent:
        if (!open.empty()) open.pop_back();
        break;
      case MouseRectKind::EndOfList:
        break;
    }
  }
  return hit;
}

}  // namespace panel_host
