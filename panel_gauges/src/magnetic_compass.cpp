// "WiskeyBmp": the magnetic compass. Its card is a numbered strip sliding
// behind a window with a lubber line.
#include <iterator>

#include "lifecycle.h"

namespace corvel1 {
namespace {

using namespace gauge_kit;

double GAUGE_CALL MagneticCompassCardCallback(ElementHeader* element) {
  const double heading = element_as<MovingImageElement>(element).x_source.value;
  const double slide = 360.0 - heading;
  if (slide < 0.0) return 0.0;
  if (slide > 360.0) return 0.0;
  return slide;
}

double GAUGE_CALL MagneticCompassCardRowCallback(ElementHeader*) { return 1.0; }

FailureRecord MagneticCompassCardFailures[] = {
    {.key = 12, .action = 1, .reserved = 0},  // 0xC
    {.key = 0, .action = 0, .reserved = 0},
};

MovingImageElement MagneticCompassCard = {
    .header =
        {
            .kind = ElementKind::MovingImage,
            .bitmap_id = 273,  // 0x111
            .position = {.x = 20, .y = 20},
            .pivot = {.x = 0, .y = 0},
            .gauge = &WiskeyBmpGauge,
            .children = nullptr,
            .failures = MagneticCompassCardFailures,
            .image_flags = 0x3,
            .special_flags = 0,
        },
    .x_source = {.id = 84},  // 0x54
    .x_min = 0.0,
    .x_max = 360.0,
    .y_source = {.id = 0},
    .y_min = 0.0,
    .y_max = 0.0,
    .x_callback = MagneticCompassCardCallback,
    .y_callback = MagneticCompassCardRowCallback,
};

ElementHeader* MagneticCompassBodyChildren[] = {&MagneticCompassCard.header, nullptr};

StaticImageElement MagneticCompassBody = {
    .header =
        {
            .kind = ElementKind::StaticImage,
            .bitmap_id = 272,  // 0x110
            .position = {.x = 0, .y = 0},
            .pivot = {.x = 0, .y = 0},
            .gauge = &WiskeyBmpGauge,
            .children = MagneticCompassBodyChildren,
            .failures = nullptr,
            .image_flags = 0x1,
            .special_flags = 0,
        },
};

ElementHeader* MagneticCompassElementList[] = {&MagneticCompassBody.header, nullptr};

MouseRect MagneticCompassMouse[] = {
    {
        .kind = MouseRectKind::Parent,
        .x = 0,
        .y = 0,
        .width = 0,
        .height = 0,
        .cursor = -1,
        .tooltip_id = 43828,  // 0xAB34
        .mouse_flags = 0,
        .key_event = 0,
        .target = {.callback = nullptr},
        .data = nullptr,
    },
    {
        .kind = MouseRectKind::Parent,
        .x = 38,
        .y = 138,
        .width = 40,
        .height = 30,
        .cursor = -1,
        .tooltip_id = 43829,  // 0xAB35
        .mouse_flags = 0,
        .key_event = 0,
        .target = {.callback = nullptr},
        .data = nullptr,
    },
    {
        .kind = MouseRectKind::Child,
        .x = 0,
        .y = 0,
        .width = 19,
        .height = 29,
        .cursor = 2,
        .tooltip_id = 0,
        .mouse_flags = 0x20200000,
        .key_event = 65878,  // 0x10156
        .target = {.callback = nullptr},
        .data = nullptr,
    },
    {
        .kind = MouseRectKind::Child,
        .x = 20,
        .y = 0,
        .width = 19,
        .height = 29,
        .cursor = 1,
        .tooltip_id = 0,
        .mouse_flags = 0x20200000,
        .key_event = 65877,  // 0x10155
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

GaugeHeader WiskeyBmpGauge = {
    .version = kHeaderVersion700,
    .name = "WiskeyBmp",
    .element_list = MagneticCompassElementList,
    .query = Lifecycle<WiskeyBmpGauge>::query,
    .install = Lifecycle<WiskeyBmpGauge>::install,
    .initialise = Lifecycle<WiskeyBmpGauge>::initialise,
    .update = Lifecycle<WiskeyBmpGauge>::update,
    .generate = Lifecycle<WiskeyBmpGauge>::generate,
    .draw = Lifecycle<WiskeyBmpGauge>::draw,
    .kill = Lifecycle<WiskeyBmpGauge>::kill,
    .default_width_mm = 70,
    .default_height_mm = 0,
    .mouse_rects = MagneticCompassMouse,
    .service_callback = nullptr,
    .user_data = nullptr,
    .parameters = nullptr,
    .usage = nullptr,
};

}  // namespace corvel1
