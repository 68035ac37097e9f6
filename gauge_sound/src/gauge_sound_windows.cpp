// The stand-in sound library for Windows: the same counts as on Linux, taken
// from the library entry's notifications and kept in the ledger that the
// loading program exports.
#include <windows.h>

#include "gauge_kit/calling_convention.h"
#include "gauge_sound/ledger.h"

namespace {

gauge_sound::Ledger* ledger() {
  return reinterpret_cast<gauge_sound::Ledger*>(GetProcAddress(GetModuleHandleA(nullptr), gauge_sound::kLedgerSymbol));
}

template <int gauge_sound::Ledger::*Count>
void count() {
  if (gauge_sound::Ledger* found = ledger()) ++(found->*Count);
}

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) count<&gauge_sound::Ledger::loads>();
  if (reason == DLL_PROCESS_DETACH) count<&gauge_sound::Ledger::unloads>();
  return TRUE;
}

GAUGE_EXPORT void GaugePlaySound() { count<&gauge_sound::Ledger::play_calls>(); }
GAUGE_EXPORT void GaugeStopSound() { count<&gauge_sound::Ledger::stop_calls>(); }

#if GAUGE_SOUND_EXPORTS_TERMINATE
GAUGE_EXPORT void TerminateSounds() { count<&gauge_sound::Ledger::terminate_calls>(); }
#endif

}  // extern "C"
