// A gauge module loaded into the host: its library, its records, and the
// import record the host has filled.
#pragma once

#include <string>
#include <vector>

#include "gauge_kit/host_interface.h"
#include "gauge_kit/platform.h"

namespace panel_host {

struct LinkageFields {
  std::uint32_t module_id;
  std::uint32_t flags;
  std::uint32_t status;
  std::uint32_t version;
};

class LoadedModule {
 public:
  // Loads `path`, checks its records, fills its import record with `services`
  // and calls module init. Throws HostError naming the file and the fault.
  LoadedModule(std::string path, gauge_kit::HostServices* services);
  ~LoadedModule();
  LoadedModule(const LoadedModule&) = delete;
  LoadedModule& operator=(const LoadedModule&) = delete;

  const std::string& path() const { return path_; }
  gauge_platform::LibraryHandle library() const { return library_; }
  const LinkageFields& linkage() const { return linkage_; }
  const std::vector<gauge_kit::GaugeHeader*>& gauges() const { return gauges_; }
  const gauge_kit::ImportTable& import_table() const { return *import_table_; }

  // The gauge named `name`; throws HostError when the module has none.
  gauge_kit::GaugeHeader& gauge(const std::string& name) const;

 private:
  std::string path_;
  gauge_platform::LibraryHandle library_ = nullptr;
  const void* linkage_record_ = nullptr;
  gauge_kit::ImportTable* import_table_ = nullptr;
  LinkageFields linkage_{};
  std::vector<gauge_kit::GaugeHeader*> gauges_;
};

}  // namespace panel_host
