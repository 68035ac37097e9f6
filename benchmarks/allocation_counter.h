// Counts the heap allocations of the whole process (C and C++, the host's
// libraries included), so a benchmark can show that a steady frame makes none.
#pragma once

#include <cstdint>

namespace benchmarks {

// Allocations so far; always 0 where counting is not available (sanitizer builds).
std::uint64_t allocations();
bool counting_allocations();

}  // namespace benchmarks
