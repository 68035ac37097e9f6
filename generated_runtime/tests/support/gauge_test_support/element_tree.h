// Test helpers for driving a gauge's records the way the host does: the tree
// in drawing order, and text buffers of exactly the size the host gives.
#pragma once

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "gauge_kit/records.h"

namespace gauge_test_support {

inline void append_in_drawing_order(gauge_kit::ElementHeader* element,
                                    std::vector<gauge_kit::ElementHeader*>& out) {
  out.push_back(element);
  if (element->children == nullptr) return;
  for (gauge_kit::ElementHeader** child = element->children; *child != nullptr; ++child)
    append_in_drawing_order(*child, out);
}

// Root first, then each element's children in list order, depth first.
inline std::vector<gauge_kit::ElementHeader*> drawing_order(const gauge_kit::GaugeHeader& gauge) {
  std::vector<gauge_kit::ElementHeader*> elements;
  append_in_drawing_order(gauge.element_list[0], elements);
  return elements;
}

// Calls every callback of the element, as the host does at an update.
inline void update_element(gauge_kit::ElementHeader* element) {
  using namespace gauge_kit;
  const auto call = [element](ElementCallback callback) {
    if (callback != nullptr) callback(element);
  };
  switch (element->kind) {
    case ElementKind::StaticImage:
      break;
    case ElementKind::Needle:
      call(element_as<NeedleElement>(element).callback);
      break;
    case ElementKind::String:
      call(element_as<StringElement>(element).callback);
      break;
    case ElementKind::Slider:
      call(element_as<SliderElement>(element).x_callback);
      call(element_as<SliderElement>(element).y_callback);
      break;
    case ElementKind::Icon:
      call(element_as<IconElement>(element).callback);
      break;
    case ElementKind::MovingImage:
      call(element_as<MovingImageElement>(element).x_callback);
      call(element_as<MovingImageElement>(element).y_callback);
      break;
    case ElementKind::Sprite:
      call(element_as<SpriteElement>(element).x_callback);
      call(element_as<SpriteElement>(element).y_callback);
      call(element_as<SpriteElement>(element).angle_callback);
      break;
  }
}

// A string element's text buffer as the host owns it: character count + 1
// bytes on the heap, so that a write past it is caught by the address sanitizer.
class HostTextBuffer {
 public:
  explicit HostTextBuffer(gauge_kit::StringElement& string)
      : string_(string), bytes_(std::make_unique<char[]>(std::size_t{string.char_count} + 1)) {
    std::memset(bytes_.get(), '#', std::size_t{string.char_count} + 1);
    string_.text = bytes_.get();
  }
  ~HostTextBuffer() { string_.text = nullptr; }
  HostTextBuffer(const HostTextBuffer&) = delete;
  HostTextBuffer& operator=(const HostTextBuffer&) = delete;

  std::string text() const { return std::string(bytes_.get()); }

 private:
  gauge_kit::StringElement& string_;
  std::unique_ptr<char[]> bytes_;
};

}  // namespace gauge_test_support
