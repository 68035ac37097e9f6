// Driving the runtime in tests: scripts of service ids and module-state resets.
#pragma once

#include <cstdint>
#include <sstream>
#include <string>

#include "generated_runtime/display_switch.h"
#include "generated_runtime/gauge_service.h"
#include "generated_runtime/module_record.h"
#include "generated_runtime/sound_library.h"

// Puts the module state back as it is when the module is loaded, with the
// given library services.
inline void reset_runtime_state(const gauge_platform::LibraryServices* services) {
  generated_runtime::SoundLibrary = {
      .library = nullptr,
      .play_sound = nullptr,
      .stop_sound = nullptr,
      .terminate_sounds = nullptr,
      .references_held = 0,
      .services = services,
  };
#if GENERATED_RUNTIME_DISPLAY_SWITCH
  generated_runtime::DisplaySwitch = 0;
  generated_runtime::DisplaySwitchResetDone = 0;
#endif
}

inline void send_service(std::uint32_t id) {
  generated_runtime::RuntimeGaugeService(&generated_runtime::ModuleGauge, id, 0);
}

// Runs a script of whitespace-separated words: a number is a service id sent
// to the gauge; other words are handed to `other` (a callable taking the word).
template <class Other>
void run_script(const std::string& script, Other&& other) {
  std::istringstream words(script);
  for (std::string word; words >> word;) {
    if (word.find_first_not_of("0123456789") == std::string::npos)
      send_service(static_cast<std::uint32_t>(std::stoul(word)));
    else
      other(word);
  }
}
