// The binding with the operating system's library services and the stand-in
// sound library. The library counts its own mapping, unmapping and calls into
// the ledger this test program exports.
#include <dlfcn.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "gauge_sound/ledger.h"
#include "gauge_test_support/case_name.h"
#include "runtime_test_support.h"

extern "C" GAUGE_EXPORT gauge_sound::Ledger GaugeSoundLedger;
gauge_sound::Ledger GaugeSoundLedger = {};

namespace {

using generated_runtime::SoundLibrary;

// The system's services, with "GaugeSound" meaning one chosen file, and
// counts of what the module asked for.
struct CountingServices {
  const char* path = nullptr;
  int references_taken = 0;
  int releases = 0;
  int look_ups_while_unmapped = 0;
};
CountingServices counting;

const gauge_platform::LibraryServices& system() { return gauge_platform::system_library_services(); }

bool library_mapped() {
  void* handle = dlopen(counting.path, RTLD_NOW | RTLD_NOLOAD);
  if (handle != nullptr) dlclose(handle);
  return handle != nullptr;
}

const char* resolve(const char* name) { return std::strcmp(name, "GaugeSound") == 0 ? counting.path : name; }

gauge_platform::LibraryHandle find_loaded(const char* name) { return system().find_loaded(resolve(name)); }

gauge_platform::LibraryHandle load(const char* name) {
  gauge_platform::LibraryHandle handle = system().load(resolve(name));
  if (handle != nullptr) ++counting.references_taken;
  return handle;
}

gauge_platform::LibraryEntry look_up(gauge_platform::LibraryHandle library, const char* name) {
  if (library != nullptr && !library_mapped()) {
    ++counting.look_ups_while_unmapped;
    return nullptr;
  }
  return system().look_up(library, name);
}

void release(gauge_platform::LibraryHandle library) {
  if (library != nullptr) ++counting.releases;
  system().release(library);
}

constexpr gauge_platform::LibraryServices kCountingServices = {
    .find_loaded = find_loaded,
    .load = load,
    .look_up = look_up,
    .release = release,
};

enum class Variant { Present, Absent, WithoutTerminate };

struct RealCase {
  const char* name;
  Variant variant;
  const char* script;
  int loads;  // mappings of the library, and as many unmappings
  int terminate_calls;
};

std::ostream& operator<<(std::ostream& out, const RealCase& c) { return out << c.name; }

const RealCase kRealCases[] = {
    {"PresentOneInstance", Variant::Present, "4 6 6 12", 1, 1},
    {"PresentTwoInstances", Variant::Present, "4 4 6 6 12 6 12", 2, 2},
    {"PresentKilledAndCreatedAgain", Variant::Present, "4 6 12 4 6 12", 2, 2},
    {"AbsentOneInstance", Variant::Absent, "4 6 6 12", 0, 0},
    {"AbsentTwoInstances", Variant::Absent, "4 4 6 6 12 6 12", 0, 0},
    {"WithoutTerminateOneInstance", Variant::WithoutTerminate, "4 6 6 12", 1, 0},
    {"WithoutTerminateTwoInstances", Variant::WithoutTerminate, "4 4 6 6 12 12", 2, 0},
};

class RealSoundLibraryTest : public testing::TestWithParam<RealCase> {
 protected:
  void SetUp() override {
    switch (GetParam().variant) {
      case Variant::Present:
        counting = {.path = GAUGE_SOUND_PATH};
        break;
      case Variant::Absent:
        counting = {.path = "/nonexistent/GaugeSound.so"};
        break;
      case Variant::WithoutTerminate:
        counting = {.path = GAUGE_SOUND_NO_TERMINATE_PATH};
        break;
    }
    GaugeSoundLedger = {};
    reset_runtime_state(&kCountingServices);
    ASSERT_FALSE(library_mapped());
  }
};

TEST_P(RealSoundLibraryTest, MapsAndUnmapsInPairs) {
  const RealCase& c = GetParam();
  std::istringstream words(c.script);
  for (std::string word; words >> word;) {
    send_service(static_cast<std::uint32_t>(std::stoul(word)));
    SCOPED_TRACE("after " + word);
    EXPECT_LE(counting.releases, counting.references_taken);
    EXPECT_EQ(static_cast<int>(SoundLibrary.references_held), counting.references_taken - counting.releases);
    if (word == "4" || word == "6") {
      EXPECT_EQ(SoundLibrary.library != nullptr, c.variant != Variant::Absent);
      EXPECT_EQ(SoundLibrary.terminate_sounds != nullptr, c.variant == Variant::Present);
    }
  }
  EXPECT_EQ(counting.look_ups_while_unmapped, 0);
  EXPECT_EQ(counting.releases, counting.references_taken);
  EXPECT_EQ(GaugeSoundLedger.loads, c.loads);
  EXPECT_EQ(GaugeSoundLedger.unloads, c.loads);
  EXPECT_EQ(GaugeSoundLedger.terminate_calls, c.terminate_calls);
  EXPECT_EQ(GaugeSoundLedger.play_calls, 0);
  EXPECT_EQ(GaugeSoundLedger.stop_calls, 0);
  EXPECT_FALSE(library_mapped());
}

INSTANTIATE_TEST_SUITE_P(Libraries, RealSoundLibraryTest, testing::ValuesIn(kRealCases),
                         gauge_test_support::CaseName());

TEST(RealSoundLibrary, LoadedByTheProcessItIsFoundAndLeftLoaded) {
  counting = {.path = GAUGE_SOUND_PATH};
  GaugeSoundLedger = {};
  reset_runtime_state(&kCountingServices);
  void* own = dlopen(GAUGE_SOUND_PATH, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(own, nullptr);
  for (std::uint32_t id : {4u, 4u, 6u, 12u, 6u, 12u}) send_service(id);
  EXPECT_TRUE(library_mapped());
  EXPECT_EQ(counting.releases, counting.references_taken);
  EXPECT_EQ(GaugeSoundLedger.terminate_calls, 2);
  dlclose(own);
  EXPECT_FALSE(library_mapped());
  EXPECT_EQ(GaugeSoundLedger.loads, 1);
  EXPECT_EQ(GaugeSoundLedger.unloads, 1);
}

}  // namespace
