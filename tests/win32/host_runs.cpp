#include "host_runs.h"

#include <unistd.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "command.h"
#include "conformance_paths.h"

namespace gauges_tests {

namespace fs = std::filesystem;

std::string read_file(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

fs::path work_file(const std::string& name) {
  fs::create_directories(kWorkFolder);
  return fs::path(kWorkFolder) / name;
}

HostRun run_host(const std::string& program, const char* folder, const std::string& arguments,
                 const fs::path& input, const fs::path& errors) {
  const std::string command = "cd " + shell_quote(folder) + " && " + program + " " + arguments + " < " +
                              shell_quote(input.string()) + " 2> " + shell_quote(errors.string());
  const CommandResult result = run_command(command);
  return {result.status, lines_of(result.output), read_file(errors)};
}

HostRun run_native(const std::string& label, const std::string& arguments) {
  const fs::path input = work_file(label + ".txt");
  std::ofstream(input, std::ios::binary).flush();
  return run_host(shell_quote(kNativeHost), kNativeGaugeFolder, arguments, input, work_file(label + ".native.err"));
}

nlohmann::json native_report(const std::string& module, const std::string& gauge) {
  std::string arguments = "inspect " + shell_quote(module + ".gau");
  if (!gauge.empty()) arguments += " " + shell_quote(gauge);
  // Tests run in parallel: the process id keeps their work files apart.
  const HostRun run = run_native("report_" + module + "_" + gauge + "_" + std::to_string(getpid()), arguments);
  if (run.status != 0) throw std::runtime_error("panel-host " + arguments + ": " + run.errors);
  std::string text;
  for (const std::string& line : run.lines) text += line + "\n";
  return nlohmann::json::parse(text);
}

}  // namespace gauges_tests
