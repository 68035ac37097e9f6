#include "generated_runtime/display_switch.h"

namespace generated_runtime {

using gauge_kit::kImageBright;
using gauge_kit::kImageHidden;

std::int32_t DisplaySwitch = 0;
std::int32_t DisplaySwitchResetDone = 0;

void reset_display_switch_once() {
  if (DisplaySwitchResetDone != 0) return;
  DisplaySwitchResetDone = 1;
  DisplaySwitch = 0;
}

std::int32_t GAUGE_CALL ToggleDisplaySwitch(gauge_kit::PixelPoint*, std::uint32_t) {
  DisplaySwitch = DisplaySwitch == 0 ? 1 : 0;
  return 0;
}

void SwitchGatingPlain(gauge_kit::ElementHeader* element) {
  if (DisplaySwitch != 0)
    element->image_flags &= ~kImageHidden;
  else
    element->image_flags |= kImageHidden;
}

void SwitchGatingLit(gauge_kit::ElementHeader* element) {
  element->image_flags |= kImageBright;
  SwitchGatingPlain(element);
}

double SwitchValuePlain(gauge_kit::ElementHeader*) { return static_cast<double>(DisplaySwitch); }

double SwitchValueLit(gauge_kit::ElementHeader* element) {
  element->image_flags |= kImageBright;
  return static_cast<double>(DisplaySwitch);
}

}  // namespace generated_runtime
