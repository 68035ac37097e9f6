// The background of a panel window: painted sheet metal, each gauge's shadow
// cut from its own root bitmap, mounting screws in the corners round gauges
// leave free, and placards.
#pragma once

#include <string>

#include "art_kit.h"
#include "render/panel_config.h"

namespace artwork {

// Draws the first visible window of `config` at its size_mm in pixels; the
// gauges' modules are read from `gauges_directory`.
void draw_panel_background(const panel_host::PanelConfig& config, const std::string& gauges_directory, Picture& picture);

}  // namespace artwork
