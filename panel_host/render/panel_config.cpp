#include "panel_config.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <string_view>

#include "core/host_error.h"

namespace panel_host {
namespace {

constexpr double kLargestCoordinate = 100000.0;

std::string_view trim(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  return text;
}

std::string lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// "windowNN" (any case) with at least one digit after the word.
bool numbered(std::string_view lowered, std::string_view word) {
  if (lowered.size() <= word.size() || lowered.substr(0, word.size()) != word) return false;
  return std::all_of(lowered.begin() + static_cast<std::ptrdiff_t>(word.size()), lowered.end(),
                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

std::vector<std::string_view> split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (;;) {
    const std::size_t at = text.find(separator);
    parts.push_back(trim(text.substr(0, at)));
    if (at == std::string_view::npos) return parts;
    text.remove_prefix(at + 1);
  }
}

class Reader {
 public:
  Reader(const std::string& path) : path_(path) {}

  [[noreturn]] void fail(int line, const std::string& what) const {
    throw HostError(path_ + ":" + std::to_string(line) + ": " + what);
  }

  double number(int line, std::string_view text, const char* what, double min, double max) const {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
      fail(line, std::string(what) + " '" + std::string(text) + "' is not a number");
    if (value < min || value > max)
      fail(line, std::string(what) + " " + std::string(text) + " lies outside " + format(min) + " ... " + format(max));
    return value;
  }

  static std::string format(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
  }

 private:
  const std::string& path_;
};

PanelGaugeLine gauge_line(const Reader& reader, int line, std::string_view value) {
  const std::vector<std::string_view> fields = split(value, ',');
  if (fields.size() < 3) reader.fail(line, "expected Module!Gauge, x, y[, w[, h]]");
  if (fields.size() > 5) reader.fail(line, "too many fields: expected Module!Gauge, x, y[, w[, h]]");
  const std::size_t bang = fields[0].find('!');
  PanelGaugeLine gauge;
  gauge.line = line;
  if (bang == std::string_view::npos) reader.fail(line, "expected Module!Gauge, found '" + std::string(fields[0]) + "'");
  gauge.module = std::string(trim(fields[0].substr(0, bang)));
  gauge.gauge = std::string(trim(fields[0].substr(bang + 1)));
  if (gauge.module.empty()) reader.fail(line, "the module name before '!' is empty");
  if (gauge.gauge.empty()) reader.fail(line, "the gauge name after '!' is empty");
  gauge.x = reader.number(line, fields[1], "x", -kLargestCoordinate, kLargestCoordinate);
  gauge.y = reader.number(line, fields[2], "y", -kLargestCoordinate, kLargestCoordinate);
  if (fields.size() > 3) gauge.width = reader.number(line, fields[3], "width", 1e-3, kLargestCoordinate);
  if (fields.size() > 4) gauge.height = reader.number(line, fields[4], "height", 1e-3, kLargestCoordinate);
  return gauge;
}

void window_key(const Reader& reader, PanelWindow& window, std::map<std::string, int>& seen, int line,
                const std::string& key, std::string_view value) {
  if (const auto [at, fresh] = seen.emplace(key, line); !fresh)
    reader.fail(line, "'" + key + "' is given twice in [" + window.name + "] (first on line " + std::to_string(at->second) + ")");
  if (numbered(key, "gauge")) {
    window.gauges.push_back(gauge_line(reader, line, value));
  } else if (key == "file") {
    if (value.empty()) reader.fail(line, "file= names no bitmap");
    window.file = std::string(value);
    window.file_line = line;
  } else if (key == "size_mm") {
    const std::vector<std::string_view> parts = split(value, ',');
    if (parts.size() != 2) reader.fail(line, "expected size_mm=width,height");
    window.width_mm = reader.number(line, parts[0], "width", 1.0, kLargestCoordinate);
    window.height_mm = reader.number(line, parts[1], "height", 1.0, kLargestCoordinate);
  } else if (key == "visible") {
    if (value != "0" && value != "1") reader.fail(line, "expected visible=0 or visible=1");
    window.visible = value == "1";
  } else if (key == "ident") {
    window.ident = std::string(value);
  } else if (key == "background_color") {
    const std::vector<std::string_view> parts = split(value, ',');
    if (parts.size() != 3) reader.fail(line, "expected background_color=red,green,blue");
    unsigned colour = 0;
    for (int i = 0; i < 3; ++i) {
      const double channel = reader.number(line, parts[static_cast<std::size_t>(i)], "colour", 0, 255);
      if (channel != std::floor(channel)) reader.fail(line, "colour channels are whole numbers 0 ... 255");
      colour |= static_cast<unsigned>(channel) << (8 * i);
    }
    window.background_colour = colour;
  } else {
    reader.fail(line, "unknown key '" + key + "' in [" + window.name + "]");
  }
}

}  // namespace

PanelConfig parse_panel_config(std::istream& in, const std::string& path) {
  const Reader reader(path);
  PanelConfig config;
  config.path = path;
  struct Title {
    int line;
    std::string window;  // lower case
    std::string text;
  };
  std::vector<Title> titles;
  std::map<std::string, int> sections;  // lower-case name -> line
  std::map<std::string, int> keys;      // of the current section
  enum class Section { None, Titles, Window } section = Section::None;
  std::string text;
  for (int line = 1; std::getline(in, text); ++line) {
    std::string_view content = text;
    if (const std::size_t comment = content.find("//"); comment != std::string_view::npos)
      content = content.substr(0, comment);
    content = trim(content);
    if (content.empty()) continue;
    if (content.front() == '[') {
      if (content.back() != ']') reader.fail(line, "a section header ends with ']'");
      const std::string name(trim(content.substr(1, content.size() - 2)));
      const std::string key = lower(name);
      if (const auto [at, fresh] = sections.emplace(key, line); !fresh)
        reader.fail(line, "section [" + name + "] is given twice (first on line " + std::to_string(at->second) + ")");
      keys.clear();
      if (key == "window titles") {
        section = Section::Titles;
      } else if (numbered(key, "window")) {
        section = Section::Window;
        PanelWindow window;
        window.line = line;
        window.name = name;
        config.windows.push_back(std::move(window));
      } else {
        reader.fail(line, "unknown section [" + name + "]: expected [Window Titles] or [WindowNN]");
      }
      continue;
    }
    const std::size_t equals = content.find('=');
    if (equals == std::string_view::npos) reader.fail(line, "expected KEY=VALUE or a [section]");
    const std::string key = lower(trim(content.substr(0, equals)));
    const std::string_view value = trim(content.substr(equals + 1));
    if (key.empty()) reader.fail(line, "the key before '=' is empty");
    switch (section) {
      case Section::None:
        reader.fail(line, "'" + key + "' stands before any section");
      case Section::Titles:
        if (!numbered(key, "window")) reader.fail(line, "expected WindowNN=title in [Window Titles]");
        if (const auto [at, fresh] = keys.emplace(key, line); !fresh)
          reader.fail(line, "a title for " + key + " is given twice (first on line " + std::to_string(at->second) + ")");
        titles.push_back({line, key, std::string(value)});
        break;
      case Section::Window:
        window_key(reader, config.windows.back(), keys, line, key, value);
        break;
    }
  }
  // Windows in the order of their titles, then the ones without a title.
  std::vector<PanelWindow> ordered;
  for (const Title& title : titles) {
    const auto found = std::find_if(config.windows.begin(), config.windows.end(),
                                    [&](const PanelWindow& window) { return lower(window.name) == title.window; });
    if (found == config.windows.end()) reader.fail(title.line, "there is no [" + title.window + "] section for this title");
    found->title = title.text;
    ordered.push_back(std::move(*found));
    config.windows.erase(found);
  }
  for (PanelWindow& window : config.windows) ordered.push_back(std::move(window));
  config.windows = std::move(ordered);
  for (const PanelWindow& window : config.windows)
    if (!window.width_mm && window.file.empty()) reader.fail(window.line, "[" + window.name + "] needs size_mm= or file=");
  if (config.windows.empty()) throw HostError(path + ": no [WindowNN] section");
  return config;
}

PanelConfig read_panel_config(const std::string& path) {
  std::ifstream file(path);
  if (!file) throw HostError(path + ": cannot be read");
  return parse_panel_config(file, path);
}

}  // namespace panel_host
