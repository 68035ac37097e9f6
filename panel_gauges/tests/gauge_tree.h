// Test access to the module's records the way the host reaches them: through
// the exported Linkage, walking each gauge's element tree in drawing order.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "gauge_kit/host_interface.h"

namespace corvel1_test {

// The gauges of the module linked into this test, in Linkage order.
std::vector<gauge_kit::GaugeHeader*> linked_gauges();
gauge_kit::GaugeHeader& gauge_named(std::string_view name);
gauge_kit::ImportTable& linked_import_table();

// Root first, then each element's children in list order, depth first.
std::vector<gauge_kit::ElementHeader*> drawing_order(const gauge_kit::GaugeHeader& gauge);

// Which callback of an element to drive: the only one (needles, strings,
// icons) or one axis of a slider or moving image.
enum class Axis { Only, X, Y };

struct UpdateResult {
  double value;
  std::string text;  // strings only: what the callback wrote
};

// Stores `value` in every source of the element, as the host does before an
// update, and calls the callback of `axis`. A string gets a text buffer of
// exactly character count + 1 bytes for the call.
UpdateResult update_element(gauge_kit::ElementHeader& element, Axis axis, double value);

// Child regions that carry a mouse callback, in list order.
std::vector<gauge_kit::MouseRect*> callback_regions(const gauge_kit::GaugeHeader& gauge);

// Calls the region's mouse callback as a click at its top-left corner would.
std::int32_t click(gauge_kit::MouseRect& region);

}  // namespace corvel1_test
