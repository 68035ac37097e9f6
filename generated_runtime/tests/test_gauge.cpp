// The gauge that the runtime's module record names in the runtime's own tests.
#include "generated_runtime/gauge_service.h"
#include "generated_runtime/module_record.h"

namespace {

gauge_kit::StaticImageElement TestRoot = {
    .header =
        {
            .kind = gauge_kit::ElementKind::StaticImage,
            .bitmap_id = 1,
            .position = {.x = 0, .y = 0},
            .pivot = {.x = 0, .y = 0},
            .gauge = &generated_runtime::ModuleGauge,
            .children = nullptr,
            .failures = nullptr,
            .image_flags = 0x83,
            .special_flags = 0,
        },
};

gauge_kit::ElementHeader* TestElementList[] = {&TestRoot.header};

gauge_kit::MouseRect TestMouse[] = {
    {
        .kind = gauge_kit::MouseRectKind::EndOfList,
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

gauge_kit::GaugeHeader generated_runtime::ModuleGauge = {
    .version = gauge_kit::kHeaderVersion800,
    .name = "RuntimeTestGauge",
    .element_list = TestElementList,
    .query = nullptr,
    .install = nullptr,
    .initialise = nullptr,
    .update = nullptr,
    .generate = nullptr,
    .draw = nullptr,
    .kill = nullptr,
    .default_width_mm = 100,
    .default_height_mm = 0,
    .mouse_rects = TestMouse,
    .service_callback = generated_runtime::RuntimeGaugeService,
    .user_data = nullptr,
    .parameters = nullptr,
    .usage = nullptr,
};
