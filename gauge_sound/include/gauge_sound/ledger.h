// What the stand-in sound library records about its own use. The panel host
// exports one ledger under kLedgerSymbol; the library finds it in the process
// and counts into it, so the counts outlive the library being unmapped.
#pragma once

namespace gauge_sound {

struct Ledger {
  int loads;            // times the library was mapped
  int unloads;          // times it was unmapped
  int terminate_calls;  // calls of TerminateSounds
  int play_calls;
  int stop_calls;
};

inline constexpr const char* kLedgerSymbol = "GaugeSoundLedger";

}  // namespace gauge_sound
