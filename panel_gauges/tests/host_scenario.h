// Runs scenario scripts on a Corvel1 gauge through the `panel-host run`
// command, as a user would, and hands back its JSON lines.
#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>
#include <vector>

namespace corvel1_test {

struct ScenarioRun {
  int exit_status;
  std::vector<nlohmann::json> lines;
  std::string errors;  // what the host wrote to stderr
};

ScenarioRun run_scenario(std::string_view gauge, std::string_view script);

}  // namespace corvel1_test
