#include "test_gauges.h"

namespace render_tests {

std::string module_path(const std::string& module) { return std::string(GAUGES_DIR) + "/" + module + ".gau"; }

GaugeOnHost::GaugeOnHost(const std::string& module_name, const std::string& gauge)
    : module(host.load(module_path(module_name))), instance(host.create(module, module.gauge(gauge))) {}

}  // namespace render_tests
