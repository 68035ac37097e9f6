// A fake of the dynamic-library services holding one library, "GaugeSound",
// that counts every find, load, look-up and release and notes every misuse.
#pragma once

#include <string>
#include <vector>

#include "gauge_kit/platform.h"

struct FakeSoundLibrary {
  // How the library is installed.
  bool installed = true;
  bool exports_terminate = true;
  // References held by anyone; the library is mapped while there are any.
  int references = 0;
  // References held by someone other than the module under test.
  int outside_references = 0;

  int finds = 0;
  int load_calls = 0;
  int references_taken = 0;  // successful loads
  int look_ups = 0;
  int releases = 0;  // releases of a non-null handle
  int terminate_calls = 0;
  std::vector<std::string> looked_up_names;

  // Misuse.
  int look_ups_through_unmapped = 0;
  int releases_of_unmapped = 0;
  int foreign_handles = 0;

  bool mapped() const { return references > 0; }
  void outside_load() {
    ++references;
    ++outside_references;
  }
  void outside_release() {
    --references;
    --outside_references;
  }
};

// The one fake, reset by `reset_fake_sound_library`.
FakeSoundLibrary& fake_sound_library();
void reset_fake_sound_library();
const gauge_platform::LibraryServices& fake_library_services();
gauge_platform::LibraryHandle fake_sound_library_handle();
