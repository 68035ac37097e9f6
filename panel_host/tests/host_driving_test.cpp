// Driving gauges in-process: lifecycle order, sources, text buffers and the
// trees the element-list services are handed.
#include <gtest/gtest.h>

#include <string>

#include "core/host.h"

namespace {

using panel_host::GaugeInstance;
using panel_host::Host;

class ProbeGauge : public testing::Test {
 protected:
  std::string log() const { return static_cast<const char*>(gauge_platform::find_data(module.library(), "ProbeLog")); }
  void clear_log() { static_cast<char*>(gauge_platform::find_data(module.library(), "ProbeLog"))[0] = '\0'; }

  Host host;
  panel_host::LoadedModule& module = host.load(PROBE_MODULE);
};

TEST_F(ProbeGauge, ServiceCallbackHearsInstallUpdateDrawAndKillInOrder) {
  GaugeInstance& instance = host.create(module, module.gauge("Probe"));
  EXPECT_EQ(log(), "s0 s1 s2 s3 s4 s5");
  clear_log();
  instance.update();
  EXPECT_EQ(log(), "s6 needle s7");
  clear_log();
  instance.draw();
  EXPECT_EQ(log(), "s10 s11");
  clear_log();
  instance.kill();
  EXPECT_EQ(log(), "s12");
  EXPECT_FALSE(instance.alive());
}

TEST_F(ProbeGauge, SourceWithoutVariableStillGetsItsCallbackAndReadsZero) {
  GaugeInstance& instance = host.create(module, module.gauge("Probe"));
  host.variables().set(0, 55.0);  // id 0 is no variable and cannot be set
  instance.update();
  const panel_host::ElementState& needle = instance.elements()[1];
  ASSERT_EQ(needle.element().kind, gauge_kit::ElementKind::Needle);
  EXPECT_DOUBLE_EQ(needle.values[0], 100.0);
}

TEST_F(ProbeGauge, TextBufferHoldsExactlyTheCharacterCount) {
  GaugeInstance& instance = host.create(module, module.gauge("Probe"));
  host.variables().set(5, 123456.0);
  instance.update();
  const panel_host::ElementState& text = instance.elements()[2];
  ASSERT_EQ(text.element().kind, gauge_kit::ElementKind::String);
  EXPECT_EQ(text.text_size, 5u);
  EXPECT_STREQ(text.text.get(), "1234");
}

TEST_F(ProbeGauge, InstancesKeepTheirOwnResults) {
  GaugeInstance& first = host.create(module, module.gauge("Probe"));
  host.variables().set(8, 3.0);
  first.update();
  GaugeInstance& second = host.create(module, module.gauge("Probe"));
  host.variables().set(8, 9.0);
  second.update();
  EXPECT_DOUBLE_EQ(first.elements()[3].values[0], 3.0);
  EXPECT_DOUBLE_EQ(second.elements()[3].values[0], 9.0);
  EXPECT_EQ(first.number(), 1);
  EXPECT_EQ(second.number(), 2);
}

class Corvel1Header : public testing::TestWithParam<const char*> {};

TEST_P(Corvel1Header, RoutinesHandTheServicesTheirOwnHeadersTree) {
  Host host;
  panel_host::LoadedModule& module = host.load(CORVEL1_MODULE);
  gauge_kit::GaugeHeader& gauge = module.gauge(GetParam());
  GaugeInstance& instance = host.create(module, gauge);
  instance.update();
  instance.draw();
  instance.kill();
  const std::string expected[] = {"query", "install", "initialise", "generate", "update", "draw", "kill"};
  ASSERT_EQ(host.service_calls().size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_EQ(host.service_calls()[i].service, expected[i]);
    EXPECT_EQ(host.service_calls()[i].root, gauge.element_list[0]) << expected[i];
  }
  // Install and generate hand on the host's value, the instance number.
  EXPECT_EQ(host.service_calls()[1].value, 1u);
  EXPECT_EQ(host.service_calls()[3].value, 1u);
}

INSTANTIATE_TEST_SUITE_P(EveryGauge, Corvel1Header,
                         testing::Values("WiskeyBmp", "Turn", "Altimetro", "Clock", "Gmeter", "RadioCompass", "CompassNop",
                                         "Hobb"));

}  // namespace
