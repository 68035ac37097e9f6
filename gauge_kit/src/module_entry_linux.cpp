// Linux stand-in for the Windows loader's library entry notifications: the
// module's entry hears of process attach when the module is mapped and of
// process detach when it is unmapped.
#include "gauge_kit/host_interface.h"

namespace {

__attribute__((constructor)) void notify_attach() {
  GaugeModuleEntry(nullptr, gauge_kit::kProcessAttach, nullptr);
}

__attribute__((destructor)) void notify_detach() {
  GaugeModuleEntry(nullptr, gauge_kit::kProcessDetach, nullptr);
}

}  // namespace
