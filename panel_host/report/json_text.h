// JSON text as the host prints it: one line, ", " between members and ": "
// after keys; non-finite numbers as the strings "nan", "inf", "-inf".
#pragma once

#include <nlohmann/json.hpp>
#include <string>

namespace panel_host {

using Json = nlohmann::ordered_json;

Json json_number(double value);
std::string json_line(const Json& value);

}  // namespace panel_host
