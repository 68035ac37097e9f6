// A gauge's own records, read from the built module, so that the artwork is
// drawn where the needles, windows and mouse regions are.
#pragma once

#include <string>
#include <vector>

#include "core/element_tree.h"
#include "core/loaded_module.h"
#include "core/placement.h"

namespace artwork {

// A box in gauge pixels.
struct PixelBox {
  int x, y, width, height;
  double centre_x() const { return x + width / 2.0; }
  double centre_y() const { return y + height / 2.0; }
};

class GaugeRecords {
 public:
  GaugeRecords(const panel_host::LoadedModule& module, const std::string& gauge);

  const gauge_kit::GaugeHeader& header() const { return *header_; }
  // The first element drawing bitmap `id` (or, for a window or mask, id - 1).
  gauge_kit::ElementHeader& element(std::int32_t bitmap_id) const;
  // All elements in drawing order.
  const std::vector<panel_host::TreeEntry>& elements() const { return elements_; }
  // The dial of a needle, read from its own position.
  panel_host::Dial dial(std::int32_t needle_bitmap_id) const;
  // The child mouse regions in list order, in gauge pixels.
  const std::vector<PixelBox>& mouse_children() const { return children_; }

 private:
  gauge_kit::GaugeHeader* header_;
  std::vector<panel_host::TreeEntry> elements_;
  std::vector<PixelBox> children_;
};

}  // namespace artwork
