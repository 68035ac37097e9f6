// A module built only for the renderer's tests: one gauge whose elements each
// show one drawing rule with flat colours (transparency, the hidden flag, a
// sprite's mask, night and the bright flag, string alignment and clipping).
#include <cstdio>

#include "gauge_kit/host_interface.h"

using namespace gauge_kit;

namespace {

extern GaugeHeader ProbeGauge;

FailureRecord ProbeNoFailures[] = {
    {.key = 0, .action = 0, .reserved = 0},
};

// Key 5 freezes the needle, key 6 puts it to zero.
FailureRecord ProbeNeedleFailures[] = {
    {.key = 5, .action = 1, .reserved = 0},
    {.key = 6, .action = 2, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};

double GAUGE_CALL ProbeTextCallback(ElementHeader* element) {
  StringElement& string = element_as<StringElement>(element);
  std::snprintf(string.text, string.char_count + 1, "%.0f", string.sources[0].value);
  return 0.0;
}

constexpr ElementHeader element_header(ElementKind kind, std::int32_t bitmap_id, PixelPoint position, PixelPoint pivot,
                                       ElementHeader** children, FailureRecord* failures, std::uint32_t image_flags) {
  return {
      .kind = kind,
      .bitmap_id = bitmap_id,
      .position = position,
      .pivot = pivot,
      .gauge = &ProbeGauge,
      .children = children,
      .failures = failures,
      .image_flags = image_flags,
      .special_flags = 0,
  };
}

StringElement800 probe_string(PixelPoint position, std::int32_t width, std::int32_t height, std::uint32_t source,
                              std::uint32_t format_flags) {
  return {
      .string =
          {
              .header = element_header(ElementKind::String, -1, position, {0, 0}, nullptr, ProbeNoFailures, 0x1),
              .sources = {{.id = source}, {.id = 0}, {.id = 0}},
              .text = nullptr,
              .box_width = width,
              .box_height = height,
              .fore_colour = 0xFFFFFF,
              .back_colour = 0x600000,  // blue (0, 0, 96)
              .highlight_colour = 0,
              .font_face = "Quartz",
              .font_weight = 400,
              .charset = 1,
              .format_flags = format_flags,
              .char_count = 16,
              .highlight_list = nullptr,
              .callback = ProbeTextCallback,
          },
      .host_word = 0,
  };
}

// Variable 3 prints in the two aligned boxes, variable 4 in the narrow box
// and in the one that runs past the gauge's edge.
StringElement800 ProbeCentred = probe_string({48, 0}, 24, 16, 3, 0x25);
StringElement800 ProbeTopLeft = probe_string({72, 0}, 24, 16, 3, 0x0);
StringElement800 ProbeNarrow = probe_string({48, 16}, 24, 16, 4, 0x0);
StringElement800 ProbePastEdge = probe_string({84, 16}, 40, 16, 4, 0x0);

NeedleElement ProbeNeedle = {
    .header = element_header(ElementKind::Needle, 105, {40, 4}, {0, 1}, nullptr, ProbeNeedleFailures, 0x5),
    .source = {.id = 2},
    .scale = nullptr,
    .scale_points = 0,
    .max_degrees_per_tick = 0,
    .callback = nullptr,
};

SpriteElement ProbeSprite = {
    .header = element_header(ElementKind::Sprite, 103, {18, 14}, {8, 8}, nullptr, ProbeNoFailures, 0x1),
    .x_source = {.id = 0},
    .x_scale = 0.0,
    .y_source = {.id = 0},
    .y_scale = 0.0,
    .angle_source = {.id = 1},
    .angle_scale = 1.0,
    .texture_scale_x = 1.0f,
    .texture_scale_y = 1.0f,
    .x_callback = nullptr,
    .y_callback = nullptr,
    .angle_callback = nullptr,
};

StaticImageElement ProbeShown = {
    .header = element_header(ElementKind::StaticImage, 102, {28, 2}, {0, 0}, nullptr, ProbeNoFailures, 0x1),
};

ElementHeader* ProbeHiddenChildren[] = {&ProbeShown.header, nullptr};

StaticImageElement ProbeHidden = {
    .header = element_header(ElementKind::StaticImage, 101, {18, 2}, {0, 0}, ProbeHiddenChildren, ProbeNoFailures,
                             0x40000001),
};

ElementHeader* ProbeFaceChildren[] = {
    &ProbeHidden.header,         &ProbeSprite.header,        &ProbeNeedle.header, &ProbeCentred.string.header,
    &ProbeTopLeft.string.header, &ProbeNarrow.string.header, &ProbePastEdge.string.header, nullptr,
};

StaticImageElement ProbeFace = {
    .header = element_header(ElementKind::StaticImage, 100, {0, 0}, {0, 0}, ProbeFaceChildren, ProbeNoFailures, 0x1),
};

ElementHeader* ProbeElementList[] = {&ProbeFace.header};

MouseRect ProbeMouse[] = {
    {.kind = MouseRectKind::EndOfList, .x = 0, .y = 0, .width = 0, .height = 0, .cursor = -1, .tooltip_id = 0,
     .mouse_flags = 0, .key_event = 0, .target = {.callback = nullptr}, .data = nullptr},
};

GaugeHeader ProbeGauge = {
    .version = kHeaderVersion800,
    .name = "Probe",
    .element_list = ProbeElementList,
    .query = nullptr,
    .install = nullptr,
    .initialise = nullptr,
    .update = nullptr,
    .generate = nullptr,
    .draw = nullptr,
    .kill = nullptr,
    .default_width_mm = 50,
    .default_height_mm = 0,
    .mouse_rects = ProbeMouse,
    .service_callback = nullptr,
    .user_data = nullptr,
    .parameters = nullptr,
    .usage = nullptr,
};

// A gauge whose needle names a bitmap the module does not have.
extern GaugeHeader ProbeMissingGauge;

NeedleElement ProbeMissingNeedle = {
    .header =
        {
            .kind = ElementKind::Needle,
            .bitmap_id = 198,
            .position = {10, 10},
            .pivot = {0, 0},
            .gauge = &ProbeMissingGauge,
            .children = nullptr,
            .failures = ProbeNoFailures,
            .image_flags = 0x1,
            .special_flags = 0,
        },
    .source = {.id = 0},
    .scale = nullptr,
    .scale_points = 0,
    .max_degrees_per_tick = 0,
    .callback = nullptr,
};

ElementHeader* ProbeMissingFaceChildren[] = {&ProbeMissingNeedle.header, nullptr};

StaticImageElement ProbeMissingFace = {
    .header =
        {
            .kind = ElementKind::StaticImage,
            .bitmap_id = 100,
            .position = {0, 0},
            .pivot = {0, 0},
            .gauge = &ProbeMissingGauge,
            .children = ProbeMissingFaceChildren,
            .failures = ProbeNoFailures,
            .image_flags = 0x1,
            .special_flags = 0,
        },
};

ElementHeader* ProbeMissingElementList[] = {&ProbeMissingFace.header};

GaugeHeader ProbeMissingGauge = {
    .version = kHeaderVersion800,
    .name = "MissingBitmap",
    .element_list = ProbeMissingElementList,
    .query = nullptr,
    .install = nullptr,
    .initialise = nullptr,
    .update = nullptr,
    .generate = nullptr,
    .draw = nullptr,
    .kill = nullptr,
    .default_width_mm = 50,
    .default_height_mm = 0,
    .mouse_rects = ProbeMouse,
    .service_callback = nullptr,
    .user_data = nullptr,
    .parameters = nullptr,
    .usage = nullptr,
};

void GAUGE_CALL probe_init() {}
void GAUGE_CALL probe_deinit() {}

}  // namespace

extern "C" {

GAUGE_EXPORT Linkage Linkage = {
    .module_id = 0x13,
    .module_init = probe_init,
    .module_deinit = probe_deinit,
    .flags = 0,
    .status = 0,
    .version = kLinkageVersion800,
    .gauges =
        {
            &ProbeGauge,
            &ProbeMissingGauge,
            nullptr,
        },
};

GAUGE_EXPORT gauge_kit::ImportTable ImportTable = {
    .host_services = {.id = kImportHostServices, .table = nullptr},
    .end = {.id = 0, .table = nullptr},
};

std::int32_t GAUGE_CALL GaugeModuleEntry(void*, std::uint32_t, void*) { return 1; }
}
