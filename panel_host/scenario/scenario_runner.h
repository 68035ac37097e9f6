// Carries out scenario scripts against one gauge of one module, printing one
// JSON object per output line.
#pragma once

#include <functional>
#include <istream>
#include <ostream>
#include <string>

#include "core/host.h"
#include "report/json_text.h"

namespace panel_host {

class ScenarioRunner {
 public:
  // Loads the module and creates instance 1 of the gauge.
  ScenarioRunner(Host& host, std::string module_path, std::string gauge_name, std::ostream& out);
  // Kills every instance and unloads the module.
  ~ScenarioRunner();
  ScenarioRunner(const ScenarioRunner&) = delete;
  ScenarioRunner& operator=(const ScenarioRunner&) = delete;

  // Carries out one line; throws ScriptError (without the line number).
  void run_line(const std::string& line);
  // Carries out every line; throws HostError "line N: ..." at the first bad one.
  void run(std::istream& in);

  GaugeInstance* current() const { return current_; }
  LoadedModule& module() const { return *module_; }

 private:
  GaugeInstance& require_current() const;
  void print(const Json& event);
  void print_update(const char* event);

  Host& host_;
  std::string module_path_;
  std::string gauge_name_;
  std::ostream& out_;
  LoadedModule* module_ = nullptr;
  GaugeInstance* current_ = nullptr;
};

}  // namespace panel_host
