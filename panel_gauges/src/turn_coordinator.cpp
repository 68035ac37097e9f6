// "Turn": the turn coordinator. A turn needle pivoted low on the dial and a
// ball that moves sideways along a curved tube, rising towards either end.
#include <iterator>

#include "lifecycle.h"

namespace corvel1 {
namespace {

using namespace gauge_kit;

double GAUGE_CALL TurnNeedleCallback(ElementHeader* element) {
  const double turn = element_as<NeedleElement>(element).source.value;
  if (turn > 900.0) return 900.0;
  if (turn < -900.0) return -900.0;
  return turn;
}

// The tube curves upwards on both sides: the ball rises with |slip|. A value
// that is no number compares as neither side and leaves the ball at rest.
double GAUGE_CALL TurnBallHeightCallback(ElementHeader* element) {
  const double slip = element_as<SliderElement>(element).y_source.value;
  if (slip > 0.0) return -0.02 * slip;
  if (slip < 0.0) return 0.02 * slip;
  return 0.0;
}

NonlinearityPoint TurnNeedleScale[] = {
    {.x = 70, .y = 50, .value = -900.0},
    {.x = 114, .y = 35, .value = -546.0},
    {.x = 150, .y = 30, .value = 0.0},
    {.x = 186, .y = 35, .value = 546.0},
    {.x = 230, .y = 50, .value = 900.0},
};

FailureRecord TurnNeedleFailures[] = {
    {.key = 18, .action = 1, .reserved = 0},  // 0x12
    {.key = 20, .action = 2, .reserved = 0},  // 0x14
    {.key = 0, .action = 0, .reserved = 0},
};

NeedleElement TurnNeedle = {
    .header =
        {
            .kind = ElementKind::Needle,
            .bitmap_id = 293,  // 0x125
            .position = {.x = 148, .y = 248},
            .pivot = {.x = 16, .y = 17},
            .gauge = &TurnGauge,
            .children = nullptr,
            .failures = TurnNeedleFailures,
            .image_flags = 0x3,
            .special_flags = 0,
        },
    .source = {.id = 70},  // 0x46
    .scale = TurnNeedleScale,
    .scale_points = std::size(TurnNeedleScale),
    .max_degrees_per_tick = 6,
    .callback = TurnNeedleCallback,
};

ElementHeader* TurnBallChildren[] = {&TurnNeedle.header, nullptr};

SliderElement TurnBall = {
    .header =
        {
            .kind = ElementKind::Slider,
            .bitmap_id = 290,  // 0x122
            .position = {.x = 140, .y = 170},
            .pivot = {.x = 0, .y = 0},
            .gauge = &TurnGauge,
            .children = TurnBallChildren,
            .failures = nullptr,
            .image_flags = 0x3,
            .special_flags = 0,
        },
    .x_source = {.id = 69},  // 0x45
    .x_scale = 0.554688,
    .y_source = {.id = 69},  // 0x45
    .y_scale = 1.0,
    .x_callback = nullptr,
    .y_callback = TurnBallHeightCallback,
};

FailureRecord TurnDialFailures[] = {
    {.key = 18, .action = 0, .reserved = 0},  // 0x12
    {.key = 0, .action = 0, .reserved = 0},
};

ElementHeader* TurnDialChildren[] = {&TurnBall.header, nullptr};

StaticImageElement TurnDial = {
    .header =
        {
            .kind = ElementKind::StaticImage,
            .bitmap_id = 289,  // 0x121
            .position = {.x = 0, .y = 0},
            .pivot = {.x = 0, .y = 0},
            .gauge = &TurnGauge,
            .children = TurnDialChildren,
            .failures = TurnDialFailures,
            .image_flags = 0x1,
            .special_flags = 0,
        },
};

ElementHeader* TurnElementList[] = {&TurnDial.header, nullptr};

MouseRect TurnMouse[] = {
    {
        .kind = MouseRectKind::Parent,
        .x = 0,
        .y = 0,
        .width = 0,
        .height = 0,
        .cursor = -1,
        .tooltip_id = 43889,  // 0xAB71
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
    .element_list = TurnElementList,
    .query = Lifecycle<TurnGauge>::query,
    .install = Lifecycle<TurnGauge>::install,
    .initialise = Lifecycle<TurnGauge>::initialise,
    .update = Lifecycle<TurnGauge>::update,
    .generate = Lifecycle<TurnGauge>::generate,
    .draw = Lifecycle<TurnGauge>::draw,
    .kill = Lifecycle<TurnGauge>::kill,
    .default_width_mm = 115,
    .default_height_mm = 0,
    .mouse_rects = TurnMouse,
    .service_callback = nullptr,
    .user_data = nullptr,
    .parameters = nullptr,
    .usage = nullptr,
};

}  // namespace corvel1
