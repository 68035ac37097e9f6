#include "panel_script.h"

#include "core/host_error.h"
#include "scenario/script_line.h"

namespace panel_host {
namespace {

constexpr std::int64_t kMaxRepeat = 1'000'000;
constexpr std::int64_t kMaxPixel = 1'000'000;

}  // namespace

void PanelScript::run_line(const std::string& text) {
  const ScriptLine line = split_script_line(text);
  const std::string& command = line.command;
  const auto& args = line.arguments;
  Host& host = panel_.host();
  if (command.empty()) return;
  if (command == "set") {
    expect_arguments(line, 2, 2, "set ID VALUE");
    host.variables().set(static_cast<std::uint32_t>(parse_integer(args[0], "variable id", 0, UINT32_MAX)),
                         parse_value(args[1], "value"));
  } else if (command == "update" || command == "frame") {
    expect_arguments(line, 0, 1, command == "update" ? "update [N]" : "frame [N]");
    const std::int64_t passes = args.empty() ? 1 : parse_integer(args[0], "pass count", 1, kMaxRepeat);
    for (std::int64_t i = 0; i < passes; ++i) {
      panel_.update();
      if (command == "frame") panel_.draw();
    }
  } else if (command == "draw") {
    expect_arguments(line, 0, 0, "draw");
    panel_.draw();
  } else if (command == "state") {
    expect_arguments(line, 0, 0, "state");
  } else if (command == "click" || command == "hold" || command == "hover") {
    const bool hold = command == "hold";
    expect_arguments(line, hold ? 3 : 2, hold ? 3 : 2, hold ? "hold X Y N" : command == "click" ? "click X Y" : "hover X Y");
    const auto x = parse_integer(args[0], "x", -kMaxPixel, kMaxPixel);
    const auto y = parse_integer(args[1], "y", -kMaxPixel, kMaxPixel);
    const auto ticks = hold ? parse_integer(args[2], "repeat ticks", 1, kMaxRepeat) : 1;
    if (command != "hover")
      panel_.instance(current_).press(static_cast<int>(x), static_cast<int>(y), static_cast<int>(ticks));
  } else if (command == "service") {
    expect_arguments(line, 1, 1, "service ID");
    const auto id = static_cast<std::uint32_t>(parse_integer(args[0], "service id", 0, UINT32_MAX));
    GaugeInstance& instance = panel_.instance(current_);
    if (instance.gauge().version != gauge_kit::kHeaderVersion800)
      throw ScriptError(std::string("service needs a version 800 gauge; \"") + instance.gauge().name + "\" has version " +
                        std::to_string(instance.gauge().version));
    instance.service(id);
  } else if (command == "use") {
    expect_arguments(line, 1, 1, "use K");
    const auto count = static_cast<std::int64_t>(panel_.gauge_count());
    current_ = static_cast<std::size_t>(parse_integer(args[0], "gauge number", 1, count) - 1);
  } else if (command == "fail" || command == "repair") {
    expect_arguments(line, 1, 1, command == "fail" ? "fail KEY" : "repair KEY");
    const auto key = static_cast<std::int32_t>(parse_integer(args[0], "failure key", 1, INT32_MAX));
    if (command == "fail")
      host.failed_keys().insert(key);
    else
      host.failed_keys().erase(key);
  } else if (command == "night") {
    expect_arguments(line, 1, 1, "night on|off");
    if (args[0] != "on" && args[0] != "off") throw ScriptError("expected 'night on' or 'night off'");
    host.night = args[0] == "on";
  } else if (command == "new" || command == "kill" || command == "reload" || command == "sound") {
    throw ScriptError("'" + command + "' is not available when rendering");
  } else {
    throw ScriptError("unknown command '" + command + "'");
  }
}

void PanelScript::run(std::istream& in, const std::string& name) {
  std::string text;
  for (int number = 1; std::getline(in, text); ++number) {
    try {
      run_line(text);
    } catch (const ScriptError& error) {
      throw HostError(name + ": line " + std::to_string(number) + ": " + error.what());
    }
  }
}

}  // namespace panel_host
