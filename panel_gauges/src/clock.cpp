// "Clock": hour, minute and second hands over a twelve-hour dial, read
// straight from the host through two-point scales, and a two-part knob.
#include <iterator>

#include "lifecycle.h"

namespace corvel1 {
namespace {

using namespace gauge_kit;

NonlinearityPoint ClockHourScale[] = {
    {.x = 157, .y = 35, .value = 0.0},
    {.x = 101, .y = 51, .value = 11.0},
};

NonlinearityPoint ClockMinuteScale[] = {
    {.x = 157, .y = 35, .value = 0.0},
    {.x = 145, .y = 37, .value = 59.0},
};

NonlinearityPoint ClockSecondScale[] = {
    {.x = 157, .y = 35, .value = 0.0},
    {.x = 145, .y = 37, .value = 59.0},
};

NeedleElement ClockSecondHand = {
    .header =
        {
            .kind = ElementKind::Needle,
            .bitmap_id = 323,  // 0x143
            .position = {.x = 154, .y = 148},
            .pivot = {.x = 52, .y = 7},
            .gauge = &ClockGauge,
            .children = nullptr,
            .failures = nullptr,
            .image_flags = 0x3,
            .special_flags = 0,
        },
    .source = {.id = 5},  // 0x5
    .scale = ClockSecondScale,
    .scale_points = std::size(ClockSecondScale),
    .max_degrees_per_tick = 0,
    .callback = nullptr,
};

ElementHeader* ClockMinuteHandChildren[] = {&ClockSecondHand.header, nullptr};

NeedleElement ClockMinuteHand = {
    .header =
        {
            .kind = ElementKind::Needle,
            .bitmap_id = 322,  // 0x142
            .position = {.x = 154, .y = 148},
            .pivot = {.x = 11, .y = 11},
            .gauge = &ClockGauge,
            .children = ClockMinuteHandChildren,
            .failures = nullptr,
            .image_flags = 0x3,
            .special_flags = 0,
        },
    .source = {.id = 4},  // 0x4
    .scale = ClockMinuteScale,
    .scale_points = std::size(ClockMinuteScale),
    .max_degrees_per_tick = 0,
    .callback = nullptr,
};

ElementHeader* ClockHourHandChildren[] = {&ClockMinuteHand.header, nullptr};

NeedleElement ClockHourHand = {
    .header =
        {
            .kind = ElementKind::Needle,
            .bitmap_id = 321,  // 0x141
            .position = {.x = 154, .y = 148},
            .pivot = {.x = 11, .y = 11},
            .gauge = &ClockGauge,
            .children = ClockHourHandChildren,
            .failures = nullptr,
            .image_flags = 0x3,
            .special_flags = 0,
        },
    .source = {.id = 3},  // 0x3
    .scale = ClockHourScale,
    .scale_points = std::size(ClockHourScale),
    .max_degrees_per_tick = 0,
    .callback = nullptr,
};

ElementHeader* ClockDialChildren[] = {&ClockHourHand.header, nullptr};

StaticImageElement ClockDial = {
    .header =
        {
            .kind = ElementKind::StaticImage,
            .bitmap_id = 320,  // 0x140
            .position = {.x = 0, .y = 0},
            .pivot = {.x = 0, .y = 0},
            .gauge = &ClockGauge,
            .children = ClockDialChildren,
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
        .tooltip_id = 43798,  // 0xAB16
        .mouse_flags = 0,
        .key_event = 0,
        .target = {.callback = nullptr},
        .data = nullptr,
    },
    {
        .kind = MouseRectKind::Parent,
        .x = 0,
        .y = 228,
        .width = 72,
        .height = 72,
        .cursor = -1,
        .tooltip_id = 0,
        .mouse_flags = 0,
        .key_event = 0,
        .target = {.callback = nullptr},
        .data = nullptr,
    },
    {
        .kind = MouseRectKind::Child,
        .x = 0,
        .y = 0,
        .width = 36,
        .height = 72,
        .cursor = 2,
        .tooltip_id = 0,
        .mouse_flags = 0x20000000,
        .key_event = 65657,  // 0x10079
        .target = {.callback = nullptr},
        .data = nullptr,
    },
    {
        .kind = MouseRectKind::Child,
        .x = 36,
        .y = 0,
        .width = 36,
        .height = 72,
        .cursor = 1,
        .tooltip_id = 0,
        .mouse_flags = 0x20000000,
        .key_event = 65658,  // 0x1007A
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
