#include "element_tree.h"

#include <string>
#include <unordered_set>

#include "host_error.h"
#include "record_checks.h"

namespace panel_host {
namespace {

constexpr std::size_t kMaxElements = 4096;
constexpr int kMaxDepth = 64;
constexpr std::uint32_t kMaxCharCount = 1u << 20;
constexpr std::uint32_t kMaxScalePoints = 4096;

using namespace gauge_kit;

void visit(ElementHeader* element, int depth, int parent, std::vector<TreeEntry>& out,
           std::unordered_set<ElementHeader*>& seen, const std::string& context) {
  if (depth > kMaxDepth || out.size() >= kMaxElements)
    throw HostError(context + ": element tree is deeper or larger than the host accepts");
  if (!seen.insert(element).second) throw HostError(context + ": element tree contains a loop");
  if (static_cast<std::uint32_t>(element->kind) > static_cast<std::uint32_t>(ElementKind::Sprite))
    throw HostError(context + ": element of unknown kind " + std::to_string(static_cast<std::uint32_t>(element->kind)));
  const int index = static_cast<int>(out.size());
  const std::string where = context + ": element " + std::to_string(index);
  if (element->kind == ElementKind::String && element_as<StringElement>(element).char_count > kMaxCharCount)
    throw HostError(where + " asks for a text buffer of more than 1048576 characters");
  if (element->kind == ElementKind::Needle && element_as<NeedleElement>(element).scale != nullptr &&
      element_as<NeedleElement>(element).scale_points > kMaxScalePoints)
    throw HostError(where + " has a scale of more than 4096 points");
  out.push_back({element, depth, parent});
  if (element->children == nullptr) return;
  for (ElementHeader** child = element->children; *child != nullptr; ++child) visit(*child, depth + 1, index, out, seen, context);
}

}  // namespace

std::vector<TreeEntry> flatten_tree(ElementHeader* root, const std::string& context) {
  std::vector<TreeEntry> out;
  std::unordered_set<ElementHeader*> seen;
  if (root != nullptr) visit(root, 0, -1, out, seen, context);
  return out;
}

ElementHeader* root_element(const GaugeHeader& header) {
  return header.element_list == nullptr ? nullptr : header.element_list[0];
}

int child_count(const ElementHeader& element) {
  int count = 0;
  if (element.children != nullptr)
    while (element.children[count] != nullptr) ++count;
  return count;
}

ElementSources element_sources(ElementHeader& element) {
  switch (element.kind) {
    case ElementKind::StaticImage:
      return {};
    case ElementKind::Needle:
      return {{&element_as<NeedleElement>(&element).source}, 1};
    case ElementKind::String: {
      auto& string = element_as<StringElement>(&element);
      return {{&string.sources[0], &string.sources[1], &string.sources[2]}, 3};
    }
    case ElementKind::Slider: {
      auto& slider = element_as<SliderElement>(&element);
      return {{&slider.x_source, &slider.y_source}, 2};
    }
    case ElementKind::Icon:
      return {{&element_as<IconElement>(&element).source}, 1};
    case ElementKind::MovingImage: {
      auto& image = element_as<MovingImageElement>(&element);
      return {{&image.x_source, &image.y_source}, 2};
    }
    case ElementKind::Sprite: {
      auto& sprite = element_as<SpriteElement>(&element);
      return {{&sprite.x_source, &sprite.y_source, &sprite.angle_source}, 3};
    }
  }
  return {};
}

const char* kind_name(ElementKind kind) {
  switch (kind) {
    case ElementKind::StaticImage:
      return "static_image";
    case ElementKind::Needle:
      return "needle";
    case ElementKind::String:
      return "string";
    case ElementKind::Slider:
      return "slider";
    case ElementKind::Icon:
      return "icon";
    case ElementKind::MovingImage:
      return "moving_image";
    case ElementKind::Sprite:
      return "sprite";
  }
  return "unknown";
}

void check_gauge_header(const std::string& module_path, const GaugeHeader& header) {
  if (header.name == nullptr) throw HostError(module_path + ": a gauge header has no name");
  const std::string context = module_path + ": gauge \"" + header.name + "\"";
  if (header.version != kHeaderVersion700 && header.version != kHeaderVersion800)
    throw HostError(context + ": header version " + std::to_string(header.version) + ", expected 700 or 800");
  if (root_element(header) == nullptr) throw HostError(context + ": has no root element");
  flatten_tree(root_element(header), context);
}

}  // namespace panel_host
