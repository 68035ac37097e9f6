// The ledger the stand-in sound library counts into; the host exports it.
#pragma once

#include "gauge_sound/ledger.h"

namespace panel_host {

const gauge_sound::Ledger& sound_ledger();

}  // namespace panel_host
