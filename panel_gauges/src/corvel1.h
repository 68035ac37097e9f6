// Records shared between the sources of the module Corvel1.
#pragma once

#include "gauge_kit/host_interface.h"

extern "C" gauge_kit::ImportTable ImportTable;

namespace corvel1 {

extern gauge_kit::GaugeHeader WiskeyBmpGauge;
extern gauge_kit::GaugeHeader TurnGauge;
extern gauge_kit::GaugeHeader AltimetroGauge;
extern gauge_kit::GaugeHeader ClockGauge;
extern gauge_kit::GaugeHeader GmeterGauge;
extern gauge_kit::GaugeHeader RadioCompassGauge;
extern gauge_kit::GaugeHeader CompassNopGauge;
extern gauge_kit::GaugeHeader HobbGauge;

}  // namespace corvel1
