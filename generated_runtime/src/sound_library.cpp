#include "generated_runtime/sound_library.h"

namespace generated_runtime {

SoundLibraryBinding SoundLibrary = {
    .library = nullptr,
    .play_sound = nullptr,
    .stop_sound = nullptr,
    .terminate_sounds = nullptr,
    .references_held = 0,
    .services = nullptr,
};

namespace {

const gauge_platform::LibraryServices& services() {
  return SoundLibrary.services != nullptr ? *SoundLibrary.services : gauge_platform::system_library_services();
}

void load() {
  SoundLibrary.library = services().load(kSoundLibraryName);
  if (SoundLibrary.library != nullptr) ++SoundLibrary.references_held;
}

void look_up() {
  const auto& library = services();
  SoundLibrary.play_sound = library.look_up(SoundLibrary.library, kPlaySoundName);
  SoundLibrary.stop_sound = library.look_up(SoundLibrary.library, kStopSoundName);
  SoundLibrary.terminate_sounds = library.look_up(SoundLibrary.library, kTerminateSoundsName);
}

void forget() {
  SoundLibrary.library = nullptr;
  SoundLibrary.play_sound = nullptr;
  SoundLibrary.stop_sound = nullptr;
  SoundLibrary.terminate_sounds = nullptr;
}

}  // namespace

void bind_sound_library_if_unset() {
  // A handle held without a reference of ours was found, not loaded: whoever
  // loaded it may have released it since, so it is not trusted here.
  if (SoundLibrary.library == nullptr || SoundLibrary.references_held == 0) load();
  look_up();
}

void bind_sound_library_afresh() {
  SoundLibrary.library = services().find_loaded(kSoundLibraryName);
  if (SoundLibrary.library == nullptr) load();
  look_up();
}

void terminate_and_release_sound_library() {
  if (SoundLibrary.terminate_sounds != nullptr) SoundLibrary.terminate_sounds();
  // Only references this module took are given back; once none is left the
  // handle may be gone at any time, so it and its entries are dropped.
  if (SoundLibrary.references_held > 0) {
    services().release(SoundLibrary.library);
    --SoundLibrary.references_held;
  }
  if (SoundLibrary.references_held == 0) forget();
}

}  // namespace generated_runtime
