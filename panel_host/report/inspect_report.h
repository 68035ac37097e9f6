// The records of a loaded module as JSON, for `panel-host inspect`.
#pragma once

#include <string>

#include "core/loaded_module.h"
#include "json_text.h"

namespace panel_host {

Json element_json(const LoadedModule& module, gauge_kit::ElementHeader& element, int index, int depth);
Json gauge_json(const LoadedModule& module, gauge_kit::GaugeHeader& gauge);
// The whole module, or only `gauge_name` when it is not empty.
Json module_json(const LoadedModule& module, const std::string& gauge_name);
// Prints module_json with its top-level members one to a line.
std::string inspect_text(const Json& module);

}  // namespace panel_host
