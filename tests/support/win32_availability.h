// Tests of the win32 build skip when there is none (or no Wine to run it),
// unless GAUGES_REQUIRE_WIN32 is set to something other than 0: then a
// missing build fails them, so that CI cannot pass them by skipping.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string_view>

namespace gauges_tests {

inline bool win32_required() {
  const char* required = std::getenv("GAUGES_REQUIRE_WIN32");
  return required != nullptr && *required != '\0' && std::string_view(required) != "0";
}

}  // namespace gauges_tests

// Use as a statement: GAUGES_WIN32_UNAVAILABLE("no build at " << folder);
#define GAUGES_WIN32_UNAVAILABLE(why)                             \
  do {                                                            \
    if (gauges_tests::win32_required()) {                         \
      FAIL() << why << " (and GAUGES_REQUIRE_WIN32 is set)";      \
    } else {                                                      \
      GTEST_SKIP() << why;                                        \
    }                                                             \
  } while (false)
