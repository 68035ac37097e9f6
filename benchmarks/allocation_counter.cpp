#include "allocation_counter.h"

#include <atomic>
#include <cstddef>
#include <cstring>

#if defined(__SANITIZE_ADDRESS__)
#define BENCHMARKS_COUNT_ALLOCATIONS 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define BENCHMARKS_COUNT_ALLOCATIONS 0
#endif
#endif
#ifndef BENCHMARKS_COUNT_ALLOCATIONS
#define BENCHMARKS_COUNT_ALLOCATIONS 1
#endif

namespace {
std::atomic<std::uint64_t> g_allocations{0};
}

namespace benchmarks {
std::uint64_t allocations() { return g_allocations.load(std::memory_order_relaxed); }
bool counting_allocations() { return BENCHMARKS_COUNT_ALLOCATIONS != 0; }
}  // namespace benchmarks

#if BENCHMARKS_COUNT_ALLOCATIONS
// The C library's own allocator under its internal names; the program's
// definitions below take the place of malloc and friends for every library
// loaded into it, and count each call.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* pointer, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void* pointer);

__attribute__((visibility("default"))) void* malloc(std::size_t size) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  return __libc_malloc(size);
}
__attribute__((visibility("default"))) void* calloc(std::size_t count, std::size_t size) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  return __libc_calloc(count, size);
}
__attribute__((visibility("default"))) void* realloc(void* pointer, std::size_t size) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  return __libc_realloc(pointer, size);
}
__attribute__((visibility("default"))) void* memalign(std::size_t alignment, std::size_t size) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  return __libc_memalign(alignment, size);
}
__attribute__((visibility("default"))) void* aligned_alloc(std::size_t alignment, std::size_t size) {
  return memalign(alignment, size);
}
__attribute__((visibility("default"))) int posix_memalign(void** out, std::size_t alignment, std::size_t size) {
  void* pointer = memalign(alignment, size);
  if (pointer == nullptr) return 12;  // ENOMEM
  *out = pointer;
  return 0;
}
__attribute__((visibility("default"))) void free(void* pointer) { __libc_free(pointer); }
}
#endif
