#include "gauge_instance.h"

#include <algorithm>
#include <cmath>

#include "gauge_kit/conversions.h"
#include "host.h"
#include "host_error.h"
#include "loaded_module.h"
#include "mouse_regions.h"

namespace panel_host {
namespace {

using namespace gauge_kit;

double call_or_value(ElementCallback callback, ElementHeader& element, const HostVariable& source) {
  return callback != nullptr ? callback(&element) : source.value;
}

// The failure action of the first active key the element lists, or -1.
int failure_action(const ElementHeader& element, const std::set<std::int32_t>& failed) {
  if (element.failures == nullptr || failed.empty()) return -1;
  for (const FailureRecord* record = element.failures; record->key != 0; ++record)
    if (failed.count(record->key) != 0) return record->action;
  return -1;
}

}  // namespace

GaugeInstance::GaugeInstance(Host& host, LoadedModule& module, GaugeHeader& gauge, int number)
    : host_(host), module_(module), gauge_(gauge), number_(number) {
  const std::string context = module.path() + ": gauge \"" + gauge.name + "\"";
  for (const TreeEntry& entry : flatten_tree(root(), context)) elements_.push_back({.entry = entry});
  size_ = bitmap_size(module.library(), root()->bitmap_id);
  if (gauge.version == kHeaderVersion700 &&
      (gauge.query == nullptr || gauge.install == nullptr || gauge.initialise == nullptr || gauge.update == nullptr ||
       gauge.generate == nullptr || gauge.draw == nullptr || gauge.kill == nullptr))
    throw HostError(context + ": a version 700 header needs all seven lifecycle routines");
}

GaugeInstance::~GaugeInstance() {
  if (alive_) kill();
}

void GaugeInstance::create() {
  alive_ = true;
  Host::Driving driving(host_, *this);
  if (gauge_.version == kHeaderVersion700) {
    const auto value = static_cast<std::uint32_t>(number_);
    gauge_.query();
    gauge_.install(value);
    gauge_.initialise();
    gauge_.generate(value);
  } else {
    for (std::uint32_t id = service_id::kInstallFirst; id <= service_id::kInstallLast; ++id) {
      if (id == 1) install_elements();
      if (id == 2) initialise_elements();
      call_service(id);
    }
  }
  // A module that never asked for the install step still gets its buffers.
  if (!installed_) install_elements();
}

void GaugeInstance::update() {
  Host::Driving driving(host_, *this);
  if (gauge_.version == kHeaderVersion700) {
    gauge_.update();
  } else {
    call_service(service_id::kPreUpdate);
    update_elements();
    call_service(service_id::kPostUpdate);
  }
  ++updates_;
}

void GaugeInstance::draw() {
  Host::Driving driving(host_, *this);
  if (gauge_.version == kHeaderVersion700) {
    gauge_.draw();
  } else {
    call_service(service_id::kPreDraw);
    count_draw();
    call_service(service_id::kPostDraw);
  }
}

void GaugeInstance::kill() {
  if (!alive_) return;
  {
    Host::Driving driving(host_, *this);
    if (gauge_.version == kHeaderVersion700) {
      gauge_.kill();
    } else {
      call_service(service_id::kKill);
    }
  }
  kill_elements();
  alive_ = false;
}

void GaugeInstance::service(std::uint32_t id) {
  Host::Driving driving(host_, *this);
  call_service(id);
}

void GaugeInstance::call_service(std::uint32_t id) {
  if (gauge_.service_callback != nullptr) gauge_.service_callback(&gauge_, id, 0);
}

void GaugeInstance::install_elements() {
  for (ElementState& state : elements_) {
    ElementHeader& element = state.element();
    if (element.kind == ElementKind::String) {
      const std::uint32_t count = element_as<StringElement>(&element).char_count;
      state.text_size = static_cast<std::size_t>(count) + 1;
      state.text = std::make_unique<char[]>(state.text_size);
    }
    if (element.kind == ElementKind::Needle) {
      // Each point's angle: the direction from the needle's position to the
      // point, in degrees clockwise from pointing right (y grows downwards).
      NeedleElement& needle = element_as<NeedleElement>(&element);
      for (std::uint32_t i = 0; needle.scale != nullptr && i < needle.scale_points; ++i) {
        NonlinearityPoint& point = needle.scale[i];
        point.angle = std::atan2(static_cast<double>(point.y - element.position.y),
                                 static_cast<double>(point.x - element.position.x)) *
                      180.0 / 3.14159265358979323846;
      }
    }
    state.placement = install_placement(element, module_.library());
  }
  installed_ = true;
}

void GaugeInstance::initialise_elements() {
  for (ElementState& state : elements_) {
    state.updated = false;
    std::fill(std::begin(state.values), std::end(state.values), 0.0);
    if (state.text) state.text[0] = '\0';
    reset_placement(state.element(), state.placement);
  }
}

void GaugeInstance::update_elements() {
  if (!installed_) install_elements();
  for (ElementState& state : elements_) update_element(state);
}

void GaugeInstance::update_element(ElementState& state) {
  ElementHeader& element = state.element();
  const int action = failure_action(element, host_.failed_keys());
  state.frozen = action == 1;
  state.zeroed = action == 2;
  if (state.frozen) return;
  for (HostVariable* source : element_sources(element)) source->value = host_.variables().get(source->id);
  switch (element.kind) {
    case ElementKind::StaticImage:
      break;
    case ElementKind::Needle: {
      auto& needle = element_as<NeedleElement>(&element);
      state.values[0] = call_or_value(needle.callback, element, needle.source);
      break;
    }
    case ElementKind::String: {
      auto& string = element_as<StringElement>(&element);
      string.text = state.text.get();
      state.values[0] = call_or_value(string.callback, element, string.sources[0]);
      // The buffer always ends within its bounds, whatever was written.
      if (state.text) state.text[state.text_size - 1] = '\0';
      break;
    }
    case ElementKind::Slider: {
      auto& slider = element_as<SliderElement>(&element);
      state.values[0] = call_or_value(slider.x_callback, element, slider.x_source);
      state.values[1] = call_or_value(slider.y_callback, element, slider.y_source);
      break;
    }
    case ElementKind::Icon: {
      auto& icon = element_as<IconElement>(&element);
      state.values[0] = call_or_value(icon.callback, element, icon.source);
      break;
    }
    case ElementKind::MovingImage: {
      auto& image = element_as<MovingImageElement>(&element);
      state.values[0] = call_or_value(image.x_callback, element, image.x_source);
      state.values[1] = call_or_value(image.y_callback, element, image.y_source);
      break;
    }
    case ElementKind::Sprite: {
      auto& sprite = element_as<SpriteElement>(&element);
      state.values[0] = call_or_value(sprite.x_callback, element, sprite.x_source);
      state.values[1] = call_or_value(sprite.y_callback, element, sprite.y_source);
      state.values[2] = call_or_value(sprite.angle_callback, element, sprite.angle_source);
      break;
    }
  }
  state.updated = true;
  // A zeroed element is placed as for the number 0.
  static constexpr double kZero[3] = {0.0, 0.0, 0.0};
  place_element(element, state.zeroed ? kZero : state.values, state.placement);
}

void GaugeInstance::kill_elements() {
  for (ElementState& state : elements_) {
    if (state.element().kind == ElementKind::String) {
      auto& string = element_as<StringElement>(&state.element());
      if (string.text == state.text.get()) string.text = nullptr;
    }
    state.text.reset();
    state.text_size = 0;
  }
  installed_ = false;
}

MouseOutcome GaugeInstance::press(int x, int y, int ticks) {
  MouseOutcome outcome;
  outcome.first_key_event = host_.key_events().size();
  const BitmapSize size = size_.value_or(BitmapSize{0, 0});
  const MouseHit hit = hit_test(gauge_.mouse_rects, size.width, size.height, x, y);
  outcome.rect = hit.rect;
  outcome.cursor = hit.cursor;
  if (hit.rect < 0) return outcome;
  const MouseRect& rect = gauge_.mouse_rects[hit.rect];
  const bool repeats = (rect.mouse_flags & kMouseRepeatBit) != 0;
  const int actions = repeats ? std::max(ticks, 1) : 1;
  Host::Driving driving(host_, *this);
  for (int i = 0; i < actions; ++i) {
    if (rect.key_event != 0) {
      host_.key_events().push_back({rect.key_event, 0});
    } else if (rect.target.callback != nullptr) {
      PixelPoint point{x, y};
      rect.target.callback(&point, rect.mouse_flags);
      ++outcome.callbacks;
    }
  }
  return outcome;
}

}  // namespace panel_host
