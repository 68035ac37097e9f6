// Runs `panel-host run` on a module with a script and reads back its events.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace gauge_test_support {

struct PanelHostRun {
  std::vector<nlohmann::json> events;
  int exit_status = -1;

  // The events of one kind, in output order.
  std::vector<nlohmann::json> of(const std::string& kind) const {
    std::vector<nlohmann::json> found;
    for (const nlohmann::json& event : events)
      if (event.value("event", "") == kind) found.push_back(event);
    return found;
  }
};

inline PanelHostRun run_panel_host(const std::string& host, const std::string& module, const std::string& gauge,
                                   const std::string& script, const std::string& options = "") {
  char script_path[] = "/tmp/panel-host-script-XXXXXX";
  const int descriptor = mkstemp(script_path);
  if (descriptor < 0) throw std::runtime_error("cannot create a script file");
  close(descriptor);
  std::ofstream(script_path) << script;
  const std::string command = "'" + host + "' run " + options + " '" + module + "' '" + gauge + "' " + script_path;
  PanelHostRun run;
  FILE* output = popen(command.c_str(), "r");
  if (output == nullptr) throw std::runtime_error("cannot run " + command);
  std::string line;
  for (int c; (c = std::fgetc(output)) != EOF;) {
    if (c != '\n') {
      line.push_back(static_cast<char>(c));
      continue;
    }
    run.events.push_back(nlohmann::json::parse(line));
    line.clear();
  }
  const int status = pclose(output);
  std::remove(script_path);
  run.exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

}  // namespace gauge_test_support
