// "Gmeter": an accelerometer from -5 g to +10 g with a live needle and two
// memory needles for the lowest and highest load factor since the last reset.
#include <cstdint>
#include <iterator>

#include "lifecycle.h"

namespace corvel1 {
namespace {

using namespace gauge_kit;

// One pair of memories per loaded module, shared by every instance of the
// gauge and kept while a gauge is killed and created again.
double GmeterMaximum = 1.0;
double GmeterMinimum = 1.0;

// Host units are 624 per g. The upper bound is tested first; the lower test
// is written so that a value that is no number also lands on -5 g.
double load_factor(ElementHeader* element) {
  double g = element_as<NeedleElement>(element).source.value / 624.0;
  if (g > 10.0)
    g = 10.0;
  else if (!(g >= -5.0))
    g = -5.0;
  return g;
}

double GAUGE_CALL GmeterNeedleCallback(ElementHeader* element) { return load_factor(element); }

double GAUGE_CALL GmeterMinimumCallback(ElementHeader* element) {
  const double g = load_factor(element);
  if (g < GmeterMinimum) GmeterMinimum = g;
  return GmeterMinimum;
}

double GAUGE_CALL GmeterMaximumCallback(ElementHeader* element) {
  const double g = load_factor(element);
  if (g > GmeterMaximum) GmeterMaximum = g;
  return GmeterMaximum;
}

std::int32_t GAUGE_CALL GmeterResetCallback(PixelPoint*, std::uint32_t) {
  GmeterMaximum = 1.0;
  GmeterMinimum = 1.0;
  return 0;
}

NonlinearityPoint GmeterScale[] = {
    {.x = 237, .y = 231, .value = -5.0},
    {.x = 200, .y = 257, .value = -4.0},
    {.x = 110, .y = 255, .value = -2.0},
    {.x = 51, .y = 197, .value = 0.0},
    {.x = 42, .y = 161, .value = 1.0},
    {.x = 48, .y = 117, .value = 2.0},
    {.x = 109, .y = 55, .value = 4.0},
    {.x = 195, .y = 51, .value = 6.0},
    {.x = 261, .y = 114, .value = 8.0},
    {.x = 259, .y = 200, .value = 10.0},
};

FailureRecord GmeterFailures[] = {
    {.key = 20, .action = 2, .reserved = 0},  // 0x14
    {.key = 0, .action = 0, .reserved = 0},
};

NeedleElement GmeterMaximumNeedle = {
    .header =
        {
            .kind = ElementKind::Needle,
            .bitmap_id = 326,  // 0x146
            .position = {.x = 152, .y = 161},
            .pivot = {.x = 15, .y = 8},
            .gauge = &GmeterGauge,
            .children = nullptr,
            .failures = GmeterFailures,
            .image_flags = 0x3,
            .special_flags = 0,
        },
    .source = {.id = 351},  // 0x15F
    .scale = GmeterScale,
    .scale_points = std::size(GmeterScale),
    .max_degrees_per_tick = 6,
    .callback = GmeterMaximumCallback,
};

ElementHeader* GmeterMinimumNeedleChildren[] = {&GmeterMaximumNeedle.header, nullptr};

NeedleElement GmeterMinimumNeedle = {
    .header =
        {
            .kind = ElementKind::Needle,
            .bitmap_id = 326,  // 0x146
            .position = {.x = 152, .y = 161},
            .pivot = {.x = 15, .y = 8},
            .gauge = &GmeterGauge,
            .children = GmeterMinimumNeedleChildren,
            .failures = GmeterFailures,
            .image_flags = 0x3,
            .special_flags = 0,
        },
    .source = {.id = 351},  // 0x15F
    .scale = GmeterScale,
    .scale_points = std::size(GmeterScale),
    .max_degrees_per_tick = 6,
    .callback = GmeterMinimumCallback,
};

ElementHeader* GmeterNeedleChildren[] = {&GmeterMinimumNeedle.header, nullptr};

NeedleElement GmeterNeedle = {
    .header =
        {
            .kind = ElementKind::Needle,
            .bitmap_id = 326,  // 0x146
            .position = {.x = 152, .y = 161},
            .pivot = {.x = 15, .y = 8},
            .gauge = &GmeterGauge,
            .children = GmeterNeedleChildren,
            .failures = GmeterFailures,
            .image_flags = 0x3,
            .special_flags = 0,
        },
    .source = {.id = 351},  // 0x15F
    .scale = GmeterScale,
    .scale_points = std::size(GmeterScale),
    .max_degrees_per_tick = 6,
    .callback = GmeterNeedleCallback,
};

ElementHeader* GmeterDialChildren[] = {&GmeterNeedle.header, nullptr};

StaticImageElement GmeterDial = {
    .header =
        {
            .kind = ElementKind::StaticImage,
            .bitmap_id = 325,  // 0x145
            .position = {.x = 0, .y = 0},
            .pivot = {.x = 0, .y = 0},
            .gauge = &GmeterGauge,
            .children = GmeterDialChildren,
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
        .tooltip_id = 43546,  // 0xAA1A
        .mouse_flags = 0,
        .key_event = 0,
        .target = {.callback = nullptr},
        .data = nullptr,
    },
    {
        .kind = MouseRectKind::Child,
        .x = 0,
        .y = 260,
        .width = 40,
        .height = 40,
        .cursor = 5,
        .tooltip_id = 0,
        .mouse_flags = 0x20000000,
        .key_event = 0,
        .target = {.callback = GmeterResetCallback},
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
