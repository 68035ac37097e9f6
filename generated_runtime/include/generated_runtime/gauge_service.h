// The gauge service callback that the header of every generated gauge names.
#pragma once

#include <cstdint>

#include "gauge_kit/records.h"

namespace generated_runtime {

// Service ids the runtime acts on; every other id is ignored.
inline constexpr std::uint32_t kServiceInstall = 4;
inline constexpr std::uint32_t kServiceUpdate = 6;
inline constexpr std::uint32_t kServiceDraw = 10;
inline constexpr std::uint32_t kServiceKill = 12;

void GAUGE_CALL RuntimeGaugeService(gauge_kit::GaugeHeader* gauge, std::uint32_t service_id,
                                    std::uint32_t extra);

}  // namespace generated_runtime
