// The module-wide display switch, the mouse callback that flips it and the
// two rules by which element callbacks follow it. Absent from modules built
// without the display switch.
#pragma once

#include <cstdint>

#include "gauge_kit/records.h"

#ifndef GENERATED_RUNTIME_DISPLAY_SWITCH
#error "build through generated_runtime_add_to, which chooses the runtime's form"
#endif

namespace generated_runtime {

inline constexpr bool kHasDisplaySwitch = GENERATED_RUNTIME_DISPLAY_SWITCH != 0;

#if GENERATED_RUNTIME_DISPLAY_SWITCH

// 0 (off) or 1 (on), shared by every instance of the module's gauge.
extern std::int32_t DisplaySwitch;
// Set by the first service 10, which forces the switch off once.
extern std::int32_t DisplaySwitchResetDone;

void reset_display_switch_once();

std::int32_t GAUGE_CALL ToggleDisplaySwitch(gauge_kit::PixelPoint* point, std::uint32_t mouse_flags);

// Switch gating: hides the element while the switch is off. The lit form
// also makes it bright.
void SwitchGatingLit(gauge_kit::ElementHeader* element);
void SwitchGatingPlain(gauge_kit::ElementHeader* element);

// Switch value: the switch as the element's value, 0.0 or 1.0. The lit form
// also makes the element bright.
double SwitchValueLit(gauge_kit::ElementHeader* element);
double SwitchValuePlain(gauge_kit::ElementHeader* element);

#endif

}  // namespace generated_runtime
