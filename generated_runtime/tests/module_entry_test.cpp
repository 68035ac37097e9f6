#include <gtest/gtest.h>

#include "generated_runtime/module_record.h"

namespace {

TEST(GaugeModuleEntry, ReturnsOneForEveryReason) {
  for (std::uint32_t reason : {gauge_kit::kProcessDetach, gauge_kit::kProcessAttach, gauge_kit::kThreadAttach,
                               gauge_kit::kThreadDetach})
    EXPECT_EQ(GaugeModuleEntry(nullptr, reason, nullptr), 1);
}

}  // namespace
