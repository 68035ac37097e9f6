// Gauges of the built modules, driven in the tests' own host.
#pragma once

#include <cstdint>
#include <string>

#include "core/host.h"

namespace render_tests {

std::string module_path(const std::string& module);

// One instance of a gauge in a host of its own.
class GaugeOnHost {
 public:
  GaugeOnHost(const std::string& module, const std::string& gauge);
  panel_host::Host host;
  panel_host::LoadedModule& module;
  panel_host::GaugeInstance& instance;

  void set(std::uint32_t variable, double value) { host.variables().set(variable, value); }
  void update(int passes = 1) {
    for (int i = 0; i < passes; ++i) instance.update();
  }
  const panel_host::ElementState& element(std::size_t index) const { return instance.elements().at(index); }
};

}  // namespace render_tests
