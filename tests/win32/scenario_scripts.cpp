#include "scenario_scripts.h"

#include <algorithm>
#include <iterator>
#include <sstream>

namespace gauges_tests {
namespace {

using nlohmann::json;

// Ordinary readings, both signs, fractions, the edges of 32-bit integers,
// far out of range, the smallest subnormal, and the non-finite values.
constexpr const char* kValues[] = {
    "0",          "1",           "-1",          "0.5",         "-0.5",   "7.25",  "59.999",
    "99.95",      "360",         "-360",        "1013.25",     "29.92",  "12345.678",
    "-9999.5",    "2147483647",  "2147483648",  "-2147483649", "4294967296",
    "1e15",       "-1e15",       "1e300",       "-1e300",      "5e-324", "nan",   "inf",
    "-inf",
};

constexpr const char* kServiceIds[] = {"0", "1", "2", "3", "4",  "5",  "6",  "7",
                                       "8", "9", "10", "11", "12", "13", "4294967295"};

void add_source(const json& axis, std::vector<unsigned>& ids) {
  if (!axis.is_number_unsigned()) return;
  const unsigned id = axis.get<unsigned>();
  if (id != 0 && std::find(ids.begin(), ids.end(), id) == ids.end()) ids.push_back(id);
}

struct Point {
  int x;
  int y;
};

// The centre, the first and the last pixel of every region, the pixels just
// outside its first corner, and points outside the gauge.
std::vector<Point> probe_points(const json& gauge) {
  std::vector<Point> points;
  for (const PixelBox& box : child_regions(gauge)) {
    points.push_back({box.x + box.width / 2, box.y + box.height / 2});
    points.push_back({box.x, box.y});
    points.push_back({box.x + box.width - 1, box.y + box.height - 1});
    points.push_back({box.x - 1, box.y - 1});
  }
  const int width = gauge["size"].is_array() ? gauge["size"][0].get<int>() : 0;
  const int height = gauge["size"].is_array() ? gauge["size"][1].get<int>() : 0;
  points.push_back({-1, -1});
  points.push_back({width, height});
  return points;
}

bool has_service_callback(const json& gauge) { return gauge.value("service_callback", false); }

std::string values_script(const json& gauge) {
  std::ostringstream script;
  const std::vector<unsigned> ids = source_ids(gauge);
  script << "state\n";
  for (std::size_t step = 0; step < std::size(kValues); ++step) {
    // Sources get different values in each step, so that mixed inputs occur.
    for (std::size_t source = 0; source < ids.size(); ++source)
      script << "set " << ids[source] << ' ' << kValues[(step + source * 7) % std::size(kValues)] << '\n';
    script << "frame\n";
  }
  script << "update 5\n";
  return script.str();
}

std::string mouse_script(const json& gauge) {
  std::ostringstream script;
  script << "frame\n";
  for (const Point& point : probe_points(gauge)) {
    script << "hover " << point.x << ' ' << point.y << '\n';
    script << "click " << point.x << ' ' << point.y << '\n';
    script << "frame\n";
  }
  for (const PixelBox& box : child_regions(gauge)) {
    script << "hold " << box.x + box.width / 2 << ' ' << box.y + box.height / 2 << " 4\n";
    script << "frame\n";
  }
  return script.str();
}

std::string services_script(const json& gauge) {
  if (!has_service_callback(gauge)) return {};
  std::ostringstream script;
  script << "sound\n";
  for (const char* id : kServiceIds) {
    script << "service " << id << '\n';
    script << "sound\n";
    script << "frame\n";
  }
  // The end of a gauge's life, then life going on afterwards.
  script << "service 12\nsound\nservice 6\nsound\nservice 10\nframe\n";
  return script.str();
}

std::string instances_script(const json& gauge) {
  std::ostringstream script;
  const std::vector<Point> points = probe_points(gauge);
  const Point first = points.front();
  script << "frame\nsound\nnew\nframe\nsound\n";
  script << "click " << first.x << ' ' << first.y << "\n";
  script << "use 1\nframe\nnew\nuse 2\nkill\nsound\nuse 1\nframe\nuse 3\nframe\n";
  script << "reload\nframe\nsound\n";
  script << "click " << first.x << ' ' << first.y << "\nframe\nkill\nsound\n";
  return script.str();
}

std::string failures_script(const json& gauge) {
  std::vector<int> keys;
  for (const json& element : gauge["elements"]) {
    if (!element["failures"].is_array()) continue;
    for (const json& failure : element["failures"]) {
      const int key = failure[0].get<int>();
      if (std::find(keys.begin(), keys.end(), key) == keys.end()) keys.push_back(key);
    }
  }
  std::ostringstream script;
  for (const unsigned id : source_ids(gauge)) script << "set " << id << " 3\n";
  script << "frame\n";
  for (const int key : keys) script << "fail " << key << "\nframe\n";
  script << "night on\nframe\n";
  for (const int key : keys) script << "repair " << key << "\nframe\n";
  script << "night off\nframe\n";
  return script.str();
}

}  // namespace

const char* scenario_name(Scenario scenario) {
  switch (scenario) {
    case Scenario::Values: return "values";
    case Scenario::Mouse: return "mouse";
    case Scenario::Services: return "services";
    case Scenario::Instances: return "instances";
    case Scenario::Failures: return "failures";
  }
  return "unknown";
}

std::string scenario_script(Scenario scenario, const json& gauge) {
  switch (scenario) {
    case Scenario::Values: return values_script(gauge);
    case Scenario::Mouse: return mouse_script(gauge);
    case Scenario::Services: return services_script(gauge);
    case Scenario::Instances: return instances_script(gauge);
    case Scenario::Failures: return failures_script(gauge);
  }
  return {};
}

std::vector<unsigned> source_ids(const json& gauge) {
  std::vector<unsigned> ids;
  for (const json& element : gauge["elements"]) {
    if (element.contains("source")) add_source(element["source"], ids);
    if (element.contains("sources"))
      for (const json& source : element["sources"]) add_source(source, ids);
    for (const char* axis : {"x", "y", "angle"})
      if (element.contains(axis) && element[axis].is_object()) add_source(element[axis].value("source", json()), ids);
  }
  return ids;
}

std::vector<PixelBox> child_regions(const json& gauge) {
  std::vector<PixelBox> regions;
  std::vector<Point> origins{{0, 0}};
  for (const json& rect : gauge["mouse"]) {
    const int kind = rect["kind"].get<int>();
    const json& box = rect["box"];
    const PixelBox local{box[0].get<int>(), box[1].get<int>(), box[2].get<int>(), box[3].get<int>()};
    const Point origin = origins.back();
    if (kind == 1) {
      origins.push_back({origin.x + local.x, origin.y + local.y});
    } else if (kind == 2) {
      regions.push_back({origin.x + local.x, origin.y + local.y, local.width, local.height});
    } else if (kind == 3 && origins.size() > 1) {
      origins.pop_back();
    }
  }
  return regions;
}

}  // namespace gauges_tests
