// The seven lifecycle routines of a version-700 header. Each header gets its
// own instantiation, so that every routine hands the host the element tree of
// the header it was called through.
#pragma once

#include <cstdint>

#include "corvel1.h"

namespace corvel1 {

template <gauge_kit::GaugeHeader& Gauge>
struct Lifecycle {
  static gauge_kit::ElementHeader* root() { return Gauge.element_list[0]; }
  static gauge_kit::HostServices& services() { return *ImportTable.host_services.table; }

  static void GAUGE_CALL query() { services().element_list_query(root()); }
  static void GAUGE_CALL install(std::uint32_t value) { services().element_list_install(root(), value); }
  static void GAUGE_CALL initialise() { services().element_list_initialise(root()); }
  static void GAUGE_CALL update() { services().element_list_update(root()); }
  static void GAUGE_CALL generate(std::uint32_t value) { services().element_list_generate(root(), value); }
  static void GAUGE_CALL draw() { services().element_list_draw(root()); }
  static void GAUGE_CALL kill() { services().element_list_kill(root()); }
};

}  // namespace corvel1
