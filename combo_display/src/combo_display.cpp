// "ID_Pelmar_Combo": a combination display with two needle dials, seven
// read-outs, a bar marker and an on/off button. While the display switch is
// off, everything but the face and the button is hidden.
#include <iterator>

#include "generated_runtime/display_switch.h"
#include "generated_runtime/gauge_service.h"
#include "generated_runtime/module_record.h"
#include "generated_runtime/text_format.h"

namespace {

using namespace gauge_kit;
using generated_runtime::clamp_upper_then_lower;
using generated_runtime::narrow_to_single;
using generated_runtime::RuntimeGaugeService;
using generated_runtime::SwitchGatingLit;
using generated_runtime::SwitchGatingPlain;
using generated_runtime::ToggleDisplaySwitch;

constexpr double kFeetToMetres = 0.3048;
// The gauge's own factor, slightly above the exact 1.852.
constexpr double kKnotsToKilometresPerHour = 1.8532;

double GAUGE_CALL ComboSwitchIconCallback(ElementHeader* element) {
  return generated_runtime::SwitchValueLit(element);
}

double GAUGE_CALL ComboVerticalSpeedCallback(ElementHeader* element) {
  SwitchGatingLit(element);
  const double metres_per_second = kFeetToMetres * element_as<NeedleElement>(element).source.value;
  return clamp_upper_then_lower(metres_per_second, -20.0, 20.0);
}

double GAUGE_CALL ComboAirspeedCallback(ElementHeader* element) {
  SwitchGatingLit(element);
  const double kilometres_per_hour = element_as<NeedleElement>(element).source.value * kKnotsToKilometresPerHour;
  return clamp_upper_then_lower(kilometres_per_hour, 0.0, 250.0);
}

double GAUGE_CALL ComboBarMarkerXCallback(ElementHeader* element) {
  SwitchGatingLit(element);
  return element_as<SliderElement>(element).x_source.value;
}

double GAUGE_CALL ComboBarMarkerYCallback(ElementHeader* element) {
  SwitchGatingLit(element);
  return clamp_upper_then_lower(element_as<SliderElement>(element).y_source.value, 0.0, 106.0);
}

// The read-outs: the source narrowed to single precision, the switch rule,
// the shown number (narrowed again) printed as a whole number.
using SwitchRule = void (*)(ElementHeader*);
using Conversion = double (*)(double);

double unchanged(double value) { return value; }
double rankine_to_celsius(double rankine) { return rankine / 1.8 - 273.0; }
double feet_to_metres(double feet) { return feet * kFeetToMetres; }

double show_reading(ElementHeader* element, SwitchRule rule, Conversion convert, const char* format) {
  StringElement& string = element_as<StringElement>(element);
  const double value = narrow_to_single(string.sources[0].value);
  rule(element);
  const double shown = narrow_to_single(convert(value));
  generated_runtime::print_whole_number(string.text, string.char_count, format, shown);
  return 0.0;
}

double GAUGE_CALL ComboCylinderHeadTempCallback(ElementHeader* element) {
  return show_reading(element, SwitchGatingPlain, rankine_to_celsius, "%03.0f");
}

double GAUGE_CALL ComboAltitudeCallback(ElementHeader* element) {
  return show_reading(element, SwitchGatingLit, feet_to_metres, "%5.0f");
}

double GAUGE_CALL ComboClockHoursCallback(ElementHeader* element) {
  return show_reading(element, SwitchGatingLit, unchanged, "%02.0f:");
}

double GAUGE_CALL ComboClockMinutesCallback(ElementHeader* element) {
  return show_reading(element, SwitchGatingLit, unchanged, "%02.0f");
}

double GAUGE_CALL ComboOilWaterTempCallback(ElementHeader* element) {
  return show_reading(element, SwitchGatingLit, rankine_to_celsius, "%03.0f");
}

double GAUGE_CALL ComboEngineSpeedCallback(ElementHeader* element) {
  return show_reading(element, SwitchGatingLit, unchanged, "%.0f");
}

// "00:00" and the number right-aligned in 300 characters, far outside the box.
double GAUGE_CALL ComboFlightTimeCallback(ElementHeader* element) {
  return show_reading(element, SwitchGatingLit, unchanged, "00:00%300.0f");
}


// Every element's failure list holds only its end record.
FailureRecord NoFailures[] = {
    {.key = 0, .action = 0, .reserved = 0},
};

// Airspeed, kilometres per hour.
NonlinearityPoint ComboAirspeedScale[] = {
    {
        .x = 234,
        .y = 119,
        .value = 0.0,
        .angle = 0.0,
    },
    {
        .x = 223,
        .y = 114,
        .value = 60.0,
        .angle = 0.0,
    },
    {
        .x = 214,
        .y = 98,
        .value = 70.0,
        .angle = 0.0,
    },
    {
        .x = 212,
        .y = 81,
        .value = 80.0,
        .angle = 0.0,
    },
    {
        .x = 217,
        .y = 63,
        .value = 90.0,
        .angle = 0.0,
    },
    {
        .x = 229,
        .y = 49,
        .value = 100.0,
        .angle = 0.0,
    },
    {
        .x = 245,
        .y = 41,
        .value = 110.0,
        .angle = 0.0,
    },
    {
        .x = 264,
        .y = 42,
        .value = 130.0,
        .angle = 0.0,
    },
    {
        .x = 279,
        .y = 50,
        .value = 150.0,
        .angle = 0.0,
    },
    {
        .x = 291,
        .y = 64,
        .value = 170.0,
        .angle = 0.0,
    },
    {
        .x = 295,
        .y = 80,
        .value = 190.0,
        .angle = 0.0,
    },
    {
        .x = 293,
        .y = 98,
        .value = 210.0,
        .angle = 0.0,
    },
    {
        .x = 286,
        .y = 114,
        .value = 250.0,
        .angle = 0.0,
    },
};

// Vertical speed, metres per second: the climbs first, then the descents.
NonlinearityPoint ComboVerticalSpeedScale[] = {
    {
        .x = 69,
        .y = 85,
        .value = 0.0,
        .angle = 0.0,
    },
    {
        .x = 72,
        .y = 68,
        .value = 1.0,
        .angle = 0.0,
    },
    {
        .x = 82,
        .y = 54,
        .value = 2.0,
        .angle = 0.0,
    },
    {
        .x = 97,
        .y = 45,
        .value = 3.0,
        .angle = 0.0,
    },
    {
        .x = 115,
        .y = 44,
        .value = 4.0,
        .angle = 0.0,
    },
    {
        .x = 131,
        .y = 50,
        .value = 5.0,
        .angle = 0.0,
    },
    {
        .x = 148,
        .y = 72,
        .value = 20.0,
        .angle = 0.0,
    },
    {
        .x = 72,
        .y = 103,
        .value = -1.0,
        .angle = 0.0,
    },
    {
        .x = 83,
        .y = 116,
        .value = -2.0,
        .angle = 0.0,
    },
    {
        .x = 98,
        .y = 124,
        .value = -3.0,
        .angle = 0.0,
    },
    {
        .x = 115,
        .y = 126,
        .value = -4.0,
        .angle = 0.0,
    },
    {
        .x = 132,
        .y = 121,
        .value = -5.0,
        .angle = 0.0,
    },
    {
        .x = 149,
        .y = 95,
        .value = -20.0,
        .angle = 0.0,
    },
};

IconElement ComboButton = {
    .header =
        {
            .kind = ElementKind::Icon,
            .bitmap_id = 5888,  // 0x1700
            .position = {.x = 261, .y = 192},
            .pivot = {.x = 0, .y = 0},
            .gauge = &generated_runtime::ModuleGauge,
            .children = nullptr,
            .failures = NoFailures,
            .image_flags = 0x83,
            .special_flags = 0,
        },
    .source = {.id = 0},
    .switch_type = 3,
    .icon_count = 2,
    .scale = 0.0,
    .offset = 0,
    .callback = ComboSwitchIconCallback,
};

ElementHeader* ComboBarMarkerChildren[] = {&ComboButton.header, nullptr};

SliderElement ComboBarMarker = {
    .header =
        {
            .kind = ElementKind::Slider,
            .bitmap_id = 5632,  // 0x1600
            .position = {.x = 165, .y = 83},
            .pivot = {.x = 0, .y = 0},
            .gauge = &generated_runtime::ModuleGauge,
            .children = ComboBarMarkerChildren,
            .failures = NoFailures,
            .image_flags = 0x83,
            .special_flags = 0,
        },
    .x_source = {.id = 0},
    .x_scale = 0.0,
    .y_source = {.id = 791},  // 0x317
    .y_scale = -0.39622641509434,
    .x_callback = ComboBarMarkerXCallback,
    .y_callback = ComboBarMarkerYCallback,
};

ElementHeader* ComboFlightTimeChildren[] = {&ComboBarMarker.header, nullptr};

StringElement800 ComboFlightTime = {
    .string =
        {
            .header =
                {
                    .kind = ElementKind::String,
                    .bitmap_id = -1,
                    .position = {.x = 253, .y = 159},
                    .pivot = {.x = 0, .y = 0},
                    .gauge = &generated_runtime::ModuleGauge,
                    .children = ComboFlightTimeChildren,
                    .failures = NoFailures,
                    .image_flags = 0x83,
                    .special_flags = 0,
                },
            .sources = {{.id = 0}, {.id = 0}, {.id = 0}},
            .text = nullptr,
            .box_width = 99,
            .box_height = 16,
            .fore_colour = 0x696969,
            .back_colour = 0xCED6C6,
            .highlight_colour = 0x000000,
            .font_face = "Quartz",
            .font_weight = 100,
            .charset = 1,
            .format_flags = 0,
            .char_count = 16960,  // 0x4240
            .highlight_list = nullptr,
            .callback = ComboFlightTimeCallback,
        },
    .host_word = 0,
};

ElementHeader* ComboEngineSpeedChildren[] = {&ComboFlightTime.string.header, nullptr};

StringElement800 ComboEngineSpeed = {
    .string =
        {
            .header =
                {
                    .kind = ElementKind::String,
                    .bitmap_id = -1,
                    .position = {.x = 237, .y = 130},
                    .pivot = {.x = 0, .y = 0},
                    .gauge = &generated_runtime::ModuleGauge,
                    .children = ComboEngineSpeedChildren,
                    .failures = NoFailures,
                    .image_flags = 0x83,
                    .special_flags = 0,
                },
            .sources = {{.id = 390}, {.id = 0}, {.id = 0}},  // 0x186
            .text = nullptr,
            .box_width = 115,
            .box_height = 36,
            .fore_colour = 0x696969,
            .back_colour = 0xCED6C6,
            .highlight_colour = 0x000000,
            .font_face = "Quartz",
            .font_weight = 100,
            .charset = 1,
            .format_flags = 0,
            .char_count = 16960,  // 0x4240
            .highlight_list = nullptr,
            .callback = ComboEngineSpeedCallback,
        },
    .host_word = 0,
};

ElementHeader* ComboOilWaterTempChildren[] = {&ComboEngineSpeed.string.header, nullptr};

StringElement800 ComboOilWaterTemp = {
    .string =
        {
            .header =
                {
                    .kind = ElementKind::String,
                    .bitmap_id = -1,
                    .position = {.x = 128, .y = 159},
                    .pivot = {.x = 0, .y = 0},
                    .gauge = &generated_runtime::ModuleGauge,
                    .children = ComboOilWaterTempChildren,
                    .failures = NoFailures,
                    .image_flags = 0x83,
                    .special_flags = 0,
                },
            .sources = {{.id = 416}, {.id = 0}, {.id = 0}},  // 0x1A0
            .text = nullptr,
            .box_width = 224,
            .box_height = 16,
            .fore_colour = 0x6E6E6E,
            .back_colour = 0xCED6C6,
            .highlight_colour = 0x000000,
            .font_face = "Quartz",
            .font_weight = 100,
            .charset = 1,
            .format_flags = 0,
            .char_count = 16960,  // 0x4240
            .highlight_list = nullptr,
            .callback = ComboOilWaterTempCallback,
        },
    .host_word = 0,
};

ElementHeader* ComboClockMinutesChildren[] = {&ComboOilWaterTemp.string.header, nullptr};

StringElement800 ComboClockMinutes = {
    .string =
        {
            .header =
                {
                    .kind = ElementKind::String,
                    .bitmap_id = -1,
                    .position = {.x = 95, .y = 164},
                    .pivot = {.x = 0, .y = 0},
                    .gauge = &generated_runtime::ModuleGauge,
                    .children = ComboClockMinutesChildren,
                    .failures = NoFailures,
                    .image_flags = 0x83,
                    .special_flags = 0,
                },
            .sources = {{.id = 4}, {.id = 0}, {.id = 0}},
            .text = nullptr,
            .box_width = 257,
            .box_height = 14,
            .fore_colour = 0x6E6E6E,
            .back_colour = 0xCED6C6,
            .highlight_colour = 0x000000,
            .font_face = "Quartz",
            .font_weight = 100,
            .charset = 1,
            .format_flags = 0,
            .char_count = 16960,  // 0x4240
            .highlight_list = nullptr,
            .callback = ComboClockMinutesCallback,
        },
    .host_word = 0,
};

ElementHeader* ComboClockHoursChildren[] = {&ComboClockMinutes.string.header, nullptr};

StringElement800 ComboClockHours = {
    .string =
        {
            .header =
                {
                    .kind = ElementKind::String,
                    .bitmap_id = -1,
                    .position = {.x = 76, .y = 164},
                    .pivot = {.x = 0, .y = 0},
                    .gauge = &generated_runtime::ModuleGauge,
                    .children = ComboClockHoursChildren,
                    .failures = NoFailures,
                    .image_flags = 0x83,
                    .special_flags = 0,
                },
            .sources = {{.id = 3}, {.id = 0}, {.id = 0}},
            .text = nullptr,
            .box_width = 276,
            .box_height = 14,
            .fore_colour = 0x6E6E6E,
            .back_colour = 0xCED6C6,
            .highlight_colour = 0x000000,
            .font_face = "Quartz",
            .font_weight = 100,
            .charset = 1,
            .format_flags = 0,
            .char_count = 16960,  // 0x4240
            .highlight_list = nullptr,
            .callback = ComboClockHoursCallback,
        },
    .host_word = 0,
};

ElementHeader* ComboAltitudeChildren[] = {&ComboClockHours.string.header, nullptr};

StringElement800 ComboAltitude = {
    .string =
        {
            .header =
                {
                    .kind = ElementKind::String,
                    .bitmap_id = -1,
                    .position = {.x = 85, .y = 130},
                    .pivot = {.x = 0, .y = 0},
                    .gauge = &generated_runtime::ModuleGauge,
                    .children = ComboAltitudeChildren,
                    .failures = NoFailures,
                    .image_flags = 0x83,
                    .special_flags = 0,
                },
            .sources = {{.id = 74}, {.id = 0}, {.id = 0}},  // 0x4A
            .text = nullptr,
            .box_width = 267,
            .box_height = 36,
            .fore_colour = 0x676767,
            .back_colour = 0xCED6C6,
            .highlight_colour = 0x000000,
            .font_face = "Quartz",
            .font_weight = 100,
            .charset = 1,
            .format_flags = 0,
            .char_count = 16960,  // 0x4240
            .highlight_list = nullptr,
            .callback = ComboAltitudeCallback,
        },
    .host_word = 0,
};

ElementHeader* ComboCylinderHeadTempChildren[] = {&ComboAltitude.string.header, nullptr};

StringElement800 ComboCylinderHeadTemp = {
    .string =
        {
            .header =
                {
                    .kind = ElementKind::String,
                    .bitmap_id = -1,
                    .position = {.x = 159, .y = 95},
                    .pivot = {.x = 0, .y = 0},
                    .gauge = &generated_runtime::ModuleGauge,
                    .children = ComboCylinderHeadTempChildren,
                    .failures = NoFailures,
                    .image_flags = 0x83,
                    .special_flags = 0,
                },
            .sources = {{.id = 415}, {.id = 0}, {.id = 0}},  // 0x19F
            .text = nullptr,
            .box_width = 193,
            .box_height = 22,
            .fore_colour = 0x696969,
            .back_colour = 0xCED6C6,
            .highlight_colour = 0x000000,
            .font_face = "Quartz",
            .font_weight = 100,
            .charset = 1,
            .format_flags = 0,
            .char_count = 16960,  // 0x4240
            .highlight_list = nullptr,
            .callback = ComboCylinderHeadTempCallback,
        },
    .host_word = 0,
};

ElementHeader* ComboAirspeedNeedleChildren[] = {&ComboCylinderHeadTemp.string.header, nullptr};

NeedleElement ComboAirspeedNeedle = {
    .header =
        {
            .kind = ElementKind::Needle,
            .bitmap_id = 4864,  // 0x1300
            .position = {.x = 254, .y = 84},
            .pivot = {.x = -5, .y = 5},
            .gauge = &generated_runtime::ModuleGauge,
            .children = ComboAirspeedNeedleChildren,
            .failures = NoFailures,
            .image_flags = 0x83,
            .special_flags = 0,
        },
    .source = {.id = 61},  // 0x3D
    .scale = ComboAirspeedScale,
    .scale_points = static_cast<std::uint32_t>(std::size(ComboAirspeedScale)),
    .max_degrees_per_tick = 0,
    .callback = ComboAirspeedCallback,
};

ElementHeader* ComboVerticalSpeedNeedleChildren[] = {&ComboAirspeedNeedle.header, nullptr};

NeedleElement ComboVerticalSpeedNeedle = {
    .header =
        {
            .kind = ElementKind::Needle,
            .bitmap_id = 4608,  // 0x1200
            .position = {.x = 110, .y = 85},
            .pivot = {.x = -5, .y = 5},
            .gauge = &generated_runtime::ModuleGauge,
            .children = ComboVerticalSpeedNeedleChildren,
            .failures = NoFailures,
            .image_flags = 0x83,
            .special_flags = 0,
        },
    .source = {.id = 556},  // 0x22C
    .scale = ComboVerticalSpeedScale,
    .scale_points = static_cast<std::uint32_t>(std::size(ComboVerticalSpeedScale)),
    .max_degrees_per_tick = 0,
    .callback = ComboVerticalSpeedCallback,
};

ElementHeader* ComboFaceIconChildren[] = {&ComboVerticalSpeedNeedle.header, nullptr};

IconElement ComboFaceIcon = {
    .header =
        {
            .kind = ElementKind::Icon,
            .bitmap_id = 4352,  // 0x1100
            .position = {.x = 0, .y = 0},
            .pivot = {.x = 0, .y = 0},
            .gauge = &generated_runtime::ModuleGauge,
            .children = ComboFaceIconChildren,
            .failures = NoFailures,
            .image_flags = 0x83,
            .special_flags = 0,
        },
    .source = {.id = 0},
    .switch_type = 3,
    .icon_count = 2,
    .scale = 0.0,
    .offset = 0,
    .callback = ComboSwitchIconCallback,
};

ElementHeader* ComboFaceChildren[] = {&ComboFaceIcon.header, nullptr};

StaticImageElement ComboFace = {
    .header =
        {
            .kind = ElementKind::StaticImage,
            .bitmap_id = 4353,  // 0x1101
            .position = {.x = 0, .y = 0},
            .pivot = {.x = 0, .y = 0},
            .gauge = &generated_runtime::ModuleGauge,
            .children = ComboFaceChildren,
            .failures = NoFailures,
            .image_flags = 0x83,
            .special_flags = 0,
        },
};

ElementHeader* ComboElementList[] = {&ComboFace.header};

MouseRect ComboMouse[] = {
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
        .kind = MouseRectKind::Child,
        .x = 259,
        .y = 187,
        .width = 26,
        .height = 28,
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
    .name = "ID_Pelmar_Combo",
    .element_list = ComboElementList,
    .query = nullptr,
    .install = nullptr,
    .initialise = nullptr,
    .update = nullptr,
    .generate = nullptr,
    .draw = nullptr,
    .kill = nullptr,
    .default_width_mm = 100,
    .default_height_mm = 0,
    .mouse_rects = ComboMouse,
    .service_callback = RuntimeGaugeService,
    .user_data = nullptr,
    .parameters = nullptr,
    .usage = nullptr,
};
