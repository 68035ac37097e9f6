// The host's state of a gauge instance's elements, for `run`.
#pragma once

#include "core/gauge_instance.h"
#include "json_text.h"

namespace panel_host {

Json element_state_json(const ElementState& state, int index);
Json instance_state_json(const GaugeInstance& instance);

}  // namespace panel_host
