#include "gauge_records.h"

#include <stdexcept>

namespace artwork {

using namespace gauge_kit;

GaugeRecords::GaugeRecords(const panel_host::LoadedModule& module, const std::string& gauge)
    : header_(&module.gauge(gauge)) {
  elements_ = panel_host::flatten_tree(panel_host::root_element(*header_), gauge);
  std::vector<PixelBox> open;
  for (const MouseRect* rect = header_->mouse_rects; rect != nullptr && rect->kind != MouseRectKind::EndOfList; ++rect) {
    const PixelBox origin = open.empty() ? PixelBox{0, 0, 0, 0} : open.back();
    if (rect->kind == MouseRectKind::Parent)
      open.push_back({origin.x + rect->x, origin.y + rect->y, rect->width, rect->height});
    else if (rect->kind == MouseRectKind::EndOfParent && !open.empty())
      open.pop_back();
    else if (rect->kind == MouseRectKind::Child)
      children_.push_back({origin.x + rect->x, origin.y + rect->y, rect->width, rect->height});
  }
}

ElementHeader& GaugeRecords::element(std::int32_t bitmap_id) const {
  for (const auto& entry : elements_)
    if (entry.element->bitmap_id == bitmap_id) return *entry.element;
  for (const auto& entry : elements_)
    if (entry.element->bitmap_id == bitmap_id - 1) return *entry.element;
  throw std::runtime_error(std::string(header_->name) + ": no element draws bitmap " + std::to_string(bitmap_id));
}

panel_host::Dial GaugeRecords::dial(std::int32_t needle_bitmap_id) const {
  ElementHeader& needle = element(needle_bitmap_id);
  const auto& record = element_as<NeedleElement>(&needle);
  return panel_host::Dial(record.scale, record.scale_points, needle.position);
}

}  // namespace artwork
