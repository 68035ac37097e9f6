#include "gauge_tree.h"

#include <dlfcn.h>

#include <cstring>
#include <memory>
#include <stdexcept>

#include "gauge_kit/platform.h"

namespace corvel1_test {
namespace {

using namespace gauge_kit;

void* own_record(const char* name) {
  static gauge_platform::LibraryHandle self = dlopen(nullptr, RTLD_NOW);
  void* record = gauge_platform::find_data(self, name);
  if (record == nullptr) throw std::runtime_error(std::string("no exported record ") + name);
  return record;
}

void add_subtree(ElementHeader* element, std::vector<ElementHeader*>& out) {
  out.push_back(element);
  if (element->children == nullptr) return;
  for (ElementHeader** child = element->children; *child != nullptr; ++child) add_subtree(*child, out);
}

double call(ElementCallback callback, ElementHeader& element) {
  if (callback == nullptr) throw std::runtime_error("the element has no callback for this axis");
  return callback(&element);
}

ElementCallback axis_callback(ElementCallback x, ElementCallback y, Axis axis) {
  if (axis == Axis::Only) throw std::runtime_error("this kind of element needs an axis");
  return axis == Axis::X ? x : y;
}

UpdateResult update_string(StringElement& string, double value) {
  for (HostVariable& source : string.sources) source.value = value;
  const std::size_t size = std::size_t{string.char_count} + 1;
  auto buffer = std::make_unique<char[]>(size);
  std::memset(buffer.get(), '#', size);
  string.text = buffer.get();
  UpdateResult result{call(string.callback, string.header), {}};
  string.text = nullptr;
  const std::size_t length = strnlen(buffer.get(), size);
  result.text = length < size ? std::string(buffer.get(), length) : std::string("<unterminated>");
  return result;
}

}  // namespace

std::vector<GaugeHeader*> linked_gauges() {
  std::vector<GaugeHeader*> gauges;
  for (GaugeHeader* const* gauge = linkage_gauges(own_record("Linkage")); *gauge != nullptr; ++gauge)
    gauges.push_back(*gauge);
  return gauges;
}

GaugeHeader& gauge_named(std::string_view name) {
  for (GaugeHeader* gauge : linked_gauges())
    if (name == gauge->name) return *gauge;
  throw std::runtime_error("no gauge named " + std::string(name));
}

ImportTable& linked_import_table() { return *static_cast<ImportTable*>(own_record("ImportTable")); }

std::vector<ElementHeader*> drawing_order(const GaugeHeader& gauge) {
  std::vector<ElementHeader*> elements;
  add_subtree(gauge.element_list[0], elements);
  return elements;
}

UpdateResult update_element(ElementHeader& element, Axis axis, double value) {
  switch (element.kind) {
    case ElementKind::Needle: {
      auto& needle = element_as<NeedleElement>(&element);
      needle.source.value = value;
      return {call(needle.callback, element), {}};
    }
    case ElementKind::String:
      return update_string(element_as<StringElement>(&element), value);
    case ElementKind::Slider: {
      auto& slider = element_as<SliderElement>(&element);
      slider.x_source.value = value;
      slider.y_source.value = value;
      return {call(axis_callback(slider.x_callback, slider.y_callback, axis), element), {}};
    }
    case ElementKind::MovingImage: {
      auto& moving = element_as<MovingImageElement>(&element);
      moving.x_source.value = value;
      moving.y_source.value = value;
      return {call(axis_callback(moving.x_callback, moving.y_callback, axis), element), {}};
    }
    default:
      throw std::runtime_error("this kind of element has no callback in the module");
  }
}

std::vector<MouseRect*> callback_regions(const GaugeHeader& gauge) {
  std::vector<MouseRect*> regions;
  for (MouseRect* rect = gauge.mouse_rects; rect->kind != MouseRectKind::EndOfList; ++rect)
    if (rect->kind == MouseRectKind::Child && rect->target.callback != nullptr) regions.push_back(rect);
  return regions;
}

std::int32_t click(MouseRect& region) {
  PixelPoint point{region.x, region.y};
  return region.target.callback(&point, region.mouse_flags);
}

}  // namespace corvel1_test
