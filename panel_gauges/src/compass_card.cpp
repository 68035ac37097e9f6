// "CompassNop": a fixed compass rose with a needle and a broad index arrow
// that the pilot turns in one-degree steps with a two-part knob.
#include <cstdint>

#include "lifecycle.h"

namespace corvel1 {
namespace {

using namespace gauge_kit;

// One index per loaded module, 0 to 359, shared by every instance of the
// gauge and kept while a gauge is killed and created again.
std::int16_t CompassNopIndex = 0;

double GAUGE_CALL CompassNopIndexCallback(ElementHeader*) { return CompassNopIndex; }

// The needle bitmap points to the right; bearing 0 is the top of the rose.
double GAUGE_CALL CompassNopNeedleCallback(ElementHeader* element) {
  return element_as<NeedleElement>(element).source.value - 90.0;
}

std::int32_t GAUGE_CALL CompassNopIndexUpCallback(PixelPoint*, std::uint32_t) {
  CompassNopIndex = static_cast<std::int16_t>(CompassNopIndex + 1);
  if (CompassNopIndex > 359) CompassNopIndex = 0;
  return 0;
}

std::int32_t GAUGE_CALL CompassNopIndexDownCallback(PixelPoint*, std::uint32_t) {
  CompassNopIndex = static_cast<std::int16_t>(CompassNopIndex - 1);
  if (CompassNopIndex < 0) CompassNopIndex = 359;
  return 0;
}

FailureRecord CompassNopNeedleFailures[] = {
    {.key = 12, .action = 1, .reserved = 0},  // 0xC
    {.key = 0, .action = 0, .reserved = 0},
};

NeedleElement CompassNopNeedle = {
    .header =
        {
            .kind = ElementKind::Needle,
            .bitmap_id = 337,  // 0x151
            .position = {.x = 152, .y = 160},
            .pivot = {.x = 108, .y = 13},
            .gauge = &CompassNopGauge,
            .children = nullptr,
            .failures = CompassNopNeedleFailures,
            .image_flags = 0x3,
            .special_flags = 0,
        },
    .source = {.id = 83},  // 0x53
    .scale = nullptr,
    .scale_points = 0,
    .max_degrees_per_tick = 0,
    .callback = CompassNopNeedleCallback,
};

ElementHeader* CompassNopIndexArrowChildren[] = {&CompassNopNeedle.header, nullptr};

NeedleElement CompassNopIndexArrow = {
    .header =
        {
            .kind = ElementKind::Needle,
            .bitmap_id = 338,  // 0x152
            .position = {.x = 152, .y = 160},
            .pivot = {.x = 108, .y = 25},
            .gauge = &CompassNopGauge,
            .children = CompassNopIndexArrowChildren,
            .failures = nullptr,
            .image_flags = 0x3,
            .special_flags = 0,
        },
    .source = {.id = 0},
    .scale = nullptr,
    .scale_points = 0,
    .max_degrees_per_tick = 0,
    .callback = CompassNopIndexCallback,
};

ElementHeader* CompassNopDialChildren[] = {&CompassNopIndexArrow.header, nullptr};

StaticImageElement CompassNopDial = {
    .header =
        {
            .kind = ElementKind::StaticImage,
            .bitmap_id = 336,  // 0x150
            .position = {.x = 0, .y = 0},
            .pivot = {.x = 0, .y = 0},
            .gauge = &CompassNopGauge,
            .children = CompassNopDialChildren,
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
        .kind = MouseRectKind::Child,
        .x = 0,
        .y = 270,
        .width = 24,
        .height = 49,
        .cursor = 2,
        .tooltip_id = 0,
        .mouse_flags = 0x20200000,
        .key_event = 0,
        .target = {.callback = CompassNopIndexDownCallback},
        .data = nullptr,
    },
    {
        .kind = MouseRectKind::Child,
        .x = 25,
        .y = 270,
        .width = 24,
        .height = 49,
        .cursor = 1,
        .tooltip_id = 0,
        .mouse_flags = 0x20200000,
        .key_event = 0,
        .target = {.callback = CompassNopIndexUpCallback},
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
