#include "scenario_runner.h"

#include "core/host_error.h"
#include "core/mouse_regions.h"
#include "report/state_report.h"
#include "script_line.h"
#include "sound_ledger.h"

namespace panel_host {
namespace {

constexpr std::int64_t kMaxRepeat = 1'000'000;
constexpr std::int64_t kMaxPixel = 1'000'000;

Json key_events_json(const std::vector<KeyEvent>& events, std::size_t first) {
  Json list = Json::array();
  for (std::size_t i = first; i < events.size(); ++i) list.push_back({events[i].id, events[i].value});
  return list;
}

}  // namespace

ScenarioRunner::ScenarioRunner(Host& host, std::string module_path, std::string gauge_name, std::ostream& out)
    : host_(host), module_path_(std::move(module_path)), gauge_name_(std::move(gauge_name)), out_(out) {
  module_ = &host_.load(module_path_);
  current_ = &host_.create(*module_, module_->gauge(gauge_name_));
}

ScenarioRunner::~ScenarioRunner() {
  if (module_ != nullptr) host_.unload(*module_);
}

GaugeInstance& ScenarioRunner::require_current() const {
  if (current_ == nullptr || !current_->alive())
    throw ScriptError("no current instance (it was killed; 'use K' or 'new' makes one current)");
  return *current_;
}

void ScenarioRunner::print(const Json& event) { out_ << json_line(event) << '\n'; }

void ScenarioRunner::print_update(const char* event) {
  GaugeInstance& instance = require_current();
  print({{"event", event}, {"instance", instance.number()}, {"elements", instance_state_json(instance)}});
}

void ScenarioRunner::run_line(const std::string& text) {
  const ScriptLine line = split_script_line(text);
  const std::string& command = line.command;
  const auto& args = line.arguments;
  if (command.empty()) return;
  if (command == "set") {
    expect_arguments(line, 2, 2, "set ID VALUE");
    host_.variables().set(static_cast<std::uint32_t>(parse_integer(args[0], "variable id", 0, UINT32_MAX)),
                          parse_value(args[1], "value"));
  } else if (command == "update" || command == "frame") {
    expect_arguments(line, 0, 1, command == "update" ? "update [N]" : "frame [N]");
    const std::int64_t passes = args.empty() ? 1 : parse_integer(args[0], "pass count", 1, kMaxRepeat);
    GaugeInstance& instance = require_current();
    for (std::int64_t i = 0; i < passes; ++i) {
      instance.update();
      if (command == "frame") instance.draw();
    }
    print_update("update");
  } else if (command == "state") {
    expect_arguments(line, 0, 0, "state");
    print_update("update");
  } else if (command == "draw") {
    expect_arguments(line, 0, 0, "draw");
    require_current().draw();
  } else if (command == "click" || command == "hold") {
    const bool hold = command == "hold";
    expect_arguments(line, hold ? 3 : 2, hold ? 3 : 2, hold ? "hold X Y N" : "click X Y");
    const auto x = parse_integer(args[0], "x", -kMaxPixel, kMaxPixel);
    const auto y = parse_integer(args[1], "y", -kMaxPixel, kMaxPixel);
    const auto ticks = hold ? parse_integer(args[2], "repeat ticks", 1, kMaxRepeat) : 1;
    const MouseOutcome outcome = require_current().press(static_cast<int>(x), static_cast<int>(y), static_cast<int>(ticks));
    // A hold reports as a click does.
    print({{"event", "click"},
           {"at", {x, y}},
           {"rect", outcome.rect < 0 ? Json(nullptr) : Json(outcome.rect)},
           {"cursor", outcome.cursor},
           {"key_events", key_events_json(host_.key_events(), outcome.first_key_event)},
           {"callbacks", outcome.callbacks}});
  } else if (command == "hover") {
    expect_arguments(line, 2, 2, "hover X Y");
    const auto x = parse_integer(args[0], "x", -kMaxPixel, kMaxPixel);
    const auto y = parse_integer(args[1], "y", -kMaxPixel, kMaxPixel);
    GaugeInstance& instance = require_current();
    const BitmapSize size = instance.size().value_or(BitmapSize{0, 0});
    const MouseHit hit =
        hit_test(instance.gauge().mouse_rects, size.width, size.height, static_cast<int>(x), static_cast<int>(y));
    print({{"event", "hover"},
           {"at", {x, y}},
           {"cursor", hit.cursor},
           {"tooltip_id", hit.tooltip_id},
           {"tooltip_text", hit.tooltip_text ? Json(hit.tooltip_text) : Json(nullptr)}});
  } else if (command == "service") {
    expect_arguments(line, 1, 1, "service ID");
    const auto id = static_cast<std::uint32_t>(parse_integer(args[0], "service id", 0, UINT32_MAX));
    GaugeInstance& instance = require_current();
    if (instance.gauge().version != gauge_kit::kHeaderVersion800)
      throw ScriptError("service needs a version 800 gauge; \"" + gauge_name_ + "\" has version " +
                        std::to_string(instance.gauge().version));
    instance.service(id);
    print({{"event", "service"}, {"id", id}});
  } else if (command == "new") {
    expect_arguments(line, 0, 0, "new");
    current_ = &host_.create(*module_, module_->gauge(gauge_name_));
    print({{"event", "instance"}, {"instance", current_->number()}});
  } else if (command == "use") {
    expect_arguments(line, 1, 1, "use K");
    const auto number = static_cast<int>(parse_integer(args[0], "instance", 1, INT32_MAX));
    GaugeInstance* instance = host_.instance(number);
    if (instance == nullptr) throw ScriptError("there is no instance " + args[0]);
    if (!instance->alive()) throw ScriptError("instance " + args[0] + " was killed");
    current_ = instance;
  } else if (command == "kill") {
    expect_arguments(line, 0, 0, "kill");
    require_current().kill();
  } else if (command == "reload") {
    expect_arguments(line, 0, 0, "reload");
    host_.unload(*module_);
    module_ = nullptr;
    current_ = nullptr;
    host_.restart_numbering();
    module_ = &host_.load(module_path_);
    current_ = &host_.create(*module_, module_->gauge(gauge_name_));
  } else if (command == "sound") {
    expect_arguments(line, 0, 0, "sound");
    const gauge_sound::Ledger& ledger = sound_ledger();
    print({{"event", "sound"},
           {"resident", ledger.loads > ledger.unloads},
           {"loads", ledger.loads},
           {"unloads", ledger.unloads},
           {"terminate_calls", ledger.terminate_calls}});
  } else if (command == "fail" || command == "repair") {
    expect_arguments(line, 1, 1, command == "fail" ? "fail KEY" : "repair KEY");
    const auto key = static_cast<std::int32_t>(parse_integer(args[0], "failure key", 1, INT32_MAX));
    if (command == "fail")
      host_.failed_keys().insert(key);
    else
      host_.failed_keys().erase(key);
  } else if (command == "night") {
    expect_arguments(line, 1, 1, "night on|off");
    if (args[0] != "on" && args[0] != "off") throw ScriptError("expected 'night on' or 'night off'");
    host_.night = args[0] == "on";
  } else {
    throw ScriptError("unknown command '" + command + "'");
  }
}

void ScenarioRunner::run(std::istream& in) {
  std::string text;
  for (int number = 1; std::getline(in, text); ++number) {
    try {
      run_line(text);
    } catch (const ScriptError& error) {
      out_.flush();
      throw HostError("line " + std::to_string(number) + ": " + error.what());
    }
  }
  out_.flush();
}

}  // namespace panel_host
