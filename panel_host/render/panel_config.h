// panel.cfg in the simulator's format: a [Window Titles] section naming the
// windows, and one [WindowNN] section per window with its background bitmap
// (file=), its design size (size_mm=w,h), visible=, ident= and its gauges
// (gaugeNN=Module!Gauge, x, y[, w[, h]] in size_mm units). // starts a comment.
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace panel_host {

struct PanelGaugeLine {
  int line = 0;  // where it stands in the file, for messages
  std::string module;
  std::string gauge;
  double x = 0, y = 0;
  std::optional<double> width, height;
};

struct PanelWindow {
  int line = 0;  // the section's header line
  std::string name;  // "Window00"
  std::string title;
  std::string file;  // background bitmap, relative to panel.cfg's folder
  int file_line = 0;
  std::optional<double> width_mm, height_mm;
  bool visible = true;
  std::string ident;
  std::optional<unsigned> background_colour;  // 0x00BBGGRR from background_color=r,g,b
  std::vector<PanelGaugeLine> gauges;
};

struct PanelConfig {
  std::string path;
  std::vector<PanelWindow> windows;  // in [Window Titles] order, then the rest
};

// Reads a panel.cfg; throws HostError "PATH:LINE: what is wrong".
PanelConfig read_panel_config(const std::string& path);
PanelConfig parse_panel_config(std::istream& in, const std::string& path);

}  // namespace panel_host
