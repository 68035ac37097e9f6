// "RadioCompass": root image only so far; the instrument's elements follow.
#include "lifecycle.h"

namespace corvel1 {
namespace {

using namespace gauge_kit;

StaticImageElement RadioCompassDial = {
    .header =
        {
            .kind = ElementKind::StaticImage,
            .bitmap_id = 328,  // 0x148
            .position = {.x = 0, .y = 0},
            .pivot = {.x = 0, .y = 0},
            .gauge = &RadioCompassGauge,
            .children = nullptr,
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
        .tooltip_id = 43776,
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
