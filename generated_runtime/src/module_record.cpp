#include "generated_runtime/module_record.h"

namespace {

void GAUGE_CALL module_init() {}
void GAUGE_CALL module_deinit() {}

}  // namespace

extern "C" {

GAUGE_EXPORT gauge_kit::Linkage Linkage = {
    .module_id = gauge_kit::kModuleId,
    .module_init = module_init,
    .module_deinit = module_deinit,
    .flags = 0,
    .status = 0,
    .version = gauge_kit::kLinkageVersion800,
    .gauges =
        {
            &generated_runtime::ModuleGauge,
            nullptr,
        },
};

GAUGE_EXPORT gauge_kit::ImportTable ImportTable = {
    .host_services = {.id = gauge_kit::kImportHostServices, .table = nullptr},
    .end = {.id = 0, .table = nullptr},
};

std::int32_t GAUGE_CALL GaugeModuleEntry(void*, std::uint32_t, void*) { return 1; }

}  // extern "C"
