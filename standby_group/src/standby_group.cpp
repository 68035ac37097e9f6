// "ID_Ombra_Group": a standby vertical-speed indicator with its on/off
// switch, and a pendulum pointer that does not depend on the switch.
#include <iterator>

#include "generated_runtime/display_switch.h"
#include "generated_runtime/gauge_service.h"
#include "generated_runtime/module_record.h"
#include "generated_runtime/text_format.h"

namespace {

using namespace gauge_kit;
using generated_runtime::clamp_upper_then_lower;
using generated_runtime::RuntimeGaugeService;
using generated_runtime::ToggleDisplaySwitch;

constexpr double kFeetToMetres = 0.3048;

double GAUGE_CALL StandbyGroupSwitchIconCallback(ElementHeader* element) {
  return generated_runtime::SwitchValuePlain(element);
}

double GAUGE_CALL StandbyGroupFaceIconCallback(ElementHeader* element) {
  return generated_runtime::SwitchValueLit(element);
}

double GAUGE_CALL StandbyGroupVerticalSpeedCallback(ElementHeader* element) {
  const double feet = element_as<NeedleElement>(element).source.value;
  generated_runtime::SwitchGatingLit(element);
  return clamp_upper_then_lower(feet * kFeetToMetres, -20.0, 20.0);
}

double GAUGE_CALL StandbyGroupPendulumCallback(ElementHeader* element) {
  const double swing = element_as<NeedleElement>(element).source.value;
  element->image_flags |= kImageBright;
  return clamp_upper_then_lower(swing, -127.0, 127.0);
}


// Every element's failure list holds only its end record.
FailureRecord NoFailures[] = {
    {.key = 0, .action = 0, .reserved = 0},
};

// A tooltip text record's argument list, empty: one all-zero entry.
TooltipArgument NoTooltipArguments[] = {
    {.variable_id = 0, .format = 0, .callback = nullptr},
};

// Metres per second: the climbs first, then the descents.
NonlinearityPoint StandbyGroupVerticalSpeedScale[] = {
    {
        .x = 218,
        .y = 54,
        .value = 0.0,
        .angle = 0.0,
    },
    {
        .x = 221,
        .y = 36,
        .value = 1.0,
        .angle = 0.0,
    },
    {
        .x = 233,
        .y = 20,
        .value = 2.0,
        .angle = 0.0,
    },
    {
        .x = 252,
        .y = 14,
        .value = 3.0,
        .angle = 0.0,
    },
    {
        .x = 270,
        .y = 17,
        .value = 4.0,
        .angle = 0.0,
    },
    {
        .x = 287,
        .y = 28,
        .value = 5.0,
        .angle = 0.0,
    },
    {
        .x = 295,
        .y = 42,
        .value = 20.0,
        .angle = 0.0,
    },
    {
        .x = 221,
        .y = 75,
        .value = -1.0,
        .angle = 0.0,
    },
    {
        .x = 235,
        .y = 89,
        .value = -2.0,
        .angle = 0.0,
    },
    {
        .x = 253,
        .y = 94,
        .value = -3.0,
        .angle = 0.0,
    },
    {
        .x = 272,
        .y = 92,
        .value = -4.0,
        .angle = 0.0,
    },
    {
        .x = 287,
        .y = 80,
        .value = -5.0,
        .angle = 0.0,
    },
    {
        .x = 296,
        .y = 63,
        .value = -20.0,
        .angle = 0.0,
    },
};

NonlinearityPoint StandbyGroupPendulumScale[] = {
    {
        .x = 180,
        .y = 79,
        .value = 127.0,
        .angle = 0.0,
    },
    {
        .x = 161,
        .y = 81,
        .value = 0.0,
        .angle = 0.0,
    },
    {
        .x = 139,
        .y = 79,
        .value = -127.0,
        .angle = 0.0,
    },
};

NeedleElement StandbyGroupPendulum = {
    .header =
        {
            .kind = ElementKind::Needle,
            .bitmap_id = 5376,  // 0x1500
            .position = {.x = 162, .y = 7},
            .pivot = {.x = 72, .y = 5},
            .gauge = &generated_runtime::ModuleGauge,
            .children = nullptr,
            .failures = NoFailures,
            .image_flags = 0x83,
            .special_flags = 0,
        },
    .source = {.id = 69},  // 0x45
    .scale = StandbyGroupPendulumScale,
    .scale_points = static_cast<std::uint32_t>(std::size(StandbyGroupPendulumScale)),
    .max_degrees_per_tick = 0,
    .callback = StandbyGroupPendulumCallback,
};

ElementHeader* StandbyGroupVerticalSpeedNeedleChildren[] = {&StandbyGroupPendulum.header, nullptr};

NeedleElement StandbyGroupVerticalSpeedNeedle = {
    .header =
        {
            .kind = ElementKind::Needle,
            .bitmap_id = 4864,  // 0x1300
            .position = {.x = 258, .y = 53},
            .pivot = {.x = -6, .y = 5},
            .gauge = &generated_runtime::ModuleGauge,
            .children = StandbyGroupVerticalSpeedNeedleChildren,
            .failures = NoFailures,
            .image_flags = 0x83,
            .special_flags = 0,
        },
    .source = {.id = 556},  // 0x22C
    .scale = StandbyGroupVerticalSpeedScale,
    .scale_points = static_cast<std::uint32_t>(std::size(StandbyGroupVerticalSpeedScale)),
    .max_degrees_per_tick = 0,
    .callback = StandbyGroupVerticalSpeedCallback,
};

ElementHeader* StandbyGroupFaceChildren[] = {&StandbyGroupVerticalSpeedNeedle.header, nullptr};

IconElement StandbyGroupFace = {
    .header =
        {
            .kind = ElementKind::Icon,
            .bitmap_id = 4608,  // 0x1200
            .position = {.x = 204, .y = 1},
            .pivot = {.x = 0, .y = 0},
            .gauge = &generated_runtime::ModuleGauge,
            .children = StandbyGroupFaceChildren,
            .failures = NoFailures,
            .image_flags = 0x83,
            .special_flags = 0,
        },
    .source = {.id = 0},
    .switch_type = 3,
    .icon_count = 2,
    .scale = 0.0,
    .offset = 0,
    .callback = StandbyGroupFaceIconCallback,
};

ElementHeader* StandbyGroupSwitchChildren[] = {&StandbyGroupFace.header, nullptr};

IconElement StandbyGroupSwitch = {
    .header =
        {
            .kind = ElementKind::Icon,
            .bitmap_id = 4352,  // 0x1100
            .position = {.x = 3, .y = 52},
            .pivot = {.x = 0, .y = 0},
            .gauge = &generated_runtime::ModuleGauge,
            .children = StandbyGroupSwitchChildren,
            .failures = NoFailures,
            .image_flags = 0x83,
            .special_flags = 0,
        },
    .source = {.id = 0},
    .switch_type = 3,
    .icon_count = 2,
    .scale = 0.0,
    .offset = 0,
    .callback = StandbyGroupSwitchIconCallback,
};

ElementHeader* StandbyGroupPanelChildren[] = {&StandbyGroupSwitch.header, nullptr};

StaticImageElement StandbyGroupPanel = {
    .header =
        {
            .kind = ElementKind::StaticImage,
            .bitmap_id = 5120,  // 0x1400
            .position = {.x = 0, .y = 0},
            .pivot = {.x = 0, .y = 0},
            .gauge = &generated_runtime::ModuleGauge,
            .children = StandbyGroupPanelChildren,
            .failures = NoFailures,
            .image_flags = 0x83,
            .special_flags = 0,
        },
};

ElementHeader* StandbyGroupElementList[] = {&StandbyGroupPanel.header};

MouseRect StandbyGroupMouse[] = {
    {
        .kind = MouseRectKind::Parent,
        .x = 0,
        .y = 0,
        .width = 0,
        .height = 0,
        .cursor = -1,
        .tooltip_id = 0,
        .mouse_flags = 0,
        .key_event = 0,
        .target = {.callback = nullptr},
        .data = nullptr,
    },
    {
        .kind = MouseRectKind::TooltipText,
        .x = 0,
        .y = 0,
        .width = 0,
        .height = 0,
        .cursor = -1,
        .tooltip_id = 0,
        .mouse_flags = 0,
        .key_event = 0,
        .target = {.tooltip_text = "standby VSI switch"},
        .data = NoTooltipArguments,
    },
    {
        .kind = MouseRectKind::Child,
        .x = 1,
        .y = 20,
        .width = 28,
        .height = 72,
        .cursor = 5,
        .tooltip_id = 0,
        .mouse_flags = 0x20000000,
        .key_event = 0,
        .target = {.callback = ToggleDisplaySwitch},
        .data = nullptr,
    },
    {
        .kind = MouseRectKind::EndOfParent,
        .x = 0,
        .y = 0,
        .width = 0,
        .height = 0,
        .cursor = -1,
        .tooltip_id = 0,
        .mouse_flags = 0,
        .key_event = 0,
        .target = {.callback = nullptr},
        .data = nullptr,
    },
    {
        .kind = MouseRectKind::EndOfList,
        .x = 0,
        .y = 0,
        .width = 0,
        .height = 0,
        .cursor = -1,
        .tooltip_id = 0,
        .mouse_flags = 0,
        .key_event = 0,
        .target = {.callback = nullptr},
        .data = nullptr,
    },
};

}  // namespace

GaugeHeader generated_runtime::ModuleGauge = {
    .version = kHeaderVersion800,
    .name = "ID_Ombra_Group",
    .element_list = StandbyGroupElementList,
    .query = nullptr,
    .install = nullptr,
    .initialise = nullptr,
    .update = nullptr,
    .generate = nullptr,
    .draw = nullptr,
    .kill = nullptr,
    .default_width_mm = 100,
    .default_height_mm = 0,
    .mouse_rects = StandbyGroupMouse,
    .service_callback = RuntimeGaugeService,
    .user_data = nullptr,
    .parameters = nullptr,
    .usage = nullptr,
};
