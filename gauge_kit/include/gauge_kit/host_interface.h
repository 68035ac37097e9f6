// The two records a module exports, and the host's service table that the
// host writes into the import record.
#pragma once

#include <cstddef>
#include <cstdint>

#include "gauge_kit/records.h"

namespace gauge_kit {

inline constexpr std::uint32_t kModuleId = 0x13;
inline constexpr std::uint32_t kLinkageVersion700 = 0;
inline constexpr std::uint32_t kLinkageVersion800 = 0x800;
inline constexpr std::uint32_t kImportHostServices = 0x0F;

using ModuleRoutine = void(GAUGE_CALL*)();

// Gauge headers follow the fixed fields, ended by a null pointer; the count
// (null included) comes from the initializer.
template <std::size_t GaugeSlots>
struct Linkage {
  std::uint32_t module_id;
  ModuleRoutine module_init;
  ModuleRoutine module_deinit;
  std::uint32_t flags;
  std::uint32_t status;
  std::uint32_t version;
  GaugeHeader* gauges[GaugeSlots];
};

// The fixed part as the host reads it, whatever the number of gauges.
using LinkagePrefix = Linkage<1>;

inline GaugeHeader* const* linkage_gauges(const void* linkage) {
  return reinterpret_cast<GaugeHeader* const*>(static_cast<const unsigned char*>(linkage) +
                                               offsetof(LinkagePrefix, gauges));
}

// The host's service table, in the order the host lays it out.
struct HostServices {
  void(GAUGE_CALL* element_list_query)(ElementHeader* root);
  void(GAUGE_CALL* element_list_install)(ElementHeader* root, std::uint32_t value);
  void(GAUGE_CALL* element_list_initialise)(ElementHeader* root);
  void(GAUGE_CALL* element_list_update)(ElementHeader* root);
  void(GAUGE_CALL* element_list_generate)(ElementHeader* root, std::uint32_t value);
  void(GAUGE_CALL* element_list_draw)(ElementHeader* root);
  void(GAUGE_CALL* element_list_reserved)(ElementHeader* root);  // never called by modules
  void(GAUGE_CALL* element_list_kill)(ElementHeader* root);
  void(GAUGE_CALL* trigger_key_event)(std::uint32_t key_event, std::uint32_t value);
};

struct ImportEntry {
  std::uint32_t id;
  HostServices* table;
};

struct ImportTable {
  ImportEntry host_services;  // id 0x0F, filled by the host
  ImportEntry end;            // {0, null}
};

// Reasons the operating system gives the library entry.
enum ModuleEntryReason : std::uint32_t {
  kProcessDetach = 0,
  kProcessAttach = 1,
  kThreadAttach = 2,
  kThreadDetach = 3,
};

}  // namespace gauge_kit

// Every module defines its library entry under this name; our platform layer
// (or the Windows loader) calls it.
extern "C" std::int32_t GAUGE_CALL GaugeModuleEntry(void* module, std::uint32_t reason,
                                                    void* reserved);
