// The one error the host reports to its user: a message that names the file
// or line and what is wrong with it.
#pragma once

#include <stdexcept>
#include <string>

namespace panel_host {

class HostError : public std::runtime_error {
 public:
  explicit HostError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace panel_host
