// "Gmeter": root image only so far; the instrument's elements follow.
#include "lifecycle.h"

namespace corvel1 {
namespace {

using namespace gauge_kit;

StaticImageElement GmeterDial = {
    .header =
        {
            .kind = ElementKind::StaticImage,
            .bitmap_id = 325,  // 0x145
            .position = {.x = 0, .y = 0},
            .pivot = {.x = 0, .y = 0},
            .gauge = &GmeterGauge,
            .children = nullptr,
            .failures = nullptr,
            .image_flags = 0x3,
            .special_flags = 0,
        },
};

ElementHeader* GmeterElementList[] = {&GmeterDial.header, nullptr};

MouseRect GmeterMouse[] = {
    {
        .kind = MouseRectKind::Parent,
        .x = 0,
        .y = 0,
        .width = 0,
        .height = 0,
        .cursor = -1,
        .tooltip_id = 43546,
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

GaugeHeader GmeterGauge = {
    .version = kHeaderVersion700,
    .name = "Gmeter",
    .element_list = GmeterElementList,
    .query = Lifecycle<GmeterGauge>::query,
    .install = Lifecycle<GmeterGauge>::install,
    .initialise = Lifecycle<GmeterGauge>::initialise,
    .update = Lifecycle<GmeterGauge>::update,
    .generate = Lifecycle<GmeterGauge>::generate,
    .draw = Lifecycle<GmeterGauge>::draw,
    .kill = Lifecycle<GmeterGauge>::kill,
    .default_width_mm = 70,
    .default_height_mm = 0,
    .mouse_rects = GmeterMouse,
    .service_callback = nullptr,
    .user_data = nullptr,
    .parameters = nullptr,
    .usage = nullptr,
};

}  // namespace corvel1
