#include "script_line.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <limits>

namespace panel_host {

ScriptLine split_script_line(std::string_view line) {
  ScriptLine out;
  std::size_t at = 0;
  std::vector<std::string> words;
  while (at < line.size()) {
    const std::size_t begin = line.find_first_not_of(" \t\r", at);
    if (begin == std::string_view::npos) break;
    const std::size_t end = line.find_first_of(" \t\r", begin);
    words.emplace_back(line.substr(begin, end == std::string_view::npos ? std::string_view::npos : end - begin));
    at = end == std::string_view::npos ? line.size() : end;
  }
  if (words.empty() || words.front().front() == '#') return out;
  out.command = words.front();
  out.arguments.assign(words.begin() + 1, words.end());
  return out;
}

double parse_value(const std::string& text, const char* what) {
  if (text == "nan") return std::numeric_limits<double>::quiet_NaN();
  if (text == "inf") return std::numeric_limits<double>::infinity();
  if (text == "-inf") return -std::numeric_limits<double>::infinity();
  double value = 0.0;
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value, std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) throw ScriptError(std::string(what) + " '" + text + "' is out of range");
  if (result.ec != std::errc() || result.ptr != end || std::isnan(value) || std::isinf(value))
    throw ScriptError(std::string(what) + " '" + text + "' is not a decimal number, nan, inf or -inf");
  return value;
}

std::int64_t parse_integer(const std::string& text, const char* what, std::int64_t min, std::int64_t max) {
  std::int64_t value = 0;
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const char* begin = text.data() + (hex ? 2 : 0);
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(begin, end, value, hex ? 16 : 10);
  if (result.ec != std::errc() || result.ptr != end || begin == end)
    throw ScriptError(std::string(what) + " '" + text + "' is not a whole number");
  if (value < min || value > max)
    throw ScriptError(std::string(what) + " '" + text + "' must lie in " + std::to_string(min) + " ... " + std::to_string(max));
  return value;
}

void expect_arguments(const ScriptLine& line, std::size_t min, std::size_t max, const char* usage) {
  if (line.arguments.size() < min || line.arguments.size() > max)
    throw ScriptError("expected '" + std::string(usage) + "'");
}

}  // namespace panel_host
