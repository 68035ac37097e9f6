// Scenario scripts for one gauge, written from the gauge's own records (its
// inspect report): every variable it reads, every mouse region it has, every
// failure it knows, so that no gauge needs a hand-written script to be
// covered.
#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace gauges_tests {

enum class Scenario {
  Values,     // every source through ordinary, boundary and non-finite values
  Mouse,      // clicks, holds and hovers on every region, its edges and outside
  Services,   // every service id of a version-800 gauge, with the sound ledger
  Instances,  // several instances, killing one, reloading the module
  Failures,   // each failure key the gauge lists, and night lighting
};

inline constexpr Scenario kScenarios[] = {Scenario::Values, Scenario::Mouse, Scenario::Services,
                                          Scenario::Instances, Scenario::Failures};

const char* scenario_name(Scenario scenario);

// The script, or an empty text where the scenario does not apply to the gauge
// (services of a version-700 gauge).
std::string scenario_script(Scenario scenario, const nlohmann::json& gauge);

// Host variable ids the gauge's elements read (id 0 left out), in first-use
// order.
std::vector<unsigned> source_ids(const nlohmann::json& gauge);

struct PixelBox {
  int x;
  int y;
  int width;
  int height;
};

// The child regions of the mouse list in gauge pixels: a child's box is
// relative to the innermost open parent region.
std::vector<PixelBox> child_regions(const nlohmann::json& gauge);

}  // namespace gauges_tests
