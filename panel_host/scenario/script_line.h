// One line of a scenario script, split into its command and arguments.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace panel_host {

// A script line that cannot be carried out; `what()` says why, the runner
// prefixes "line N: ".
class ScriptError : public std::runtime_error {
 public:
  explicit ScriptError(const std::string& message) : std::runtime_error(message) {}
};

struct ScriptLine {
  std::string command;
  std::vector<std::string> arguments;
};

// Splits on blanks; an empty command means a blank line or a comment.
ScriptLine split_script_line(std::string_view line);

// Argument parsers; each throws ScriptError naming the argument and the fault.
double parse_value(const std::string& text, const char* what);
std::int64_t parse_integer(const std::string& text, const char* what, std::int64_t min, std::int64_t max);

void expect_arguments(const ScriptLine& line, std::size_t min, std::size_t max, const char* usage);

}  // namespace panel_host
