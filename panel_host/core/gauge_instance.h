// One instance of a gauge on the panel: the host's own state for it (the
// results of its element callbacks, its text buffers) and the driving of its
// lifecycle through the header's routines (version 700) or its service
// callback (version 800).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "bitmap_info.h"
#include "element_tree.h"
#include "placement.h"
#include "gauge_kit/records.h"

namespace panel_host {

class Host;
class LoadedModule;

// The host's service ids for version 800 gauges.
namespace service_id {
inline constexpr std::uint32_t kInstallFirst = 0;
inline constexpr std::uint32_t kInstallLast = 5;
inline constexpr std::uint32_t kPreUpdate = 6;
inline constexpr std::uint32_t kPostUpdate = 7;
inline constexpr std::uint32_t kPreDraw = 10;
inline constexpr std::uint32_t kPostDraw = 11;
inline constexpr std::uint32_t kKill = 12;
}  // namespace service_id

struct ElementState {
  TreeEntry entry = {};
  bool updated = false;  // has had a value
  bool frozen = false;   // a failure keeps its last picture
  bool zeroed = false;   // a failure puts it to zero
  // The number shown: value, or x / y / angle for the kinds with several axes.
  double values[3] = {0.0, 0.0, 0.0};
  std::unique_ptr<char[]> text = nullptr;  // strings: character count + 1 bytes
  std::size_t text_size = 0;
  Placement placement = {};  // where the element is drawn for its numbers

  gauge_kit::ElementHeader& element() const { return *entry.element; }
};

// What a click or hold did.
struct MouseOutcome {
  int rect = -1;  // index of the matched child record
  std::int32_t cursor = -1;
  std::size_t first_key_event = 0;  // key events sent from here on
  int callbacks = 0;
};

class GaugeInstance {
 public:
  GaugeInstance(Host& host, LoadedModule& module, gauge_kit::GaugeHeader& gauge, int number);
  ~GaugeInstance();
  GaugeInstance(const GaugeInstance&) = delete;
  GaugeInstance& operator=(const GaugeInstance&) = delete;

  int number() const { return number_; }
  bool alive() const { return alive_; }
  LoadedModule& module() const { return module_; }
  gauge_kit::GaugeHeader& gauge() const { return gauge_; }
  gauge_kit::ElementHeader* root() const { return root_element(gauge_); }
  const std::vector<ElementState>& elements() const { return elements_; }
  std::optional<BitmapSize> size() const { return size_; }
  int updates() const { return updates_; }
  int draws() const { return draws_; }

  // Lifecycle, as the host drives it.
  void create();
  void update();
  void draw();
  void kill();
  // Calls the gauge service callback (version 800 only).
  void service(std::uint32_t id);

  // Mouse: the child region under a gauge pixel acts `ticks` times when it
  // repeats while held, once otherwise.
  MouseOutcome press(int x, int y, int ticks);

  // The element-list steps the service table performs for this instance.
  void install_elements();
  void initialise_elements();
  void update_elements();
  void kill_elements();
  void count_draw() { ++draws_; }

 private:
  void update_element(ElementState& state);
  void call_service(std::uint32_t id);

  Host& host_;
  LoadedModule& module_;
  gauge_kit::GaugeHeader& gauge_;
  int number_;
  bool alive_ = false;
  bool installed_ = false;
  std::vector<ElementState> elements_;
  std::optional<BitmapSize> size_;
  int updates_ = 0;
  int draws_ = 0;
};

}  // namespace panel_host
