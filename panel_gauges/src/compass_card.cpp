// "CompassNop": root image only so far; the instrument's elements follow.
#include "lifecycle.h"

namespace corvel1 {
namespace {

using namespace gauge_kit;

StaticImageElement CompassNopDial = {
    .header =
        {
            .kind = ElementKind::StaticImage,
            .bitmap_id = 336,  // 0x150
            .position = {.x = 0, .y = 0},
            .pivot = {.x = 0, .y = 0},
            .gauge = &CompassNopGauge,
            .children = nullptr,
            .failures = nullptr,
            .image_flags = 0x1,
            .special_flags = 0,
        },
};

ElementHeader* CompassNopElementList[] = {&CompassNopDial.header, nullptr};

MouseRect CompassNopMouse[] = {
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

GaugeHeader CompassNopGauge = {
    .version = kHeaderVersion700,
    .name = "CompassNop",
    .element_list = CompassNopElementList,
    .query = Lifecycle<CompassNopGauge>::query,
    .install = Lifecycle<CompassNopGauge>::install,
    .initialise = Lifecycle<CompassNopGauge>::initialise,
    .update = Lifecycle<CompassNopGauge>::update,
    .generate = Lifecycle<CompassNopGauge>::generate,
    .draw = Lifecycle<CompassNopGauge>::draw,
    .kill = Lifecycle<CompassNopGauge>::kill,
    .default_width_mm = 110,
    .default_height_mm = 0,
    .mouse_rects = CompassNopMouse,
    .service_callback = nullptr,
    .user_data = nullptr,
    .parameters = nullptr,
    .usage = nullptr,
};

}  // namespace corvel1
