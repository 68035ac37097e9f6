#include "json_text.h"

#include <cmath>

namespace panel_host {
namespace {

void append(const Json& value, std::string& out) {
  if (value.is_object()) {
    out += '{';
    bool first = true;
    for (const auto& [key, member] : value.items()) {
      if (!first) out += ", ";
      first = false;
      out += Json(key).dump();
      out += ": ";
      append(member, out);
    }
    out += '}';
  } else if (value.is_array()) {
    out += '[';
    for (std::size_t i = 0; i < value.size(); ++i) {
      if (i != 0) out += ", ";
      append(value[i], out);
    }
    out += ']';
  } else {
    out += value.dump(-1, ' ', false, Json::error_handler_t::replace);
  }
}

}  // namespace

Json json_number(double value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
  return value;
}

std::string json_line(const Json& value) {
  std::string out;
  append(value, out);
  return out;
}

}  // namespace panel_host
