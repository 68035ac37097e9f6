// Linux side of the platform layer: dlopen and friends.
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "gauge_kit/bitmap_directory.h"
#include "gauge_kit/platform.h"

namespace gauge_platform {
namespace {

constexpr std::size_t kPathCapacity = 4096;

// Names listed here (comma-separated) are treated as not installed; the panel
// host uses it to run gauges without their optional libraries.
bool hidden_by_environment(const char* name) {
  const char* hidden = std::getenv("GAUGE_PLATFORM_HIDDEN_LIBRARIES");
  if (hidden == nullptr) return false;
  const std::size_t length = std::strlen(name);
  for (const char* item = hidden; *item != '\0';) {
    const char* comma = std::strchr(item, ',');
    const std::size_t item_length = comma ? static_cast<std::size_t>(comma - item) : std::strlen(item);
    if (item_length == length && std::strncmp(item, name, length) == 0) return true;
    if (comma == nullptr) break;
    item = comma + 1;
  }
  return false;
}

bool is_bare_name(const char* name) { return std::strchr(name, '/') == nullptr; }

// "<folder of the code calling us>/<name>.so", false if it does not fit.
bool path_beside_self(const char* name, char* out, std::size_t capacity) {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&path_beside_self), &info) == 0 || info.dli_fname == nullptr)
    return false;
  const char* slash = std::strrchr(info.dli_fname, '/');
  const int folder = slash ? static_cast<int>(slash - info.dli_fname) : 1;
  const char* folder_text = slash ? info.dli_fname : ".";
  const int written = std::snprintf(out, capacity, "%.*s/%s.so", folder, folder_text, name);
  return written > 0 && static_cast<std::size_t>(written) < capacity;
}

// Calls open(path, flags) for the module's own folder, then the usual search.
LibraryHandle open_by_name(const char* name, int flags) {
  if (hidden_by_environment(name)) return nullptr;
  if (!is_bare_name(name)) return dlopen(name, flags);
  char path[kPathCapacity];
  if (path_beside_self(name, path, sizeof path)) {
    if (LibraryHandle handle = dlopen(path, flags)) return handle;
  }
  if (std::snprintf(path, sizeof path, "%s.so", name) >= static_cast<int>(sizeof path)) return nullptr;
  return dlopen(path, flags);
}

LibraryHandle find_loaded(const char* name) {
  LibraryHandle handle = open_by_name(name, RTLD_NOW | RTLD_NOLOAD);
  // A successful RTLD_NOLOAD takes a reference; finding must not.
  if (handle != nullptr) dlclose(handle);
  return handle;
}

LibraryHandle load(const char* name) { return open_by_name(name, RTLD_NOW | RTLD_LOCAL); }

LibraryEntry look_up(LibraryHandle library, const char* name) {
  if (library == nullptr) return nullptr;
  return reinterpret_cast<LibraryEntry>(dlsym(library, name));
}

void release(LibraryHandle library) {
  if (library != nullptr) dlclose(library);
}

constexpr LibraryServices kSystemServices = {
    .find_loaded = find_loaded,
    .load = load,
    .look_up = look_up,
    .release = release,
};

const gauge_kit::BitmapDirectory* directory_of(LibraryHandle module) {
  if (module == nullptr) return nullptr;
  return static_cast<const gauge_kit::BitmapDirectory*>(dlsym(module, gauge_kit::kBitmapDirectorySymbol));
}

}  // namespace

const LibraryServices& system_library_services() { return kSystemServices; }

LibraryHandle load_library_path(const char* path, char* error, std::size_t error_size) {
  char local[kPathCapacity];
  // dlopen searches the library path for names without a slash.
  if (is_bare_name(path) && std::snprintf(local, sizeof local, "./%s", path) < static_cast<int>(sizeof local))
    path = local;
  LibraryHandle handle = dlopen(path, RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr && error != nullptr && error_size > 0) {
    const char* reason = dlerror();
    std::snprintf(error, error_size, "%s", reason ? reason : "cannot be loaded");
  }
  return handle;
}

void hide_libraries(const char* names) { setenv("GAUGE_PLATFORM_HIDDEN_LIBRARIES", names, 1); }

void* find_data(LibraryHandle library, const char* name) {
  return library == nullptr ? nullptr : dlsym(library, name);
}

BitmapBytes find_bitmap(LibraryHandle module, std::int32_t id) {
  const gauge_kit::BitmapDirectory* directory = directory_of(module);
  if (directory == nullptr) return {nullptr, 0, true};
  for (std::uint32_t i = 0; i < directory->count; ++i) {
    const gauge_kit::BitmapResource& bitmap = directory->bitmaps[i];
    if (bitmap.id == id)
      return {bitmap.begin, static_cast<std::size_t>(bitmap.end - bitmap.begin), true};
  }
  return {nullptr, 0, true};
}

std::size_t list_bitmaps(LibraryHandle module, std::int32_t* ids, std::size_t capacity) {
  const gauge_kit::BitmapDirectory* directory = directory_of(module);
  if (directory == nullptr) return 0;
  if (ids == nullptr) return directory->count;
  std::size_t written = 0;
  for (; written < directory->count && written < capacity; ++written) ids[written] = directory->bitmaps[written].id;
  return written;
}

}  // namespace gauge_platform
