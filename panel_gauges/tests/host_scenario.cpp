#include "host_scenario.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace corvel1_test {
namespace {

// A file in the temporary folder, removed when it goes out of scope.
class TemporaryFile {
 public:
  TemporaryFile() {
    const char* folder = std::getenv("TMPDIR");
    path_ = std::string(folder != nullptr ? folder : "/tmp") + "/corvel1-scenario-XXXXXX";
    const int descriptor = mkstemp(path_.data());
    if (descriptor < 0) throw std::runtime_error("cannot create " + path_);
    close(descriptor);
  }
  ~TemporaryFile() { std::remove(path_.c_str()); }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

std::string shell_quoted(std::string_view text) {
  std::string out = "'";
  for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

}  // namespace

ScenarioRun run_scenario(std::string_view gauge, std::string_view script) {
  TemporaryFile script_file;
  TemporaryFile error_file;
  std::ofstream(script_file.path()) << script;

  const std::string command = shell_quoted(PANEL_HOST) + " run " + shell_quoted(CORVEL1_MODULE) + " " + shell_quoted(gauge) + " " +
                              shell_quoted(script_file.path()) + " 2>" + shell_quoted(error_file.path());
  FILE* host = popen(command.c_str(), "r");
  if (host == nullptr) throw std::runtime_error("cannot run " + command);
  std::string output;
  char buffer[4096];
  for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, host)) > 0;) output.append(buffer, read);
  const int status = pclose(host);

  ScenarioRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, {}, {}};
  std::stringstream lines(output);
  for (std::string line; std::getline(lines, line);) run.lines.push_back(nlohmann::json::parse(line));
  std::stringstream errors;
  errors << std::ifstream(error_file.path()).rdbuf();
  run.errors = errors.str();
  return run;
}

}  // namespace corvel1_test
