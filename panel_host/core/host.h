// The panel host: host variables, loaded modules, gauge instances, the key
// events sent, and the service table the modules call.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "gauge_instance.h"
#include "loaded_module.h"

namespace panel_host {

struct KeyEvent {
  std::uint32_t id;
  std::uint32_t value;
};

class HostVariables {
 public:
  double get(std::uint32_t id) const {
    const auto found = values_.find(id);
    return id == 0 || found == values_.end() ? 0.0 : found->second;
  }
  void set(std::uint32_t id, double value) {
    if (id != 0) values_[id] = value;
  }

 private:
  std::unordered_map<std::uint32_t, double> values_;
};

// A call a module made into the host's service table, kept for inspection.
struct ServiceCall {
  const char* service;
  gauge_kit::ElementHeader* root;
  std::uint32_t value;
};

class Host {
 public:
  Host();
  ~Host();
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;

  // The host the service table reaches; there is one at a time.
  static Host* active();

  HostVariables& variables() { return variables_; }

  // Loads a module (once per path) and fills its import record.
  LoadedModule& load(const std::string& path);
  // Kills the module's instances, calls its deinit and unloads it.
  void unload(LoadedModule& module);

  // Creates and installs an instance of `gauge`; numbers run from 1 per host.
  GaugeInstance& create(LoadedModule& module, gauge_kit::GaugeHeader& gauge);
  GaugeInstance* instance(int number);
  std::vector<GaugeInstance*> live_instances();
  void restart_numbering() { next_number_ = 1; }

  std::vector<KeyEvent>& key_events() { return key_events_; }
  std::vector<ServiceCall>& service_calls() { return service_calls_; }

  // Failure keys that are active; elements listing one take its action.
  std::set<std::int32_t>& failed_keys() { return failed_keys_; }
  bool night = false;

  // The instance being driven right now (the one whose routine, callback or
  // service is running), so that the service table can find its tree.
  GaugeInstance* driving() const { return driving_.empty() ? nullptr : driving_.back(); }
  class Driving {
   public:
    Driving(Host& host, GaugeInstance& instance) : host_(host) { host_.driving_.push_back(&instance); }
    ~Driving() { host_.driving_.pop_back(); }
    Driving(const Driving&) = delete;
    Driving& operator=(const Driving&) = delete;

   private:
    Host& host_;
  };

  // The instance a service call acts on: the driving one when `root` is its
  // tree, else the first live instance whose gauge has that root.
  GaugeInstance* instance_for_root(gauge_kit::ElementHeader* root);

  static gauge_kit::HostServices* service_table();

 private:
  HostVariables variables_;
  std::vector<std::unique_ptr<LoadedModule>> modules_;
  std::vector<std::unique_ptr<GaugeInstance>> instances_;
  std::vector<GaugeInstance*> driving_;
  std::vector<KeyEvent> key_events_;
  std::vector<ServiceCall> service_calls_;
  std::set<std::int32_t> failed_keys_;
  int next_number_ = 1;
};

}  // namespace panel_host
