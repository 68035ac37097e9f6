// "Altimetro": root image only so far; the instrument's elements follow.
#include "lifecycle.h"

namespace corvel1 {
namespace {

using namespace gauge_kit;

StaticImageElement AltimeterDial = {
    .header =
        {
            .kind = ElementKind::StaticImage,
            .bitmap_id = 304,  // 0x130
            .position = {.x = 0, .y = 0},
            .pivot = {.x = 0, .y = 0},
            .gauge = &AltimetroGauge,
            .children = nullptr,
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
        .tooltip_id = 43783,
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
