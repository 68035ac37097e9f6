// A version 800 module built only for the host's tests: one gauge with every
// element kind, a nested mouse region and a tooltip text, and a log of the
// services and mouse callbacks it received.
#include <cstdio>
#include <iterator>

#include "gauge_kit/host_interface.h"

using namespace gauge_kit;

extern "C" {
GAUGE_EXPORT extern char ProbeLog[256];
GAUGE_EXPORT extern int ProbeMouseCalls;
char ProbeLog[256] = {};
int ProbeMouseCalls = 0;
}

namespace {

extern GaugeHeader ProbeGauge;

void log_event(const char* text) {
  const std::size_t used = std::char_traits<char>::length(ProbeLog);
  std::snprintf(ProbeLog + used, sizeof ProbeLog - used, "%s%s", used == 0 ? "" : " ", text);
}

void GAUGE_CALL ProbeService(GaugeHeader*, std::uint32_t service_id, std::uint32_t) {
  char text[16];
  std::snprintf(text, sizeof text, "s%u", service_id);
  log_event(text);
}

// Reads its source (variable id 0) and shows it plus 100.
double GAUGE_CALL ProbeNeedleCallback(ElementHeader* element) {
  log_event("needle");
  return element_as<NeedleElement>(element).source.value + 100.0;
}

// Writes as many characters as the buffer has room for.
double GAUGE_CALL ProbeTextCallback(ElementHeader* element) {
  StringElement& string = element_as<StringElement>(element);
  std::snprintf(string.text, string.char_count + 1, "%.0f", string.sources[0].value);
  return string.sources[0].value;
}

double GAUGE_CALL ProbeIconCallback(ElementHeader* element) { return element_as<IconElement>(element).source.value; }

std::int32_t GAUGE_CALL ProbeMouseCallback(PixelPoint*, std::uint32_t) {
  ++ProbeMouseCalls;
  return 0;
}

FailureRecord ProbeFailures[] = {
    {.key = 0, .action = 0, .reserved = 0},
};

IconElement ProbeIcon = {
    .header =
        {
            .kind = ElementKind::Icon,
            .bitmap_id = 10,
            .position = {.x = 0, .y = 0},
            .pivot = {.x = 0, .y = 0},
            .gauge = &ProbeGauge,
            .children = nullptr,
            .failures = ProbeFailures,
            .image_flags = 0x83,
            .special_flags = 0,
        },
    .source = {.id = 7},
    .switch_type = 3,
    .icon_count = 2,
    .scale = 0.0,
    .offset = 0,
    .callback = ProbeIconCallback,
};

SliderElement ProbeSlider = {
    .header =
        {
            .kind = ElementKind::Slider,
            .bitmap_id = 3,
            .position = {.x = 10, .y = 10},
            .pivot = {.x = 0, .y = 0},
            .gauge = &ProbeGauge,
            .children = nullptr,
            .failures = ProbeFailures,
            .image_flags = 0x83,
            .special_flags = 0,
        },
    .x_source = {.id = 8},
    .x_scale = 1.0,
    .y_source = {.id = 0},
    .y_scale = 1.0,
    .x_callback = nullptr,
    .y_callback = nullptr,
};

StringElement800 ProbeText = {
    .string =
        {
            .header =
                {
                    .kind = ElementKind::String,
                    .bitmap_id = -1,
                    .position = {.x = 0, .y = 0},
                    .pivot = {.x = 0, .y = 0},
                    .gauge = &ProbeGauge,
                    .children = nullptr,
                    .failures = ProbeFailures,
                    .image_flags = 0x83,
                    .special_flags = 0,
                },
            .sources = {{.id = 5}, {.id = 0}, {.id = 0}},
            .text = nullptr,
            .box_width = 40,
            .box_height = 10,
            .fore_colour = 0xFFFFFF,
            .back_colour = 0,
            .highlight_colour = 0,
            .font_face = "Quartz",
            .font_weight = 100,
            .charset = 1,
            .format_flags = 0,
            .char_count = 4,
            .highlight_list = nullptr,
            .callback = ProbeTextCallback,
        },
    .host_word = 0,
};

ElementHeader* ProbeNeedleChildren[] = {&ProbeText.string.header, &ProbeSlider.header, nullptr};

NeedleElement ProbeNeedle = {
    .header =
        {
            .kind = ElementKind::Needle,
            .bitmap_id = 2,
            .position = {.x = 100, .y = 100},
            .pivot = {.x = 0, .y = 0},
            .gauge = &ProbeGauge,
            .children = ProbeNeedleChildren,
            .failures = ProbeFailures,
            .image_flags = 0x83,
            .special_flags = 0,
        },
    .source = {.id = 0},
    .scale = nullptr,
    .scale_points = 0,
    .max_degrees_per_tick = 0,
    .callback = ProbeNeedleCallback,
};

ElementHeader* ProbeFaceChildren[] = {&ProbeNeedle.header, &ProbeIcon.header, nullptr};

StaticImageElement ProbeFace = {
    .header =
        {
            .kind = ElementKind::StaticImage,
            .bitmap_id = 1,
            .position = {.x = 0, .y = 0},
            .pivot = {.x = 0, .y = 0},
            .gauge = &ProbeGauge,
            .children = ProbeFaceChildren,
            .failures = ProbeFailures,
            .image_flags = 0x83,
            .special_flags = 0,
        },
};

ElementHeader* ProbeElementList[] = {&ProbeFace.header};

TooltipArgument ProbeNoArguments[] = {
    {.variable_id = 0, .format = 0, .callback = nullptr},
};

MouseRect ProbeMouse[] = {
    {.kind = MouseRectKind::Parent, .x = 0, .y = 0, .width = 0, .height = 0, .cursor = -1, .tooltip_id = 7,
     .mouse_flags = 0, .key_event = 0, .target = {.callback = nullptr}, .data = nullptr},
    {.kind = MouseRectKind::TooltipText, .x = 0, .y = 0, .width = 0, .height = 0, .cursor = -1, .tooltip_id = 0,
     .mouse_flags = 0, .key_event = 0, .target = {.tooltip_text = "probe"}, .data = ProbeNoArguments},
    {.kind = MouseRectKind::Child, .x = 0, .y = 0, .width = 20, .height = 20, .cursor = 5, .tooltip_id = 0,
     .mouse_flags = kMouseLeftSingle, .key_event = 0, .target = {.callback = ProbeMouseCallback}, .data = nullptr},
    {.kind = MouseRectKind::Parent, .x = 38, .y = 138, .width = 40, .height = 30, .cursor = -1, .tooltip_id = 9,
     .mouse_flags = 0, .key_event = 0, .target = {.callback = nullptr}, .data = nullptr},
    {.kind = MouseRectKind::Child, .x = 0, .y = 0, .width = 10, .height = 10, .cursor = 2, .tooltip_id = 0,
     .mouse_flags = kMouseLeftRepeat, .key_event = 0x1234, .target = {.callback = nullptr}, .data = nullptr},
    {.kind = MouseRectKind::Child, .x = 20, .y = 0, .width = 10, .height = 10, .cursor = 1, .tooltip_id = 0,
     .mouse_flags = kMouseLeftSingle, .key_event = 0x1235, .target = {.callback = nullptr}, .data = nullptr},
    {.kind = MouseRectKind::EndOfParent, .x = 0, .y = 0, .width = 0, .height = 0, .cursor = -1, .tooltip_id = 0,
     .mouse_flags = 0, .key_event = 0, .target = {.callback = nullptr}, .data = nullptr},
    {.kind = MouseRectKind::EndOfParent, .x = 0, .y = 0, .width = 0, .height = 0, .cursor = -1, .tooltip_id = 0,
     .mouse_flags = 0, .key_event = 0, .target = {.callback = nullptr}, .data = nullptr},
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
    .service_callback = ProbeService,
    .user_data = nullptr,
    .parameters = nullptr,
    .usage = nullptr,
};

void GAUGE_CALL probe_init() {}
void GAUGE_CALL probe_deinit() {}

}  // namespace

extern "C" {

GAUGE_EXPORT Linkage Linkage = {
    .module_id = PROBE_MODULE_ID,
    .module_init = probe_init,
    .module_deinit = probe_deinit,
    .flags = 0,
    .status = 0,
    .version = kLinkageVersion800,
    .gauges =
        {
            &ProbeGauge,
            nullptr,
        },
};

#ifndef PROBE_WITHOUT_IMPORT_TABLE
GAUGE_EXPORT gauge_kit::ImportTable ImportTable = {
    .host_services = {.id = kImportHostServices, .table = nullptr},
    .end = {.id = 0, .table = nullptr},
};
#endif

std::int32_t GAUGE_CALL GaugeModuleEntry(void*, std::uint32_t, void*) { return 1; }
}
