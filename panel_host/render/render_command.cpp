#include "render_command.h"

#include <cctype>
#include <cmath>
#include <fstream>
#include <memory>

#include "core/host_error.h"
#include "fonts.h"
#include "panel_script.h"
#include "scenario/script_line.h"

namespace panel_host {
namespace {

constexpr double kLargestScale = 16.0;

void apply_set(Host& host, const std::string& assignment) {
  const std::size_t equals = assignment.find('=');
  try {
    if (equals == std::string::npos) throw ScriptError("expected ID=VALUE");
    const auto id = parse_integer(assignment.substr(0, equals), "variable id", 0, UINT32_MAX);
    host.variables().set(static_cast<std::uint32_t>(id), parse_value(assignment.substr(equals + 1), "value"));
  } catch (const ScriptError& error) {
    throw HostError("--set " + assignment + ": " + error.what());
  }
}

void apply_fail(Host& host, const std::string& key) {
  try {
    host.failed_keys().insert(static_cast<std::int32_t>(parse_integer(key, "failure key", 1, INT32_MAX)));
  } catch (const ScriptError& error) {
    throw HostError("--fail " + key + ": " + error.what());
  }
}

}  // namespace

bool names_panel_config(const std::string& source) {
  if (source.size() < 4) return false;
  std::string tail = source.substr(source.size() - 4);
  for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return tail == ".cfg";
}

namespace {

int render_once(const RenderOptions& options, std::ostream& out) {
  if (!(options.scale > 0.0 && options.scale <= kLargestScale))
    throw HostError("--scale " + std::to_string(options.scale) + ": expected a scale above 0 and up to 16");
  const bool panel = names_panel_config(options.source);
  if (panel && !options.gauge.empty())
    throw HostError(options.source + ": a panel.cfg is rendered whole; drop the gauge name '" + options.gauge + "'");
  if (!panel && options.gauge.empty()) throw HostError(options.source + ": name the gauge to render (MODULE GAUGE)");
  std::ifstream script;
  if (!options.script.empty()) {
    script.open(options.script);
    if (!script) throw HostError(options.script + ": cannot be read");
  }

  Host host;
  host.night = options.night;
  for (const std::string& key : options.fails) apply_fail(host, key);
  std::unique_ptr<PanelView> view =
      panel ? std::make_unique<PanelView>(host, read_panel_config(options.source), options.gauges_directory, options.scale)
            : std::make_unique<PanelView>(host, options.source, options.gauge, options.scale);
  for (const std::string& assignment : options.sets) apply_set(host, assignment);
  if (script.is_open()) PanelScript(*view).run(script, options.script);
  view->update();
  view->draw();
  view->paint();
  view->write_png(options.output);
  out << options.output << '\n';
  return 0;
}

}  // namespace

int render(const RenderOptions& options, std::ostream& out) {
  struct ReleaseFonts {
    ~ReleaseFonts() { release_font_caches(); }
  } release;
  return render_once(options, out);
}

}  // namespace panel_host
