// The module's binding of the outside sound library, found or loaded by name
// and looked up by entry-point name.
#pragma once

#include <cstdint>

#include "gauge_kit/platform.h"

namespace generated_runtime {

inline constexpr const char* kSoundLibraryName = "GaugeSound";
inline constexpr const char* kPlaySoundName = "GaugePlaySound";
inline constexpr const char* kStopSoundName = "GaugeStopSound";
inline constexpr const char* kTerminateSoundsName = "TerminateSounds";

struct SoundLibraryBinding {
  gauge_platform::LibraryHandle library;
  gauge_platform::LibraryEntry play_sound;
  gauge_platform::LibraryEntry stop_sound;
  gauge_platform::LibraryEntry terminate_sounds;
  // Loads this module made and has not given back yet.
  std::uint32_t references_held;
  // The dynamic-library services to use; null means the operating system's.
  const gauge_platform::LibraryServices* services;
};

// One binding per module, shared by every instance of its gauge.
extern SoundLibraryBinding SoundLibrary;

// The binding steps, in the order the services use them.
void bind_sound_library_if_unset();    // service 4
void bind_sound_library_afresh();      // services 6 and 12: find or load, then look up
void terminate_and_release_sound_library();  // the rest of service 12

}  // namespace generated_runtime
