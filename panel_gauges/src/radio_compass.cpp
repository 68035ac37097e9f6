// "RadioCompass": one needle over a fixed card graduated 0 to 33.
#include "lifecycle.h"

namespace corvel1 {
namespace {

using namespace gauge_kit;

// The needle bitmap points to the right; bearing 0 is the top of the card.
double GAUGE_CALL RadioCompassNeedleCallback(ElementHeader* element) {
  return element_as<NeedleElement>(element).source.value - 90.0;
}

FailureRecord RadioCompassNeedleFailures[] = {
    {.key = 20, .action = 2, .reserved = 0},  // 0x14
    {.key = 21, .action = 2, .reserved = 0},  // 0x15
    {.key = 5, .action = 2, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};

NeedleElement RadioCompassNeedle = {
    .header =
        {
            .kind = ElementKind::Needle,
            .bitmap_id = 329,  // 0x149
            .position = {.x = 145, .y = 150},
            .pivot = {.x = 13, .y = 11},
            .gauge = &RadioCompassGauge,
            .children = nullptr,
            .failures = RadioCompassNeedleFailures,
            .image_flags = 0x3,
            .special_flags = 0,
        },
    .source = {.id = 39},  // 0x27
    .scale = nullptr,
    .scale_points = 0,
    .max_degrees_per_tick = 0,
    .callback = RadioCompassNeedleCallback,
};

ElementHeader* RadioCompassDialChildren[] = {&RadioCompassNeedle.header, nullptr};

StaticImageElement RadioCompassDial = {
    .header =
        {
            .kind = ElementKind::StaticImage,
            .bitmap_id = 328,  // 0x148
            .position = {.x = 0, .y = 0},
            .pivot = {.x = 0, .y = 0},
            .gauge = &RadioCompassGauge,
            .children = RadioCompassDialChildren,
            .failures = nullptr,
            .image_flags = 0x81,
            .special_flags = 0,
        },
};

ElementHeader* RadioCompassElementList[] = {&RadioCompassDial.header, nullptr};

MouseRect RadioCompassMouse[] = {
    {
        .kind = MouseRectKind::Parent,
        .x = 0,
        .y = 0,
        .width = 0,
        .height = 0,
        .cursor = -1,
        .tooltip_id = 43776,  // 0xAB00
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

GaugeHeader RadioCompassGauge = {
    .version = kHeaderVersion700,
    .name = "RadioCompass",
    .element_list = RadioCompassElementList,
    .query = Lifecycle<RadioCompassGauge>::query,
    .install = Lifecycle<RadioCompassGauge>::install,
    .initialise = Lifecycle<RadioCompassGauge>::initialise,
    .update = Lifecycle<RadioCompassGauge>::update,
    .generate = Lifecycle<RadioCompassGauge>::generate,
    .draw = Lifecycle<RadioCompassGauge>::draw,
    .kill = Lifecycle<RadioCompassGauge>::kill,
    .default_width_mm = 110,
    .default_height_mm = 0,
    .mouse_rects = RadioCompassMouse,
    .service_callback = nullptr,
    .user_data = nullptr,
    .parameters = nullptr,
    .usage = nullptr,
};

}  // namespace corvel1
