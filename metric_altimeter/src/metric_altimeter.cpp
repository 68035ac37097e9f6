// "ID_Norva_AltimMtr": an altimeter graduated in metres, with a disc that
// turns behind its cover, a read-out and a setting knob that sends the
// host's altimeter-setting key events.
#include <iterator>

#include "generated_runtime/gauge_service.h"
#include "generated_runtime/module_record.h"
#include "generated_runtime/text_format.h"

namespace {

using namespace gauge_kit;
using generated_runtime::RuntimeGaugeService;

constexpr double kFeetToMetres = 0.3048;
constexpr double kFeetPerDiscStep = 96.0;
constexpr std::uint32_t kSettingUpKeyEvent = 65883;    // 0x1015B
constexpr std::uint32_t kSettingDownKeyEvent = 65884;  // 0x1015C

double GAUGE_CALL MetricAltimeterNeedleCallback(ElementHeader* element) {
  const double feet = element_as<NeedleElement>(element).source.value;
  element->image_flags |= kImageBright;
  return feet * kFeetToMetres;
}

double GAUGE_CALL MetricAltimeterDiscAngleCallback(ElementHeader* element) {
  const double turn = element_as<SpriteElement>(element).angle_source.value / kFeetPerDiscStep;
  element->image_flags |= kImageBright;
  return turn < 0.0 ? 0.0 : turn;
}

double GAUGE_CALL MetricAltimeterDiscXCallback(ElementHeader* element) {
  const double value = element_as<SpriteElement>(element).x_source.value;
  element->image_flags |= kImageBright;
  return value;
}

double GAUGE_CALL MetricAltimeterDiscYCallback(ElementHeader* element) {
  const double value = element_as<SpriteElement>(element).y_source.value;
  element->image_flags |= kImageBright;
  return value;
}

double GAUGE_CALL MetricAltimeterTextCallback(ElementHeader* element) {
  StringElement& string = element_as<StringElement>(element);
  const double value = generated_runtime::narrow_to_single(string.sources[0].value);
  element->image_flags |= kImageBright;
  generated_runtime::print_whole_number(string.text, string.char_count, "%.0f", value);
  return 0.0;
}

void send_key_event(std::uint32_t key_event) {
  HostServices* host = ::ImportTable.host_services.table;
  if (host != nullptr && host->trigger_key_event != nullptr) host->trigger_key_event(key_event, 0);
}

std::int32_t GAUGE_CALL MetricAltimeterKnobUpCallback(PixelPoint*, std::uint32_t) {
  send_key_event(kSettingUpKeyEvent);
  return 0;
}

std::int32_t GAUGE_CALL MetricAltimeterKnobDownCallback(PixelPoint*, std::uint32_t) {
  send_key_event(kSettingDownKeyEvent);
  return 0;
}


// Every element's failure list holds only its end record.
FailureRecord NoFailures[] = {
    {.key = 0, .action = 0, .reserved = 0},
};

// A tooltip text record's argument list, empty: one all-zero entry.
TooltipArgument NoTooltipArguments[] = {
    {.variable_id = 0, .format = 0, .callback = nullptr},
};

// Metres; one turn per 1000 m.
NonlinearityPoint MetricAltimeterScale[] = {
    {
        .x = 95,
        .y = 24,
        .value = 0.0,
        .angle = 0.0,
    },
    {
        .x = 136,
        .y = 36,
        .value = 100.0,
        .angle = 0.0,
    },
    {
        .x = 95,
        .y = 162,
        .value = 500.0,
        .angle = 0.0,
    },
    {
        .x = 29,
        .y = 114,
        .value = 700.0,
        .angle = 0.0,
    },
    {
        .x = 53,
        .y = 34,
        .value = 900.0,
        .angle = 0.0,
    },
    {
        .x = 93,
        .y = 21,
        .value = 999.0,
        .angle = 0.0,
    },
};

StringElement800 MetricAltimeterReadOut = {
    .string =
        {
            .header =
                {
                    .kind = ElementKind::String,
                    .bitmap_id = -1,
                    .position = {.x = 78, .y = 142},
                    .pivot = {.x = 0, .y = 0},
                    .gauge = &generated_runtime::ModuleGauge,
                    .children = nullptr,
                    .failures = NoFailures,
                    .image_flags = 0x83,
                    .special_flags = 0,
                },
            .sources = {{.id = 75}, {.id = 0}, {.id = 0}},  // 0x4B
            .text = nullptr,
            .box_width = 109,
            .box_height = 24,
            .fore_colour = 0x0089C2C7,
            .back_colour = 0x00000000,
            .highlight_colour = 0x00000000,
            .font_face = "Glass Gauge",
            .font_weight = 100,
            .charset = 1,
            .format_flags = 0,
            .char_count = 16960,  // 0x4240
            .highlight_list = nullptr,
            .callback = MetricAltimeterTextCallback,
        },
    .host_word = 0,
};

ElementHeader* MetricAltimeterNeedleChildren[] = {&MetricAltimeterReadOut.string.header, nullptr};

NeedleElement MetricAltimeterNeedle = {
    .header =
        {
            .kind = ElementKind::Needle,
            .bitmap_id = 5632,  // 0x1600
            .position = {.x = 93, .y = 92},
            .pivot = {.x = 35, .y = 6},
            .gauge = &generated_runtime::ModuleGauge,
            .children = MetricAltimeterNeedleChildren,
            .failures = NoFailures,
            .image_flags = 0x83,
            .special_flags = 0,
        },
    .source = {.id = 74},  // 0x4A
    .scale = MetricAltimeterScale,
    .scale_points = static_cast<std::uint32_t>(std::size(MetricAltimeterScale)),
    .max_degrees_per_tick = 0,
    .callback = MetricAltimeterNeedleCallback,
};

ElementHeader* MetricAltimeterCoverChildren[] = {&MetricAltimeterNeedle.header, nullptr};

StaticImageElement MetricAltimeterCover = {
    .header =
        {
            .kind = ElementKind::StaticImage,
            .bitmap_id = 5120,  // 0x1400
            .position = {.x = 0, .y = 0},
            .pivot = {.x = 0, .y = 0},
            .gauge = &generated_runtime::ModuleGauge,
            .children = MetricAltimeterCoverChildren,
            .failures = NoFailures,
            .image_flags = 0x83,
            .special_flags = 0,
        },
};

ElementHeader* MetricAltimeterDiscChildren[] = {&MetricAltimeterCover.header, nullptr};

// The pivot holds the texture centre; the mask is bitmap 5889 (0x1701).
SpriteElement MetricAltimeterDisc = {
    .header =
        {
            .kind = ElementKind::Sprite,
            .bitmap_id = 5888,  // 0x1700
            .position = {.x = 0, .y = 0},
            .pivot = {.x = 92, .y = 90},
            .gauge = &generated_runtime::ModuleGauge,
            .children = MetricAltimeterDiscChildren,
            .failures = NoFailures,
            .image_flags = 0x83,
            .special_flags = 0,
        },
    .x_source = {.id = 0},
    .x_scale = 0.0,
    .y_source = {.id = 0},
    .y_scale = 0.0,
    .angle_source = {.id = 74},  // 0x4A
    .angle_scale = -1.0,
    .texture_scale_x = 1.0f,
    .texture_scale_y = 1.0f,
    .x_callback = MetricAltimeterDiscXCallback,
    .y_callback = MetricAltimeterDiscYCallback,
    .angle_callback = MetricAltimeterDiscAngleCallback,
};

ElementHeader* MetricAltimeterFaceChildren[] = {&MetricAltimeterDisc.header, nullptr};

StaticImageElement MetricAltimeterFace = {
    .header =
        {
            .kind = ElementKind::StaticImage,
            .bitmap_id = 256,  // 0x100
            .position = {.x = 0, .y = 0},
            .pivot = {.x = 0, .y = 0},
            .gauge = &generated_runtime::ModuleGauge,
            .children = MetricAltimeterFaceChildren,
            .failures = NoFailures,
            .image_flags = 0x83,
            .special_flags = 0,
        },
};

ElementHeader* MetricAltimeterElementList[] = {&MetricAltimeterFace.header};

MouseRect MetricAltimeterMouse[] = {
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
        .target = {.tooltip_text = "Altimeter metric"},
        .data = NoTooltipArguments,
    },
    {
        .kind = MouseRectKind::Child,
        .x = 95,
        .y = 167,
        .width = 18,
        .height = 31,
        .cursor = 1,
        .tooltip_id = 0,
        .mouse_flags = 0x20200000,
        .key_event = 0,
        .target = {.callback = MetricAltimeterKnobUpCallback},
        .data = nullptr,
    },
    {
        .kind = MouseRectKind::Child,
        .x = 71,
        .y = 167,
        .width = 17,
        .height = 31,
        .cursor = 2,
        .tooltip_id = 0,
        .mouse_flags = 0x20200000,
        .key_event = 0,
        .target = {.callback = MetricAltimeterKnobDownCallback},
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
    .name = "ID_Norva_AltimMtr",
    .element_list = MetricAltimeterElementList,
    .query = nullptr,
    .install = nullptr,
    .initialise = nullptr,
    .update = nullptr,
    .generate = nullptr,
    .draw = nullptr,
    .kill = nullptr,
    .default_width_mm = 100,
    .default_height_mm = 0,
    .mouse_rects = MetricAltimeterMouse,
    .service_callback = RuntimeGaugeService,
    .user_data = nullptr,
    .parameters = nullptr,
    .usage = nullptr,
};
