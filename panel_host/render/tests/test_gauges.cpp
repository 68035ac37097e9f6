#include "test_gauges.h"

#include <gtest/gtest.h>

#include "render/fonts.h"

namespace render_tests {

std::string module_path(const std::string& module) { return std::string(GAUGES_DIR) + "/" + module + ".gau"; }

GaugeOnHost::GaugeOnHost(const std::string& module_name, const std::string& gauge)
    : module(host.load(module_path(module_name))), instance(host.create(module, module.gauge(gauge))) {}

}  // namespace render_tests

namespace {

// Cairo and fontconfig keep their font caches for the process; the tests
// hand them back at the end so that leak checks see only the host.
class FontCaches : public testing::Environment {
 public:
  void TearDown() override { panel_host::release_font_caches(); }
};

const testing::Environment* const kFontCaches = testing::AddGlobalTestEnvironment(new FontCaches);

}  // namespace
