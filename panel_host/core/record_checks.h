// Checks the host makes on a module's records before it relies on them.
#pragma once

#include <string>

#include "gauge_kit/records.h"

namespace panel_host {

// Throws HostError naming `module_path` when the header cannot be driven.
void check_gauge_header(const std::string& module_path, const gauge_kit::GaugeHeader& header);

}  // namespace panel_host
