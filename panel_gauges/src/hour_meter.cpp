// "Hobb": an hour meter of six drums, four whole-hour digits that step and
// two decimal drums that roll, all read from a time in seconds.
#include <cstdint>

#include "gauge_kit/conversions.h"
#include "lifecycle.h"

namespace corvel1 {
namespace {

using namespace gauge_kit;

double hours(ElementHeader* element) {
  return element_as<MovingImageElement>(element).y_source.value / 3600.0;
}

std::int32_t whole_hours(ElementHeader* element) {
  return truncate_toward_zero<std::int32_t>(hours(element));
}

double GAUGE_CALL HobbThousandsCallback(ElementHeader* element) { return whole_hours(element) / 1000; }

double GAUGE_CALL HobbHundredsCallback(ElementHeader* element) { return whole_hours(element) / 100 % 10; }

double GAUGE_CALL HobbTensCallback(ElementHeader* element) { return whole_hours(element) / 10 % 10; }

double GAUGE_CALL HobbUnitsCallback(ElementHeader* element) { return whole_hours(element) % 10; }

// The part of the current hour, in hundredths of an hour.
double GAUGE_CALL HobbTenthsCallback(ElementHeader* element) {
  const double t = hours(element);
  return (t - truncate_toward_zero<std::int32_t>(t)) * 100.0;
}

// The part of the current tenth of an hour, in hundredths of it.
double GAUGE_CALL HobbHundredthsCallback(ElementHeader* element) {
  const double tenths = 10.0 * hours(element);
  return (tenths - truncate_toward_zero<std::int32_t>(tenths)) * 100.0;
}

FailureRecord HobbFailures[] = {
    {.key = 20, .action = 1, .reserved = 0},  // 0x14
    {.key = 0, .action = 0, .reserved = 0},
};

MovingImageElement HobbThousandsDrum = {
    .header =
        {
            .kind = ElementKind::MovingImage,
            .bitmap_id = 354,  // 0x162
            .position = {.x = 0, .y = 0},
            .pivot = {.x = 0, .y = 0},
            .gauge = &HobbGauge,
            .children = nullptr,
            .failures = HobbFailures,
            .image_flags = 0x3,
            .special_flags = 0,
        },
    .x_source = {.id = 0},
    .x_min = 0.0,
    .x_max = 0.0,
    .y_source = {.id = 607},  // 0x25F
    .y_min = 0.0,
    .y_max = 9.0,
    .x_callback = nullptr,
    .y_callback = HobbThousandsCallback,
};

MovingImageElement HobbHundredsDrum = {
    .header =
        {
            .kind = ElementKind::MovingImage,
            .bitmap_id = 354,  // 0x162
            .position = {.x = 17, .y = 0},
            .pivot = {.x = 0, .y = 0},
            .gauge = &HobbGauge,
            .children = nullptr,
            .failures = HobbFailures,
            .image_flags = 0x3,
            .special_flags = 0,
        },
    .x_source = {.id = 0},
    .x_min = 0.0,
    .x_max = 0.0,
    .y_source = {.id = 607},  // 0x25F
    .y_min = 0.0,
    .y_max = 9.0,
    .x_callback = nullptr,
    .y_callback = HobbHundredsCallback,
};

MovingImageElement HobbTensDrum = {
    .header =
        {
            .kind = ElementKind::MovingImage,
            .bitmap_id = 354,  // 0x162
            .position = {.x = 34, .y = 0},
            .pivot = {.x = 0, .y = 0},
            .gauge = &HobbGauge,
            .children = nullptr,
            .failures = HobbFailures,
            .image_flags = 0x3,
            .special_flags = 0,
        },
    .x_source = {.id = 0},
    .x_min = 0.0,
    .x_max = 0.0,
    .y_source = {.id = 607},  // 0x25F
    .y_min = 0.0,
    .y_max = 9.0,
    .x_callback = nullptr,
    .y_callback = HobbTensCallback,
};

MovingImageElement HobbUnitsDrum = {
    .header =
        {
            .kind = ElementKind::MovingImage,
            .bitmap_id = 354,  // 0x162
            .position = {.x = 51, .y = 0},
            .pivot = {.x = 0, .y = 0},
            .gauge = &HobbGauge,
            .children = nullptr,
            .failures = HobbFailures,
            .image_flags = 0x3,
            .special_flags = 0,
        },
    .x_source = {.id = 0},
    .x_min = 0.0,
    .x_max = 0.0,
    .y_source = {.id = 607},  // 0x25F
    .y_min = 0.0,
    .y_max = 9.0,
    .x_callback = nullptr,
    .y_callback = HobbUnitsCallback,
};

MovingImageElement HobbTenthsDrum = {
    .header =
        {
            .kind = ElementKind::MovingImage,
            .bitmap_id = 357,  // 0x165
            .position = {.x = 68, .y = 0},
            .pivot = {.x = 0, .y = 0},
            .gauge = &HobbGauge,
            .children = nullptr,
            .failures = HobbFailures,
            .image_flags = 0x3,
            .special_flags = 0,
        },
    .x_source = {.id = 0},
    .x_min = 0.0,
    .x_max = 0.0,
    .y_source = {.id = 607},  // 0x25F
    .y_min = 0.0,
    .y_max = 99.0,
    .x_callback = nullptr,
    .y_callback = HobbTenthsCallback,
};

MovingImageElement HobbHundredthsDrum = {
    .header =
        {
            .kind = ElementKind::MovingImage,
            .bitmap_id = 357,  // 0x165
            .position = {.x = 85, .y = 0},
            .pivot = {.x = 0, .y = 0},
            .gauge = &HobbGauge,
            .children = nullptr,
            .failures = HobbFailures,
            .image_flags = 0x3,
            .special_flags = 0,
        },
    .x_source = {.id = 0},
    .x_min = 0.0,
    .x_max = 0.0,
    .y_source = {.id = 607},  // 0x25F
    .y_min = 0.0,
    .y_max = 99.0,
    .x_callback = nullptr,
    .y_callback = HobbHundredthsCallback,
};

ElementHeader* HobbBackgroundChildren[] = {
    &HobbThousandsDrum.header,
    &HobbHundredsDrum.header,
    &HobbTensDrum.header,
    &HobbUnitsDrum.header,
    &HobbTenthsDrum.header,
    &HobbHundredthsDrum.header,
    nullptr,
};

StaticImageElement HobbBackground = {
    .header =
        {
            .kind = ElementKind::StaticImage,
            .bitmap_id = 352,  // 0x160
            .position = {.x = 0, .y = 0},
            .pivot = {.x = 0, .y = 0},
            .gauge = &HobbGauge,
            .children = HobbBackgroundChildren,
            .failures = nullptr,
            .image_flags = 0x4003,
            .special_flags = 0,
        },
};

ElementHeader* HobbElementList[] = {&HobbBackground.header, nullptr};

MouseRect HobbMouse[] = {
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

GaugeHeader HobbGauge = {
    .version = kHeaderVersion700,
    .name = "Hobb",
    .element_list = HobbElementList,
    .query = Lifecycle<HobbGauge>::query,
    .install = Lifecycle<HobbGauge>::install,
    .initialise = Lifecycle<HobbGauge>::initialise,
    .update = Lifecycle<HobbGauge>::update,
    .generate = Lifecycle<HobbGauge>::generate,
    .draw = Lifecycle<HobbGauge>::draw,
    .kill = Lifecycle<HobbGauge>::kill,
    .default_width_mm = 100,
    .default_height_mm = 0,
    .mouse_rects = HobbMouse,
    .service_callback = nullptr,
    .user_data = nullptr,
    .parameters = nullptr,
    .usage = nullptr,
};

}  // namespace corvel1
