#include "fake_library_services.h"

#include <cstring>

namespace {

FakeSoundLibrary fake;
char handle_storage;

gauge_platform::LibraryHandle handle() { return &handle_storage; }

bool is_sound_library(const char* name) { return std::strcmp(name, "GaugeSound") == 0; }

void play_sound() {}
void stop_sound() {}
void terminate_sounds() { ++fake.terminate_calls; }

gauge_platform::LibraryHandle find_loaded(const char* name) {
  ++fake.finds;
  return is_sound_library(name) && fake.mapped() ? handle() : nullptr;
}

gauge_platform::LibraryHandle load(const char* name) {
  ++fake.load_calls;
  if (!is_sound_library(name) || !fake.installed) return nullptr;
  ++fake.references;
  ++fake.references_taken;
  return handle();
}

gauge_platform::LibraryEntry look_up(gauge_platform::LibraryHandle library, const char* name) {
  ++fake.look_ups;
  fake.looked_up_names.emplace_back(name);
  if (library == nullptr) return nullptr;
  if (library != handle()) {
    ++fake.foreign_handles;
    return nullptr;
  }
  if (!fake.mapped()) {
    ++fake.look_ups_through_unmapped;
    return nullptr;
  }
  if (std::strcmp(name, "GaugePlaySound") == 0) return play_sound;
  if (std::strcmp(name, "GaugeStopSound") == 0) return stop_sound;
  if (std::strcmp(name, "TerminateSounds") == 0 && fake.exports_terminate) return terminate_sounds;
  return nullptr;
}

void release(gauge_platform::LibraryHandle library) {
  if (library == nullptr) return;
  ++fake.releases;
  if (library != handle()) {
    ++fake.foreign_handles;
    return;
  }
  if (!fake.mapped()) {
    ++fake.releases_of_unmapped;
    return;
  }
  --fake.references;
}

constexpr gauge_platform::LibraryServices kFakeServices = {
    .find_loaded = find_loaded,
    .load = load,
    .look_up = look_up,
    .release = release,
};

}  // namespace

FakeSoundLibrary& fake_sound_library() { return fake; }
void reset_fake_sound_library() { fake = FakeSoundLibrary{}; }
const gauge_platform::LibraryServices& fake_library_services() { return kFakeServices; }
gauge_platform::LibraryHandle fake_sound_library_handle() { return handle(); }
