// Our platform layer: the few operating-system mechanisms a module and the
// host need, kept to mechanisms (find, load, look up, release a library; find
// a bitmap resource by id).
#pragma once

#include <cstddef>
#include <cstdint>

namespace gauge_platform {

using LibraryHandle = void*;
using LibraryEntry = void (*)();

// The dynamic-library services as a table, so that a caller can be handed a
// fake one in tests.
struct LibraryServices {
  // Handle of an already-loaded library, without taking a reference; null if
  // it is not loaded.
  LibraryHandle (*find_loaded)(const char* name);
  // Loads by name and takes a reference; null on failure.
  LibraryHandle (*load)(const char* name);
  // Looks up an exported function; null when absent or when the handle is null.
  LibraryEntry (*look_up)(LibraryHandle library, const char* name);
  // Gives one reference back; a null handle is ignored.
  void (*release)(LibraryHandle library);
};

// The operating system's services. A bare name such as "GaugeSound" means
// GaugeSound.so (GaugeSound.dll on Windows), looked for in the calling
// module's own folder first, then by the usual library search.
const LibraryServices& system_library_services();

// The address of an exported data record, null when absent.
void* find_data(LibraryHandle library, const char* name);

// From now on find_loaded and load treat these bare names (comma-separated)
// as not installed, in this process and the modules it loads.
void hide_libraries(const char* names);

// Loads a library by path for the host; on failure writes a reason into
// `error` (up to `error_size` bytes, NUL-terminated) and returns null.
LibraryHandle load_library_path(const char* path, char* error, std::size_t error_size);

// A bitmap resource of a loaded module: the bytes of an uncompressed BMP.
// `has_file_header` is false where the platform stores bitmaps without the
// 14-byte file header (Windows resources).
struct BitmapBytes {
  const unsigned char* data;
  std::size_t size;
  bool has_file_header;
};

// Finds bitmap `id` in `module`; {null, 0} when the module has none.
BitmapBytes find_bitmap(LibraryHandle module, std::int32_t id);

// Ids of every bitmap the module carries, in the module's list order; returns
// the number written (at most `capacity`) or, with a null `ids`, the count.
std::size_t list_bitmaps(LibraryHandle module, std::int32_t* ids, std::size_t capacity);

}  // namespace gauge_platform
