// "Turn": root image only so far; the instrument's elements follow.
#include "lifecycle.h"

namespace corvel1 {
namespace {

using namespace gauge_kit;

StaticImageElement TurnCoordinatorDial = {
    .header =
        {
            .kind = ElementKind::StaticImage,
            .bitmap_id = 289,  // 0x121
            .position = {.x = 0, .y = 0},
            .pivot = {.x = 0, .y = 0},
            .gauge = &TurnGauge,
            .children = nullptr,
            .failures = nullptr,
            .image_flags = 0x1,
            .special_flags = 0,
        },
};

ElementHeader* TurnCoordinatorElementList[] = {&TurnCoordinatorDial.header, nullptr};

MouseRect TurnCoordinatorMouse[] = {
    {
        .kind = MouseRectKind::Parent,
        .x = 0,
        .y = 0,
        .width = 0,
        .height = 0,
        .cursor = -1,
        .tooltip_id = 43889,
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

GaugeHeader TurnGauge = {
    .version = kHeaderVersion700,
    .name = "Turn",
    .element_list = TurnCoordinatorElementList,
    .query = Lifecycle<TurnGauge>::query,
    .install = Lifecycle<TurnGauge>::install,
    .initialise = Lifecycle<TurnGauge>::initialise,
    .update = Lifecycle<TurnGauge>::update,
    .generate = Lifecycle<TurnGauge>::generate,
    .draw = Lifecycle<TurnGauge>::draw,
    .kill = Lifecycle<TurnGauge>::kill,
    .default_width_mm = 115,
    .default_height_mm = 0,
    .mouse_rects = TurnCoordinatorMouse,
    .service_callback = nullptr,
    .user_data = nullptr,
    .parameters = nullptr,
    .usage = nullptr,
};

}  // namespace corvel1
