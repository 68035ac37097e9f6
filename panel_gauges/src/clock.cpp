// "Clock": root image only so far; the instrument's elements follow.
#include "lifecycle.h"

namespace corvel1 {
namespace {

using namespace gauge_kit;

StaticImageElement ClockDial = {
    .header =
        {
            .kind = ElementKind::StaticImage,
            .bitmap_id = 320,  // 0x140
            .position = {.x = 0, .y = 0},
            .pivot = {.x = 0, .y = 0},
            .gauge = &ClockGauge,
            .children = nullptr,
            .failures = nullptr,
            .image_flags = 0x1,
            .special_flags = 0,
        },
};

ElementHeader* ClockElementList[] = {&ClockDial.header, nullptr};

MouseRect ClockMouse[] = {
    {
        .kind = MouseRectKind::Parent,
        .x = 0,
        .y = 0,
        .width = 0,
        .height = 0,
        .cursor = -1,
        .tooltip_id = 43798,
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

GaugeHeader ClockGauge = {
    .version = kHeaderVersion700,
    .name = "Clock",
    .element_list = ClockElementList,
    .query = Lifecycle<ClockGauge>::query,
    .install = Lifecycle<ClockGauge>::install,
    .initialise = Lifecycle<ClockGauge>::initialise,
    .update = Lifecycle<ClockGauge>::update,
    .generate = Lifecycle<ClockGauge>::generate,
    .draw = Lifecycle<ClockGauge>::draw,
    .kill = Lifecycle<ClockGauge>::kill,
    .default_width_mm = 70,
    .default_height_mm = 0,
    .mouse_rects = ClockMouse,
    .service_callback = nullptr,
    .user_data = nullptr,
    .parameters = nullptr,
    .usage = nullptr,
};

}  // namespace corvel1
