// "Hobb": root image only so far; the instrument's elements follow.
#include "lifecycle.h"

namespace corvel1 {
namespace {

using namespace gauge_kit;

StaticImageElement HobbDial = {
    .header =
        {
            .kind = ElementKind::StaticImage,
            .bitmap_id = 352,  // 0x160
            .position = {.x = 0, .y = 0},
            .pivot = {.x = 0, .y = 0},
            .gauge = &HobbGauge,
            .children = nullptr,
            .failures = nullptr,
            .image_flags = 0x4003,
            .special_flags = 0,
        },
};

ElementHeader* HobbElementList[] = {&HobbDial.header, nullptr};

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
