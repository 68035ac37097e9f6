// Windows side of the platform layer: the loader's library services and the
// module's bitmap resources.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "gauge_kit/platform.h"

namespace gauge_platform {
namespace {

// Names listed here (comma-separated) are treated as not installed; the panel
// host uses it to run gauges without their optional libraries.
// The process environment rather than the C runtime's copy, so that the host
// and every module see the same list whichever runtime each was built with.
constexpr const char* kHiddenLibrariesVariable = "GAUGE_PLATFORM_HIDDEN_LIBRARIES";

bool hidden_by_environment(const char* name) {
  char hidden[1024];
  const DWORD stored = GetEnvironmentVariableA(kHiddenLibrariesVariable, hidden, sizeof hidden);
  if (stored == 0 || stored >= sizeof hidden) return false;
  const std::size_t length = std::strlen(name);
  for (const char* item = hidden; *item != '\0';) {
    const char* comma = std::strchr(item, ',');
    const std::size_t item_length = comma ? static_cast<std::size_t>(comma - item) : std::strlen(item);
    if (item_length == length && _strnicmp(item, name, length) == 0) return true;
    if (comma == nullptr) break;
    item = comma + 1;
  }
  return false;
}

bool is_bare_name(const char* name) {
  return std::strchr(name, '\\') == nullptr && std::strchr(name, '/') == nullptr;
}

// "<folder of the module calling us>\<name>.dll", false if it does not fit.
bool path_beside_self(const char* name, char* out, std::size_t capacity) {
  HMODULE self = nullptr;
  if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                          reinterpret_cast<LPCSTR>(&path_beside_self), &self))
    return false;
  char module_path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(self, module_path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return false;
  const char* separator = std::strrchr(module_path, '\\');
  if (const char* slash = std::strrchr(module_path, '/'); slash > separator) separator = slash;
  if (separator == nullptr) return false;
  const int folder = static_cast<int>(separator - module_path);
  const int written = std::snprintf(out, capacity, "%.*s\\%s.dll", folder, module_path, name);
  return written > 0 && static_cast<std::size_t>(written) < capacity;
}

// Calls open(path) for the module's own folder, then by the bare name, which
// Windows looks for in the application's folder, the system folders and PATH.
template <class Open>
LibraryHandle open_by_name(const char* name, Open open) {
  if (hidden_by_environment(name)) return nullptr;
  if (is_bare_name(name)) {
    char path[MAX_PATH];
    if (path_beside_self(name, path, sizeof path)) {
      if (HMODULE handle = open(path)) return handle;
    }
  }
  return open(name);
}

LibraryHandle find_loaded(const char* name) {
  // GetModuleHandleA takes no reference.
  return open_by_name(name, [](const char* path) { return GetModuleHandleA(path); });
}

LibraryHandle load(const char* name) {
  return open_by_name(name, [](const char* path) { return LoadLibraryA(path); });
}

FARPROC export_of(LibraryHandle library, const char* name) {
  if (library == nullptr) return nullptr;
  return GetProcAddress(static_cast<HMODULE>(library), name);
}

LibraryEntry look_up(LibraryHandle library, const char* name) {
  return reinterpret_cast<LibraryEntry>(export_of(library, name));
}

void release(LibraryHandle library) {
  if (library != nullptr) FreeLibrary(static_cast<HMODULE>(library));
}

constexpr LibraryServices kSystemServices = {
    .find_loaded = find_loaded,
    .load = load,
    .look_up = look_up,
    .release = release,
};

// Resource ids are small integers passed in place of a name.
LPCSTR resource_id(std::int32_t id) {
  return MAKEINTRESOURCEA(static_cast<WORD>(id));
}

bool is_resource_id(std::int32_t id) { return id > 0 && id <= 0xFFFF; }

struct BitmapList {
  std::int32_t* ids;
  std::size_t capacity;
  std::size_t count;
};

BOOL CALLBACK collect_bitmap(HMODULE, LPCSTR, LPSTR name, LONG_PTR context) {
  auto& list = *reinterpret_cast<BitmapList*>(context);
  // Only numbered resources are ours; named ones are skipped.
  if (!IS_INTRESOURCE(name)) return TRUE;
  if (list.ids != nullptr) {
    if (list.count == list.capacity) return FALSE;
    list.ids[list.count] = static_cast<std::int32_t>(reinterpret_cast<ULONG_PTR>(name));
  }
  ++list.count;
  return TRUE;
}

// The system's text for an error code, without its line break.
void describe_error(DWORD code, char* out, std::size_t capacity) {
  char reason[256] = "";
  DWORD end = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, reason,
                             sizeof reason, nullptr);
  while (end > 0 && (reason[end - 1] == '\n' || reason[end - 1] == '\r' || reason[end - 1] == ' ')) --end;
  reason[end] = '\0';
  const unsigned long number = code;
  if (end > 0)
    std::snprintf(out, capacity, "%s (error %lu)", reason, number);
  else
    std::snprintf(out, capacity, "cannot be loaded (error %lu)", number);
}

}  // namespace

const LibraryServices& system_library_services() { return kSystemServices; }

LibraryHandle load_library_path(const char* path, char* error, std::size_t error_size) {
  // A relative path means the file under the current folder, as on Linux;
  // given as is, LoadLibraryA would search the program's folder and PATH.
  char full_path[MAX_PATH];
  const DWORD full_length = GetFullPathNameA(path, MAX_PATH, full_path, nullptr);
  if (full_length > 0 && full_length < MAX_PATH) path = full_path;
  const UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  HMODULE handle = LoadLibraryA(path);
  const DWORD code = GetLastError();
  SetErrorMode(previous);
  if (handle == nullptr && error != nullptr && error_size > 0) describe_error(code, error, error_size);
  return handle;
}

void hide_libraries(const char* names) { SetEnvironmentVariableA(kHiddenLibrariesVariable, names); }

void* find_data(LibraryHandle library, const char* name) {
  return reinterpret_cast<void*>(export_of(library, name));
}

BitmapBytes find_bitmap(LibraryHandle module, std::int32_t id) {
  if (module == nullptr || !is_resource_id(id)) return {nullptr, 0, false};
  HMODULE handle = static_cast<HMODULE>(module);
  HRSRC resource = FindResourceA(handle, resource_id(id), RT_BITMAP);
  if (resource == nullptr) return {nullptr, 0, false};
  HGLOBAL loaded = LoadResource(handle, resource);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (bytes == nullptr) return {nullptr, 0, false};
  return {static_cast<const unsigned char*>(bytes), SizeofResource(handle, resource), false};
}

std::size_t list_bitmaps(LibraryHandle module, std::int32_t* ids, std::size_t capacity) {
  if (module == nullptr) return 0;
  BitmapList list{ids, capacity, 0};
  // Windows lists numbered resources in ascending id order.
  EnumResourceNamesA(static_cast<HMODULE>(module), RT_BITMAP, collect_bitmap,
                     reinterpret_cast<LONG_PTR>(&list));
  return list.count;
}

}  // namespace gauge_platform
