#include "inspect_report.h"

#include <cstring>

#include "core/bitmap_info.h"
#include "core/element_tree.h"
#include "core/mouse_regions.h"

namespace panel_host {
namespace {

using namespace gauge_kit;

Json size_json(const LoadedModule& module, std::int32_t id) {
  const auto size = bitmap_size(module.library(), id);
  if (!size) return nullptr;
  return Json::array({size->width, size->height});
}

Json point_json(PixelPoint point) { return Json::array({point.x, point.y}); }

Json failures_json(const FailureRecord* failures) {
  if (failures == nullptr) return nullptr;
  Json list = Json::array();
  for (const FailureRecord* record = failures; record->key != 0; ++record) list.push_back({record->key, record->action});
  return list;
}

Json scale_json(const NeedleElement& needle) {
  if (needle.scale == nullptr) return nullptr;
  Json points = Json::array();
  for (std::uint32_t i = 0; i < needle.scale_points; ++i) {
    const NonlinearityPoint& point = needle.scale[i];
    points.push_back({point.x, point.y, json_number(point.value)});
  }
  return points;
}

void add_kind_fields(const LoadedModule& module, ElementHeader& element, Json& out) {
  switch (element.kind) {
    case ElementKind::StaticImage:
      break;
    case ElementKind::Needle: {
      const auto& needle = element_as<NeedleElement>(&element);
      out["source"] = needle.source.id;
      out["scale"] = scale_json(needle);
      out["max_degrees_per_tick"] = needle.max_degrees_per_tick;
      out["callback"] = needle.callback != nullptr;
      break;
    }
    case ElementKind::String: {
      const auto& string = element_as<StringElement>(&element);
      out["sources"] = {string.sources[0].id, string.sources[1].id, string.sources[2].id};
      out["box"] = {string.box_width, string.box_height};
      out["fore_colour"] = string.fore_colour;
      out["back_colour"] = string.back_colour;
      out["highlight_colour"] = string.highlight_colour;
      out["font"] = std::string(string.font_face, strnlen(string.font_face, sizeof string.font_face));
      out["font_weight"] = string.font_weight;
      out["charset"] = string.charset;
      out["format_flags"] = string.format_flags;
      out["char_count"] = string.char_count;
      out["callback"] = string.callback != nullptr;
      break;
    }
    case ElementKind::Slider: {
      const auto& slider = element_as<SliderElement>(&element);
      out["x"] = {{"source", slider.x_source.id}, {"scale", json_number(slider.x_scale)}, {"callback", slider.x_callback != nullptr}};
      out["y"] = {{"source", slider.y_source.id}, {"scale", json_number(slider.y_scale)}, {"callback", slider.y_callback != nullptr}};
      break;
    }
    case ElementKind::Icon: {
      const auto& icon = element_as<IconElement>(&element);
      out["source"] = icon.source.id;
      out["switch_type"] = icon.switch_type;
      out["count"] = icon.icon_count;
      out["scale"] = json_number(icon.scale);
      out["offset"] = icon.offset;
      out["callback"] = icon.callback != nullptr;
      break;
    }
    case ElementKind::MovingImage: {
      const auto& image = element_as<MovingImageElement>(&element);
      out["x"] = {{"source", image.x_source.id}, {"min", json_number(image.x_min)}, {"max", json_number(image.x_max)},
                  {"callback", image.x_callback != nullptr}};
      out["y"] = {{"source", image.y_source.id}, {"min", json_number(image.y_min)}, {"max", json_number(image.y_max)},
                  {"callback", image.y_callback != nullptr}};
      out["window_bitmap"] = element.bitmap_id + 1;
      out["window_size"] = size_json(module, element.bitmap_id + 1);
      break;
    }
    case ElementKind::Sprite: {
      const auto& sprite = element_as<SpriteElement>(&element);
      out["x"] = {{"source", sprite.x_source.id}, {"scale", json_number(sprite.x_scale)}, {"callback", sprite.x_callback != nullptr}};
      out["y"] = {{"source", sprite.y_source.id}, {"scale", json_number(sprite.y_scale)}, {"callback", sprite.y_callback != nullptr}};
      out["angle"] = {{"source", sprite.angle_source.id},
                      {"scale", json_number(sprite.angle_scale)},
                      {"callback", sprite.angle_callback != nullptr}};
      out["texture_scale"] = {json_number(sprite.texture_scale_x), json_number(sprite.texture_scale_y)};
      out["mask_bitmap"] = element.bitmap_id + 1;
      out["mask_size"] = size_json(module, element.bitmap_id + 1);
      break;
    }
  }
}

Json rect_json(const MouseRect& rect) {
  const bool text = rect.kind == MouseRectKind::TooltipText;
  return {{"kind", static_cast<std::uint32_t>(rect.kind)},
          {"box", {rect.x, rect.y, rect.width, rect.height}},
          {"cursor", rect.cursor},
          {"tooltip_id", rect.tooltip_id},
          {"mouse_flags", rect.mouse_flags},
          {"key_event", rect.key_event},
          {"callback", !text && rect.target.callback != nullptr},
          {"tooltip_text", text && rect.target.tooltip_text != nullptr ? Json(rect.target.tooltip_text) : Json(nullptr)}};
}

}  // namespace

Json element_json(const LoadedModule& module, ElementHeader& element, int index, int depth) {
  Json out = {{"index", index},
              {"depth", depth},
              {"kind", kind_name(element.kind)},
              {"bitmap", element.bitmap_id},
              {"bitmap_size", element.kind == ElementKind::String ? Json(nullptr) : size_json(module, element.bitmap_id)},
              {"position", point_json(element.position)},
              {"pivot", point_json(element.pivot)},
              {"image_flags", element.image_flags},
              {"special_flags", element.special_flags},
              {"failures", failures_json(element.failures)},
              {"children", child_count(element)}};
  add_kind_fields(module, element, out);
  return out;
}

Json gauge_json(const LoadedModule& module, GaugeHeader& gauge) {
  const LifecycleRoutine plain[] = {gauge.query, gauge.initialise, gauge.update, gauge.draw, gauge.kill};
  int routines = (gauge.install != nullptr) + (gauge.generate != nullptr);
  for (LifecycleRoutine routine : plain) routines += routine != nullptr;
  ElementHeader* root = root_element(gauge);
  Json elements = Json::array();
  int index = 0;
  for (const TreeEntry& entry : flatten_tree(root, module.path())) elements.push_back(element_json(module, *entry.element, index++, entry.depth));
  Json mouse = Json::array();
  const int count = mouse_rect_count(gauge.mouse_rects);
  for (int i = 0; i < count; ++i) mouse.push_back(rect_json(gauge.mouse_rects[i]));
  return {{"name", gauge.name},
          {"header_version", gauge.version},
          {"default_width_mm", gauge.default_width_mm},
          {"default_height_mm", gauge.default_height_mm},
          {"routines", routines},
          {"service_callback", gauge.service_callback != nullptr},
          {"size", size_json(module, root->bitmap_id)},
          {"elements", elements},
          {"mouse", mouse}};
}

Json module_json(const LoadedModule& module, const std::string& gauge_name) {
  Json gauges = Json::array();
  if (gauge_name.empty()) {
    for (GaugeHeader* gauge : module.gauges()) gauges.push_back(gauge_json(module, *gauge));
  } else {
    gauges.push_back(gauge_json(module, module.gauge(gauge_name)));
  }
  const ImportTable& imports = module.import_table();
  return {{"file", module.path()},
          {"linkage",
           {{"module_id", module.linkage().module_id},
            {"flags", module.linkage().flags},
            {"status", module.linkage().status},
            {"version", module.linkage().version}}},
          {"import_table",
           {{imports.host_services.id, imports.host_services.table != nullptr}, {imports.end.id, imports.end.table != nullptr}}},
          {"gauges", gauges}};
}

std::string inspect_text(const Json& module) {
  std::string out = "{";
  bool first = true;
  for (const auto& [key, member] : module.items()) {
    if (!first) out += ",\n ";
    first = false;
    out += Json(key).dump() + ": " + json_line(member);
  }
  return out + "}";
}

}  // namespace panel_host
