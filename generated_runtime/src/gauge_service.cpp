#include "generated_runtime/gauge_service.h"

#include "generated_runtime/display_switch.h"
#include "generated_runtime/sound_library.h"

namespace generated_runtime {

void GAUGE_CALL RuntimeGaugeService(gauge_kit::GaugeHeader*, std::uint32_t service_id, std::uint32_t) {
  switch (service_id) {
    case kServiceInstall:
      bind_sound_library_if_unset();
      break;
    case kServiceUpdate:
      bind_sound_library_afresh();
      break;
    case kServiceDraw:
#if GENERATED_RUNTIME_DISPLAY_SWITCH
      reset_display_switch_once();
#endif
      break;
    case kServiceKill:
      bind_sound_library_afresh();
      terminate_and_release_sound_library();
      break;
    default:
      break;
  }
}

}  // namespace generated_runtime
