// A shared library that is no gauge module: it exports no Linkage.
#include "gauge_kit/calling_convention.h"

extern "C" GAUGE_EXPORT int NotAGauge = 1;
