#include "sound_ledger.h"

#include "gauge_kit/calling_convention.h"

extern "C" {
// Found by name from inside the sound library, so it must stay exported.
GAUGE_EXPORT gauge_sound::Ledger GaugeSoundLedger = {};
}

namespace panel_host {

const gauge_sound::Ledger& sound_ledger() { return GaugeSoundLedger; }

}  // namespace panel_host
