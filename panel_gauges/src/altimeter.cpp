// "Altimetro": a three-pointer altimeter with a setting window and a setting
// knob. The disc turns once per 100,000 ft, the short pointer once per
// 10,000 ft and the long pointer once per 1000 ft, all on one 0..999 scale.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <iterator>

#include "gauge_kit/conversions.h"
#include "lifecycle.h"

namespace corvel1 {
namespace {

using namespace gauge_kit;

std::int32_t whole_feet(ElementHeader* element) {
  return truncate_toward_zero<std::int32_t>(element_as<NeedleElement>(element).source.value);
}

double GAUGE_CALL AltimeterTenThousandsCallback(ElementHeader* element) {
  return whole_feet(element) / 100;
}

double GAUGE_CALL AltimeterThousandsCallback(ElementHeader* element) {
  return whole_feet(element) % 10000 / 10;
}

double GAUGE_CALL AltimeterHundredsCallback(ElementHeader* element) {
  return whole_feet(element) % 1000;
}

// The window holds five characters: settings from 0 up to, not including,
// 100, truncated to hundredths. Anything else reads as out of range.
//
// A setting such as 29.95 is stored as 29.94999..., so plain truncation would
// show 29.94; an allowance far below the last digit keeps the digit the
// setting was made with while anything below it still truncates.
constexpr double kHundredthsAllowance = 1e-7;
constexpr std::int32_t kLargestShownHundredths = 9999;  // "99.99"

double GAUGE_CALL AltimeterSettingTextCallback(ElementHeader* element) {
  StringElement& setting = element_as<StringElement>(element);
  const double value = setting.sources[0].value;
  if (setting.text == nullptr) return value;
  const std::size_t capacity = std::size_t{setting.char_count} + 1;
  if (!(value >= 0.0 && value < 100.0)) {
    std::snprintf(setting.text, capacity, "--.--");
    return value;
  }
  const std::int32_t hundredths = std::min(
      truncate_toward_zero<std::int32_t>(value * 100.0 + kHundredthsAllowance), kLargestShownHundredths);
  std::snprintf(setting.text, capacity, "%2d.%02d", static_cast<int>(hundredths / 100),
                static_cast<int>(hundredths % 100));
  return value;
}

NonlinearityPoint AltimeterScale[] = {
    {.x = 156, .y = 41, .value = 0.0},
    {.x = 155, .y = 41, .value = 999.0},
};

FailureRecord AltimeterFailures[] = {
    {.key = 7, .action = 1, .reserved = 0},
    {.key = 3, .action = 1, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};

NeedleElement AltimeterLongPointer = {
    .header =
        {
            .kind = ElementKind::Needle,
            .bitmap_id = 307,  // 0x133
            .position = {.x = 155, .y = 147},
            .pivot = {.x = 45, .y = 9},
            .gauge = &AltimetroGauge,
            .children = nullptr,
            .failures = AltimeterFailures,
            .image_flags = 0x3,
            .special_flags = 0,
        },
    .source = {.id = 74},  // 0x4A
    .scale = AltimeterScale,
    .scale_points = std::size(AltimeterScale),
    .max_degrees_per_tick = 0,
    .callback = AltimeterHundredsCallback,
};

ElementHeader* AltimeterShortPointerChildren[] = {&AltimeterLongPointer.header, nullptr};

NeedleElement AltimeterShortPointer = {
    .header =
        {
            .kind = ElementKind::Needle,
            .bitmap_id = 306,  // 0x132
            .position = {.x = 155, .y = 147},
            .pivot = {.x = 7, .y = 14},
            .gauge = &AltimetroGauge,
            .children = AltimeterShortPointerChildren,
            .failures = AltimeterFailures,
            .image_flags = 0x3,
            .special_flags = 0,
        },
    .source = {.id = 74},  // 0x4A
    .scale = AltimeterScale,
    .scale_points = std::size(AltimeterScale),
    .max_degrees_per_tick = 0,
    .callback = AltimeterThousandsCallback,
};

ElementHeader* AltimeterSettingChildren[] = {&AltimeterShortPointer.header, nullptr};

StringElement AltimeterSetting = {
    .header =
        {
            .kind = ElementKind::String,
            .bitmap_id = -1,
            .position = {.x = 170, .y = 138},
            .pivot = {.x = 0, .y = 0},
            .gauge = &AltimetroGauge,
            .children = AltimeterSettingChildren,
            .failures = AltimeterFailures,
            .image_flags = 0x3,
            .special_flags = 0,
        },
    .sources =
        {
            {.id = 76},  // 0x4C
            {.id = 0},
            {.id = 0},
        },
    .text = nullptr,
    .box_width = 100,
    .box_height = 40,
    .fore_colour = 0x00FAFAFA,
    .back_colour = 0x00202020,
    .highlight_colour = 0x005C5C5C,
    .font_face = "Quartz",
    .font_weight = 400,
    .charset = 1,
    .format_flags = 0x25,
    .char_count = 5,
    .highlight_list = nullptr,
    .callback = AltimeterSettingTextCallback,
};

ElementHeader* AltimeterDiscChildren[] = {&AltimeterSetting.header, nullptr};

NeedleElement AltimeterDisc = {
    .header =
        {
            .kind = ElementKind::Needle,
            .bitmap_id = 305,  // 0x131
            .position = {.x = 156, .y = 147},
            .pivot = {.x = 66, .y = 78},
            .gauge = &AltimetroGauge,
            .children = AltimeterDiscChildren,
            .failures = AltimeterFailures,
            .image_flags = 0x3,
            .special_flags = 0,
        },
    .source = {.id = 74},  // 0x4A
    .scale = AltimeterScale,
    .scale_points = std::size(AltimeterScale),
    .max_degrees_per_tick = 0,
    .callback = AltimeterTenThousandsCallback,
};

ElementHeader* AltimeterDialChildren[] = {&AltimeterDisc.header, nullptr};

StaticImageElement AltimeterDial = {
    .header =
        {
            .kind = ElementKind::StaticImage,
            .bitmap_id = 304,  // 0x130
            .position = {.x = 0, .y = 0},
            .pivot = {.x = 0, .y = 0},
            .gauge = &AltimetroGauge,
            .children = AltimeterDialChildren,
            .failures = nullptr,
            .image_flags = 0x1,
            .special_flags = 0,
        },
};

ElementHeader* AltimeterElementList[] = {&AltimeterDial.header, nullptr};

MouseRect AltimeterMouse[] = {
    {
        .kind = MouseRectKind::Parent,
        .x = 0,
        .y = 0,
        .width = 0,
        .height = 0,
        .cursor = -1,
        .tooltip_id = 43783,  // 0xAB07
        .mouse_flags = 0,
        .key_event = 0,
        .target = {.callback = nullptr},
        .data = nullptr,
    },
    {
        .kind = MouseRectKind::Parent,
        .x = 6,
        .y = 241,
        .width = 64,
        .height = 64,
        .cursor = -1,
        .tooltip_id = 43784,  // 0xAB08
        .mouse_flags = 0,
        .key_event = 0,
        .target = {.callback = nullptr},
        .data = nullptr,
    },
    {
        .kind = MouseRectKind::Child,
        .x = 0,
        .y = 0,
        .width = 32,
        .height = 64,
        .cursor = 2,
        .tooltip_id = 0,
        .mouse_flags = 0x20200000,
        .key_event = 65884,  // 0x1015C
        .target = {.callback = nullptr},
        .data = nullptr,
    },
    {
        .kind = MouseRectKind::Child,
        .x = 32,
        .y = 0,
        .width = 32,
        .height = 64,
        .cursor = 1,
        .tooltip_id = 0,
        .mouse_flags = 0x20200000,
        .key_event = 65883,  // 0x1015B
        .target = {.callback = nullptr},
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

GaugeHeader AltimetroGauge = {
    .version = kHeaderVersion700,
    .name = "Altimetro",
    .element_list = AltimeterElementList,
    .query = Lifecycle<AltimetroGauge>::query,
    .install = Lifecycle<AltimetroGauge>::install,
    .initialise = Lifecycle<AltimetroGauge>::initialise,
    .update = Lifecycle<AltimetroGauge>::update,
    .generate = Lifecycle<AltimetroGauge>::generate,
    .draw = Lifecycle<AltimetroGauge>::draw,
    .kill = Lifecycle<AltimetroGauge>::kill,
    .default_width_mm = 115,
    .default_height_mm = 0,
    .mouse_rects = AltimeterMouse,
    .service_callback = nullptr,
    .user_data = nullptr,
    .parameters = nullptr,
    .usage = nullptr,
};

}  // namespace corvel1
