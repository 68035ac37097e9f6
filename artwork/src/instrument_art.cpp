// Draws the instrument artwork of every module from the built modules'
// records and writes the 8-bit bitmaps their lists name into the source tree:
//   instrument-art [--gauges build/gauges] [--source .] [MODULE...]
#include <CLI/CLI.hpp>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <regex>
#include <stdexcept>

#include "core/host.h"
#include "panel_background_art.h"
#include "core/host_error.h"
#include "module_art.h"

namespace {

struct ModuleEntry {
  const char* name;
  const char* folder;
  artwork::ModuleArtist artist;
};

constexpr ModuleEntry kModules[] = {
    {"Corvel1", "panel_gauges", artwork::draw_corvel1},
    {"ID_Pelmar_Combo", "combo_display", artwork::draw_combo_display},
    {"ID_Norva_AltimMtr", "metric_altimeter", artwork::draw_metric_altimeter},
    {"ID_Ombra_Group", "standby_group", artwork::draw_standby_group},
};

void draw_module(const ModuleEntry& entry, const std::string& gauges, const std::string& source) {
  const std::string folder = source + "/" + entry.folder + "/";
  const std::string list = folder + "bitmaps.txt";
  std::ifstream in(list);
  if (!in) throw std::runtime_error(list + ": cannot be read");
  const panel_host::LoadedModule module(gauges + "/" + entry.name + ".gau", panel_host::Host::service_table());
  const std::regex line_pattern(R"(^\s*(\d+)\s+(\d+)x(\d+)\s+(\S+))");
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    const auto first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#') continue;
    std::smatch match;
    if (!std::regex_search(line, match, line_pattern))
      throw std::runtime_error(list + ":" + std::to_string(number) + ": expected '<id> <width>x<height> <file>'");
    const int id = std::stoi(match[1]);
    artwork::Picture picture(std::stoi(match[2]), std::stoi(match[3]));
    artwork::PaletteOptions options;
    entry.artist(module, id, picture, options);
    std::string error;
    if (!artwork::write_bmp8(folder + match[4].str(), artwork::to_palette_image(picture.surface(), options), error))
      throw std::runtime_error(error);
    std::cout << folder << match[4].str() << '\n';
  }
}

void draw_background(const std::string& path, const std::string& gauges) {
  const panel_host::PanelConfig config = panel_host::read_panel_config(path);
  const panel_host::PanelWindow& window = config.windows.front();
  if (window.file.empty() || !window.width_mm || !window.height_mm)
    throw std::runtime_error(path + ": the first window needs file= and size_mm=");
  artwork::Picture picture(static_cast<int>(*window.width_mm), static_cast<int>(*window.height_mm));
  artwork::draw_panel_background(config, gauges, picture);
  artwork::PaletteOptions options;
  std::string error;
  const std::string out = std::filesystem::path(path).parent_path() / window.file;
  if (!artwork::write_bmp8(out, artwork::to_palette_image(picture.surface(), options), error)) throw std::runtime_error(error);
  std::cout << out << '\n';
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"instrument-art: draw the modules' bitmaps from their records"};
  std::string gauges = "build/gauges";
  std::string source = ".";
  std::vector<std::string> only;
  std::string panel;
  app.add_option("--gauges", gauges, "Folder of the built modules")->capture_default_str();
  app.add_option("--source", source, "The source tree to write into")->capture_default_str();
  app.add_option("MODULE", only, "Only these modules");
  app.add_option("--panel", panel, "Instead, draw the background (file=) of this panel.cfg");
  CLI11_PARSE(app, argc, argv);
  try {
    if (!panel.empty()) {
      draw_background(panel, gauges);
      return 0;
    }
    for (const ModuleEntry& entry : kModules)
      if (only.empty() || std::find(only.begin(), only.end(), entry.name) != only.end()) draw_module(entry, gauges, source);
  } catch (const panel_host::HostError& error) {
    std::cerr << "instrument-art: " << error.what() << '\n';
    return 2;
  } catch (const std::exception& error) {
    std::cerr << "instrument-art: " << error.what() << '\n';
    return 2;
  }
  return 0;
}
