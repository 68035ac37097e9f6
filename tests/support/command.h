// Runs a shell command line from a test and collects what it prints.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace gauges_tests {

struct CommandResult {
  int status;          // exit status, or -1 when it did not exit normally
  std::string output;  // standard output
};

// Runs `command` through /bin/sh; standard error is left alone.
CommandResult run_command(const std::string& command);

// `text` as one single-quoted shell word.
std::string shell_quote(std::string_view text);

// The lines of `text`, without line ends (a trailing carriage return, as
// Windows programs write it, included).
std::vector<std::string> lines_of(std::string_view text);

}  // namespace gauges_tests
