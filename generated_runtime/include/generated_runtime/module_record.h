// The module record every generated module shares: Linkage with the module's
// one version-800 gauge, the import record the host fills, and the library
// entry.
#pragma once

#include "gauge_kit/host_interface.h"

namespace generated_runtime {

// The module's one gauge; each module defines it.
extern gauge_kit::GaugeHeader ModuleGauge;

}  // namespace generated_runtime

// Filled by the host with its service table before it calls any routine.
extern "C" GAUGE_EXPORT gauge_kit::ImportTable ImportTable;
