// panel-host: loads gauge modules, drives them as the simulator's panel
// system does, and reports what they do.
#include <CLI/CLI.hpp>

#include <fstream>
#include <iostream>

#include "core/host.h"
#include "core/host_error.h"
#include "report/inspect_report.h"
#include "scenario/scenario_runner.h"
#ifdef PANEL_HOST_RENDER
#include "render/render_command.h"
#endif

namespace {

constexpr int kBadInput = 2;

int inspect(const std::string& module_path, const std::string& gauge) {
  panel_host::Host host;
  panel_host::LoadedModule& module = host.load(module_path);
  std::cout << panel_host::inspect_text(panel_host::module_json(module, gauge)) << '\n';
  return 0;
}

int run(const std::string& module_path, const std::string& gauge, const std::string& script, bool no_sound_library) {
  if (no_sound_library) gauge_platform::hide_libraries("GaugeSound");
  std::ifstream file;
  std::istream* in = &std::cin;
  if (!script.empty() && script != "-") {
    file.open(script);
    if (!file) throw panel_host::HostError(script + ": cannot be read");
    in = &file;
  }
  panel_host::Host host;
  panel_host::ScenarioRunner runner(host, module_path, gauge, std::cout);
  runner.run(*in);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"panel-host: load, drive and inspect instrument-panel gauge modules"};
  app.require_subcommand(1);

  std::string module_path;
  std::string gauge;
  CLI::App* inspect_command = app.add_subcommand("inspect", "Print a module's records as JSON");
  inspect_command->add_option("MODULE", module_path, "Gauge module (.gau)")->required();
  inspect_command->add_option("GAUGE", gauge, "Only this gauge");

  std::string script;
  bool no_sound_library = false;
  CLI::App* run_command = app.add_subcommand("run", "Carry out a scenario script on a gauge, one JSON line per event");
  run_command->add_option("MODULE", module_path, "Gauge module (.gau)")->required();
  run_command->add_option("GAUGE", gauge, "Gauge name")->required();
  run_command->add_option("SCRIPT", script, "Script file, or - for standard input (the default)");
  run_command->add_flag("--no-sound-library", no_sound_library, "Hide the GaugeSound library from the modules");

#ifdef PANEL_HOST_RENDER
  panel_host::RenderOptions render_options;
  CLI::App* render_command = app.add_subcommand("render", "Draw a gauge (MODULE GAUGE) or a panel (PANEL.cfg) to a PNG file");
  render_command->add_option("SOURCE", render_options.source, "Gauge module (.gau) or panel.cfg")->required();
  render_command->add_option("GAUGE", render_options.gauge, "Gauge name, with a module");
  render_command->add_option("-o,--output", render_options.output, "PNG file to write")->required();
  render_command->add_option("--set", render_options.sets, "Host variable ID=VALUE before the script (repeatable)");
  render_command->add_option("--script", render_options.script, "Script in the run syntax, carried out before drawing");
  render_command->add_option("--fail", render_options.fails, "Failure key to activate (repeatable)");
  render_command->add_flag("--night", render_options.night, "Darken every element that is not lit");
  render_command->add_option("--scale", render_options.scale, "Output pixels per gauge pixel or size_mm unit");
  render_command->add_option("--gauges", render_options.gauges_directory, "Folder of modules a panel.cfg names")
      ->capture_default_str();
#endif

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    const int status = app.exit(error);
    return status == 0 ? 0 : kBadInput;
  }
  try {
    if (*inspect_command) return inspect(module_path, gauge);
    if (*run_command) return run(module_path, gauge, script, no_sound_library);
#ifdef PANEL_HOST_RENDER
    if (*render_command) return panel_host::render(render_options, std::cout);
#endif
  } catch (const panel_host::HostError& error) {
    std::cout.flush();
    std::cerr << "panel-host: " << error.what() << '\n';
    return kBadInput;
  }
  return 0;
}
