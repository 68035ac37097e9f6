// `panel-host render`: draws one gauge (MODULE GAUGE) or a whole panel
// (PANEL.cfg) to a PNG file, after --set values, --fail keys, --night and a
// script, and one last frame.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace panel_host {

struct RenderOptions {
  std::string source;  // a module (.gau) or a panel.cfg
  std::string gauge;   // with a module
  std::string output;
  std::vector<std::string> sets;   // ID=VALUE
  std::vector<std::string> fails;  // failure keys
  std::string script;
  std::string gauges_directory = "build/gauges";
  bool night = false;
  double scale = 1.0;
};

// Whether `source` names a panel.cfg rather than a module.
bool names_panel_config(const std::string& source);

// Renders and prints the output path; throws HostError for bad input.
int render(const RenderOptions& options, std::ostream& out);

}  // namespace panel_host
