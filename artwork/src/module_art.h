// The artists of the four modules: each draws any bitmap of its module's
// list from the module's own records.
#pragma once

#include <cstdint>
#include <string>

#include "art_kit.h"
#include "core/loaded_module.h"
#include "gauge_records.h"
#include "palette_image.h"

namespace artwork {

// Draws bitmap `id` onto `picture` (already of the listed size) and sets how
// it becomes a palette image; throws std::runtime_error for an id it does not know.
using ModuleArtist = void (*)(const panel_host::LoadedModule& module, std::int32_t id, Picture& picture,
                              PaletteOptions& options);

void draw_corvel1(const panel_host::LoadedModule& module, std::int32_t id, Picture& picture, PaletteOptions& options);
void draw_combo_display(const panel_host::LoadedModule& module, std::int32_t id, Picture& picture, PaletteOptions& options);
void draw_metric_altimeter(const panel_host::LoadedModule& module, std::int32_t id, Picture& picture,
                           PaletteOptions& options);
void draw_standby_group(const panel_host::LoadedModule& module, std::int32_t id, Picture& picture, PaletteOptions& options);

[[noreturn]] void unknown_bitmap(const char* module, std::int32_t id);

}  // namespace artwork
