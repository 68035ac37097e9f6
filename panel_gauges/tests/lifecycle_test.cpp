// Each header's lifecycle routines hand the host that header's own root, and
// the library entry accepts every reason.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "gauge_tree.h"

namespace {

using gauge_kit::ElementHeader;

struct ServiceCall {
  std::string service;
  ElementHeader* root;
  std::uint32_t value;
  bool operator==(const ServiceCall&) const = default;
};

std::vector<ServiceCall> calls;

void record(const char* service, ElementHeader* root, std::uint32_t value = 0) {
  calls.push_back({service, root, value});
}

gauge_kit::HostServices recording_services = {
    .element_list_query = [](ElementHeader* root) { record("query", root); },
    .element_list_install = [](ElementHeader* root, std::uint32_t value) { record("install", root, value); },
    .element_list_initialise = [](ElementHeader* root) { record("initialise", root); },
    .element_list_update = [](ElementHeader* root) { record("update", root); },
    .element_list_generate = [](ElementHeader* root, std::uint32_t value) { record("generate", root, value); },
    .element_list_draw = [](ElementHeader* root) { record("draw", root); },
    .element_list_reserved = [](ElementHeader* root) { record("reserved", root); },
    .element_list_kill = [](ElementHeader* root) { record("kill", root); },
    .trigger_key_event = [](std::uint32_t, std::uint32_t) { record("key event", nullptr); },
};

class Lifecycle : public testing::TestWithParam<std::uint32_t> {
 protected:
  void SetUp() override {
    corvel1_test::linked_import_table().host_services.table = &recording_services;
    calls.clear();
  }
  void TearDown() override { corvel1_test::linked_import_table().host_services.table = nullptr; }
};

TEST_P(Lifecycle, EveryRoutineHandsOverItsOwnGaugesRoot) {
  const std::uint32_t value = GetParam();
  const auto gauges = corvel1_test::linked_gauges();
  ASSERT_EQ(gauges.size(), 8u);
  for (gauge_kit::GaugeHeader* gauge : gauges) {
    SCOPED_TRACE(gauge->name);
    ElementHeader* root = gauge->element_list[0];
    calls.clear();
    gauge->query();
    gauge->install(value);
    gauge->initialise();
    gauge->update();
    gauge->generate(value);
    gauge->draw();
    gauge->kill();
    EXPECT_EQ(calls, (std::vector<ServiceCall>{{"query", root, 0},
                                               {"install", root, value},
                                               {"initialise", root, 0},
                                               {"update", root, 0},
                                               {"generate", root, value},
                                               {"draw", root, 0},
                                               {"kill", root, 0}}));
  }
}

INSTANTIATE_TEST_SUITE_P(Corvel1, Lifecycle, testing::Values(0u, 1u, 0x80000000u, 0xFFFFFFFFu));

TEST_F(Lifecycle, UpdateThroughTurnUpdatesTurn) {
  gauge_kit::GaugeHeader& turn = corvel1_test::gauge_named("Turn");
  turn.update();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].root, turn.element_list[0]);
  EXPECT_NE(calls[0].root, corvel1_test::gauge_named("WiskeyBmp").element_list[0]);
}

TEST(ModuleEntry, SucceedsForEveryReason) {
  for (std::uint32_t reason :
       {gauge_kit::kProcessDetach, gauge_kit::kProcessAttach, gauge_kit::kThreadAttach, gauge_kit::kThreadDetach})
    EXPECT_EQ(GaugeModuleEntry(nullptr, reason, nullptr), 1) << "reason " << reason;
}

}  // namespace
