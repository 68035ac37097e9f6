#include "state_report.h"

#include <cstring>

#include "core/element_tree.h"
#include "core/picture.h"

namespace panel_host {

using namespace gauge_kit;

Json element_state_json(const ElementState& state, int index) {
  ElementHeader& element = state.element();
  Json out = {{"index", index}, {"kind", kind_name(element.kind)}};
  switch (element.kind) {
    case ElementKind::StaticImage:
      out["value"] = nullptr;
      break;
    case ElementKind::Needle:
    case ElementKind::String:
    case ElementKind::Icon:
      out["value"] = json_number(state.values[0]);
      break;
    case ElementKind::Slider:
    case ElementKind::MovingImage:
      out["values"] = {{"x", json_number(state.values[0])}, {"y", json_number(state.values[1])}};
      break;
    case ElementKind::Sprite:
      out["values"] = {{"x", json_number(state.values[0])},
                       {"y", json_number(state.values[1])},
                       {"angle", json_number(state.values[2])}};
      break;
  }
  out["image_flags"] = element.image_flags;
  out["hidden"] = (element.image_flags & kImageHidden) != 0;
  if (element.kind == ElementKind::String)
    out["text"] = state.text ? std::string(state.text.get(), strnlen(state.text.get(), state.text_size)) : std::string();
  if (element.kind == ElementKind::Icon) out["picture"] = icon_picture(state);
  // Where the host draws it.
  if (element.kind == ElementKind::Needle || element.kind == ElementKind::Sprite)
    out["angle"] = json_number(state.placement.angle);
  if (element.kind == ElementKind::Slider || element.kind == ElementKind::MovingImage)
    out["offset"] = {json_number(state.placement.dx), json_number(state.placement.dy)};
  return out;
}

Json instance_state_json(const GaugeInstance& instance) {
  Json elements = Json::array();
  int index = 0;
  for (const ElementState& state : instance.elements()) elements.push_back(element_state_json(state, index++));
  return elements;
}

}  // namespace panel_host
