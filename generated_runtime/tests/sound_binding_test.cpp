// The sound-library binding against a fake platform layer that counts every
// find, load, look-up and release.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_library_services.h"
#include "gauge_test_support/case_name.h"
#include "runtime_test_support.h"

namespace {

using generated_runtime::SoundLibrary;

class SoundBindingTest : public testing::Test {
 protected:
  void SetUp() override {
    reset_fake_sound_library();
    reset_runtime_state(&fake_library_services());
  }

  FakeSoundLibrary& fake = fake_sound_library();

  // Services are numbers; "+" and "-" are another module taking and giving
  // back a reference of its own. Every step is checked for misuse.
  void run(const std::string& script) {
    run_script(script, [this](const std::string& word) {
      if (word == "+") fake.outside_load();
      if (word == "-") fake.outside_release();
    });
  }

  void expect_no_misuse() const {
    EXPECT_EQ(fake.look_ups_through_unmapped, 0);
    EXPECT_EQ(fake.releases_of_unmapped, 0);
    EXPECT_EQ(fake.foreign_handles, 0);
    // The module holds exactly the references it took and has not given back.
    EXPECT_EQ(static_cast<int>(SoundLibrary.references_held), fake.references - fake.outside_references);
  }
};

struct BindingCase {
  const char* name;
  bool installed;
  bool exports_terminate;
  const char* script;
  int load_calls;
  int references_taken;
  int releases;
  int terminate_calls;
  bool bound_after;
};

std::ostream& operator<<(std::ostream& out, const BindingCase& c) { return out << c.name; }

const BindingCase kBindingCases[] = {
    {"InstallBindsAllThree", true, true, "4", 1, 1, 0, 0, true},
    {"KillTerminatesAndReleasesOnce", true, true, "4 12", 1, 1, 1, 1, false},
    {"UpdatesFindTheLoadedLibrary", true, true, "4 6 6 6 12", 1, 1, 1, 1, false},
    {"AbsentLibraryIsTriedAtEveryUpdate", false, true, "4 6 6 12", 4, 0, 0, 0, false},
    {"WithoutTerminateSoundsKillOnlyReleases", true, false, "4 6 12", 1, 1, 1, 0, false},
    {"SecondInstanceTakesNoReference", true, true, "4 4 6 6", 1, 1, 0, 0, true},
    {"TwoInstancesKilledInTurn", true, true, "4 4 6 6 12 6 12", 2, 2, 2, 2, false},
    {"TwoInstancesKilledBackToBack", true, true, "4 4 12 12", 2, 2, 2, 2, false},
    {"KilledAndCreatedAgainLoadsAfresh", true, true, "4 6 12 4 6 12", 2, 2, 2, 2, false},
    {"LoadedElsewhereKillGivesBackOnlyItsOwn", true, true, "+ 4 6 12", 1, 1, 1, 1, false},
    {"FoundElsewhereKillGivesBackNothing", true, true, "+ 4 4 12 6 12", 1, 1, 1, 2, false},
    {"FoundElsewhereThenLetGoInstallLoadsAgain", true, true, "+ 4 4 12 6 - 4 12 6 12", 3, 3, 3, 3, false},
};

class SoundBindingCaseTest : public SoundBindingTest, public testing::WithParamInterface<BindingCase> {};

TEST_P(SoundBindingCaseTest, TakesAndGivesBackReferencesInPairs) {
  const BindingCase& c = GetParam();
  fake.installed = c.installed;
  fake.exports_terminate = c.exports_terminate;
  std::istringstream words(c.script);
  for (std::string word; words >> word;) {
    run(word);
    SCOPED_TRACE("after " + word);
    expect_no_misuse();
  }
  EXPECT_EQ(fake.load_calls, c.load_calls);
  EXPECT_EQ(fake.references_taken, c.references_taken);
  EXPECT_EQ(fake.releases, c.releases);
  EXPECT_EQ(fake.terminate_calls, c.terminate_calls);
  EXPECT_EQ(SoundLibrary.library != nullptr, c.bound_after);
  EXPECT_EQ(SoundLibrary.play_sound != nullptr, c.bound_after);
  EXPECT_EQ(SoundLibrary.stop_sound != nullptr, c.bound_after);
  EXPECT_EQ(SoundLibrary.terminate_sounds != nullptr, c.bound_after && c.exports_terminate);
  // Another module's references are never taken away.
  EXPECT_GE(fake.references, fake.outside_references);
}

INSTANTIATE_TEST_SUITE_P(Scripts, SoundBindingCaseTest, testing::ValuesIn(kBindingCases),
                         gauge_test_support::CaseName());

TEST_F(SoundBindingTest, LooksUpTheThreeNamesInOrderAtEveryBinding) {
  const std::vector<std::string> three = {"GaugePlaySound", "GaugeStopSound", "TerminateSounds"};
  run("4");
  EXPECT_EQ(fake.looked_up_names, three);
  run("6");
  EXPECT_EQ(fake.finds, 1);
  EXPECT_EQ(std::vector<std::string>(fake.looked_up_names.begin() + 3, fake.looked_up_names.end()), three);
}

TEST_F(SoundBindingTest, AbsentLibraryLeavesEverySlotEmpty) {
  fake.installed = false;
  for (const char* script : {"4", "6", "6"}) {
    run(script);
    EXPECT_EQ(SoundLibrary.library, nullptr);
    EXPECT_EQ(SoundLibrary.play_sound, nullptr);
    EXPECT_EQ(SoundLibrary.stop_sound, nullptr);
    EXPECT_EQ(SoundLibrary.terminate_sounds, nullptr);
  }
  EXPECT_EQ(fake.load_calls, 3);
}

TEST_F(SoundBindingTest, LibraryInstalledLaterIsBoundAtTheNextUpdate) {
  fake.installed = false;
  run("4 6");
  fake.installed = true;
  run("6");
  EXPECT_NE(SoundLibrary.terminate_sounds, nullptr);
  run("12");
  EXPECT_EQ(fake.terminate_calls, 1);
  EXPECT_EQ(fake.references, 0);
  expect_no_misuse();
}

struct ModuleState {
  generated_runtime::SoundLibraryBinding binding;
  int display_switch;
  int reset_done;
  FakeSoundLibrary fake;
};

ModuleState capture_state() {
  ModuleState state{.binding = SoundLibrary, .display_switch = 0, .reset_done = 0, .fake = fake_sound_library()};
#if GENERATED_RUNTIME_DISPLAY_SWITCH
  state.display_switch = generated_runtime::DisplaySwitch;
  state.reset_done = generated_runtime::DisplaySwitchResetDone;
#endif
  return state;
}

class IgnoredServiceTest : public SoundBindingTest, public testing::WithParamInterface<std::uint32_t> {};

TEST_P(IgnoredServiceTest, ChangesNothing) {
  run("4 6");
#if GENERATED_RUNTIME_DISPLAY_SWITCH
  generated_runtime::DisplaySwitch = 1;
#endif
  const ModuleState before = capture_state();
  send_service(GetParam());
  const ModuleState after = capture_state();
  EXPECT_EQ(after.binding.library, before.binding.library);
  EXPECT_EQ(after.binding.play_sound, before.binding.play_sound);
  EXPECT_EQ(after.binding.stop_sound, before.binding.stop_sound);
  EXPECT_EQ(after.binding.terminate_sounds, before.binding.terminate_sounds);
  EXPECT_EQ(after.binding.references_held, before.binding.references_held);
  EXPECT_EQ(after.display_switch, before.display_switch);
  EXPECT_EQ(after.reset_done, before.reset_done);
  EXPECT_EQ(after.fake.finds, before.fake.finds);
  EXPECT_EQ(after.fake.load_calls, before.fake.load_calls);
  EXPECT_EQ(after.fake.look_ups, before.fake.look_ups);
  EXPECT_EQ(after.fake.releases, before.fake.releases);
  EXPECT_EQ(after.fake.terminate_calls, before.fake.terminate_calls);
}

std::vector<std::uint32_t> ignored_service_ids() {
  std::vector<std::uint32_t> ids = {0, 1, 2, 3, 5, 7, 8, 9, 11, 13, 0x80000000u, 0xFFFFFFFFu};
  // Without the display switch, service 10 has nothing to do either.
  if (!generated_runtime::kHasDisplaySwitch) ids.push_back(10);
  return ids;
}

INSTANTIATE_TEST_SUITE_P(ServiceIds, IgnoredServiceTest, testing::ValuesIn(ignored_service_ids()));

}  // namespace
