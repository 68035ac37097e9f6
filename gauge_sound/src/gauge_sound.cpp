// The stand-in sound library. It counts its own mapping, unmapping and calls
// into the ledger that the loading process exports, and nothing when there is
// none.
#include <dlfcn.h>

#include "gauge_kit/calling_convention.h"
#include "gauge_sound/ledger.h"

namespace {

gauge_sound::Ledger* ledger() {
  return static_cast<gauge_sound::Ledger*>(dlsym(RTLD_DEFAULT, gauge_sound::kLedgerSymbol));
}

template <int gauge_sound::Ledger::*Count>
void count() {
  if (gauge_sound::Ledger* found = ledger()) ++(found->*Count);
}

__attribute__((constructor)) void on_load() { count<&gauge_sound::Ledger::loads>(); }
__attribute__((destructor)) void on_unload() { count<&gauge_sound::Ledger::unloads>(); }

}  // namespace

extern "C" {

GAUGE_EXPORT void GaugePlaySound() { count<&gauge_sound::Ledger::play_calls>(); }
GAUGE_EXPORT void GaugeStopSound() { count<&gauge_sound::Ledger::stop_calls>(); }

#if GAUGE_SOUND_EXPORTS_TERMINATE
GAUGE_EXPORT void TerminateSounds() { count<&gauge_sound::Ledger::terminate_calls>(); }
#endif

}  // extern "C"
