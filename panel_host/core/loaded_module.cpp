#include "loaded_module.h"

#include <cstring>
#include <filesystem>

#include "host_error.h"
#include "record_checks.h"

namespace panel_host {
namespace {

constexpr std::size_t kMaxGauges = 256;

}  // namespace

LoadedModule::LoadedModule(std::string path, gauge_kit::HostServices* services) : path_(std::move(path)) {
  std::error_code error;
  if (!std::filesystem::exists(path_, error)) throw HostError(path_ + ": no such file");
  if (std::filesystem::is_directory(path_, error)) throw HostError(path_ + ": is a directory, not a gauge module");
  char reason[512] = {};
  library_ = gauge_platform::load_library_path(path_.c_str(), reason, sizeof reason);
  if (library_ == nullptr) throw HostError(path_ + ": not a loadable gauge module (" + reason + ")");
  try {
    linkage_record_ = gauge_platform::find_data(library_, "Linkage");
    if (linkage_record_ == nullptr) throw HostError(path_ + ": exports no Linkage record");
    import_table_ = static_cast<gauge_kit::ImportTable*>(gauge_platform::find_data(library_, "ImportTable"));
    if (import_table_ == nullptr) throw HostError(path_ + ": exports no ImportTable record");
    const auto* fields = static_cast<const gauge_kit::LinkagePrefix*>(linkage_record_);
    linkage_ = {fields->module_id, fields->flags, fields->status, fields->version};
    if (linkage_.module_id != gauge_kit::kModuleId)
      throw HostError(path_ + ": Linkage has module id " + std::to_string(linkage_.module_id) + ", expected 19 (0x13)");
    gauge_kit::GaugeHeader* const* list = gauge_kit::linkage_gauges(linkage_record_);
    for (std::size_t i = 0; list[i] != nullptr; ++i) {
      if (i == kMaxGauges) throw HostError(path_ + ": Linkage lists more than 256 gauges (no end marker?)");
      check_gauge_header(path_, *list[i]);
      gauges_.push_back(list[i]);
    }
    // The host's service table goes into every entry that asks for it, before
    // any routine runs.
    if (import_table_->host_services.id == gauge_kit::kImportHostServices) import_table_->host_services.table = services;
    if (fields->module_init != nullptr) fields->module_init();
  } catch (...) {
    gauge_platform::system_library_services().release(library_);
    throw;
  }
}

LoadedModule::~LoadedModule() {
  const auto* fields = static_cast<const gauge_kit::LinkagePrefix*>(linkage_record_);
  if (fields->module_deinit != nullptr) fields->module_deinit();
  gauge_platform::system_library_services().release(library_);
}

gauge_kit::GaugeHeader& LoadedModule::gauge(const std::string& name) const {
  for (gauge_kit::GaugeHeader* header : gauges_)
    if (name == header->name) return *header;
  std::string known;
  for (gauge_kit::GaugeHeader* header : gauges_) known += (known.empty() ? "" : ", ") + std::string(header->name);
  throw HostError(path_ + ": no gauge named \"" + name + "\" (the module has: " + known + ")");
}

}  // namespace panel_host
