#include "host.h"

#include <algorithm>

#include "host_error.h"

namespace panel_host {
namespace {

using gauge_kit::ElementHeader;

Host* g_active_host = nullptr;

// Records the call, then hands the step to the instance whose tree it is.
template <class Step>
void element_list_service(const char* name, ElementHeader* root, std::uint32_t value, Step step) {
  Host* host = Host::active();
  if (host == nullptr) return;
  host->service_calls().push_back({name, root, value});
  if (GaugeInstance* instance = host->instance_for_root(root)) step(*instance);
}

void GAUGE_CALL service_query(ElementHeader* root) {
  element_list_service("query", root, 0, [](GaugeInstance&) {});
}
void GAUGE_CALL service_install(ElementHeader* root, std::uint32_t value) {
  element_list_service("install", root, value, [](GaugeInstance& instance) { instance.install_elements(); });
}
void GAUGE_CALL service_initialise(ElementHeader* root) {
  element_list_service("initialise", root, 0, [](GaugeInstance& instance) { instance.initialise_elements(); });
}
void GAUGE_CALL service_update(ElementHeader* root) {
  element_list_service("update", root, 0, [](GaugeInstance& instance) { instance.update_elements(); });
}
void GAUGE_CALL service_generate(ElementHeader* root, std::uint32_t value) {
  element_list_service("generate", root, value, [](GaugeInstance&) {});
}
void GAUGE_CALL service_draw(ElementHeader* root) {
  element_list_service("draw", root, 0, [](GaugeInstance& instance) { instance.count_draw(); });
}
void GAUGE_CALL service_reserved(ElementHeader* root) {
  element_list_service("reserved", root, 0, [](GaugeInstance&) {});
}
void GAUGE_CALL service_kill(ElementHeader* root) {
  element_list_service("kill", root, 0, [](GaugeInstance& instance) { instance.kill_elements(); });
}
void GAUGE_CALL service_trigger_key_event(std::uint32_t key_event, std::uint32_t value) {
  if (Host* host = Host::active()) host->key_events().push_back({key_event, value});
}

gauge_kit::HostServices g_service_table = {
    .element_list_query = service_query,
    .element_list_install = service_install,
    .element_list_initialise = service_initialise,
    .element_list_update = service_update,
    .element_list_generate = service_generate,
    .element_list_draw = service_draw,
    .element_list_reserved = service_reserved,
    .element_list_kill = service_kill,
    .trigger_key_event = service_trigger_key_event,
};

}  // namespace

Host::Host() {
  if (g_active_host != nullptr) throw HostError("only one panel host may run at a time");
  g_active_host = this;
}

Host::~Host() {
  for (auto& instance : instances_)
    if (instance->alive()) instance->kill();
  instances_.clear();
  while (!modules_.empty()) modules_.pop_back();
  g_active_host = nullptr;
}

Host* Host::active() { return g_active_host; }

gauge_kit::HostServices* Host::service_table() { return &g_service_table; }

LoadedModule& Host::load(const std::string& path) {
  for (auto& module : modules_)
    if (module->path() == path) return *module;
  modules_.push_back(std::make_unique<LoadedModule>(path, &g_service_table));
  return *modules_.back();
}

void Host::unload(LoadedModule& module) {
  for (auto& instance : instances_)
    if (&instance->module() == &module && instance->alive()) instance->kill();
  std::erase_if(instances_, [&](const auto& instance) { return &instance->module() == &module; });
  std::erase_if(modules_, [&](const auto& loaded) { return loaded.get() == &module; });
}

GaugeInstance& Host::create(LoadedModule& module, gauge_kit::GaugeHeader& gauge) {
  instances_.push_back(std::make_unique<GaugeInstance>(*this, module, gauge, next_number_));
  ++next_number_;
  GaugeInstance& instance = *instances_.back();
  instance.create();
  return instance;
}

GaugeInstance* Host::instance(int number) {
  for (auto& instance : instances_)
    if (instance->number() == number) return instance.get();
  return nullptr;
}

std::vector<GaugeInstance*> Host::live_instances() {
  std::vector<GaugeInstance*> live;
  for (auto& instance : instances_)
    if (instance->alive()) live.push_back(instance.get());
  return live;
}

GaugeInstance* Host::instance_for_root(ElementHeader* root) {
  if (GaugeInstance* current = driving(); current != nullptr && current->root() == root) return current;
  for (auto& instance : instances_)
    if (instance->alive() && instance->root() == root) return instance.get();
  return nullptr;
}

}  // namespace panel_host
