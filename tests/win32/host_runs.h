// The four modules' gauges, and running the hosts on them from a test.
#pragma once

#include <nlohmann/json.hpp>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace gauges_tests {

struct GaugeCase {
  const char* module;
  const char* gauge;
  bool generated;  // version 800, with a service callback that binds GaugeSound
};

inline constexpr GaugeCase kGauges[] = {
    {"Corvel1", "WiskeyBmp", false},
    {"Corvel1", "Turn", false},
    {"Corvel1", "Altimetro", false},
    {"Corvel1", "Clock", false},
    {"Corvel1", "Gmeter", false},
    {"Corvel1", "RadioCompass", false},
    {"Corvel1", "CompassNop", false},
    {"Corvel1", "Hobb", false},
    {"ID_Pelmar_Combo", "ID_Pelmar_Combo", true},
    {"ID_Norva_AltimMtr", "ID_Norva_AltimMtr", true},
    {"ID_Ombra_Group", "ID_Ombra_Group", true},
};

inline void PrintTo(const GaugeCase& gauge, std::ostream* out) { *out << gauge.module << "!" << gauge.gauge; }

inline constexpr const char* kModules[] = {"Corvel1", "ID_Pelmar_Combo", "ID_Norva_AltimMtr", "ID_Ombra_Group"};

struct HostRun {
  int status;
  std::vector<std::string> lines;  // standard output
  std::string errors;              // standard error
};

std::string read_file(const std::filesystem::path& path);

// A file of the tests' work folder (created on demand).
std::filesystem::path work_file(const std::string& name);

// Runs `program arguments` from `folder` with `input` on standard input.
HostRun run_host(const std::string& program, const char* folder, const std::string& arguments,
                 const std::filesystem::path& input, const std::filesystem::path& errors);

// Runs the native host on its own modules; `label` names the work files.
HostRun run_native(const std::string& label, const std::string& arguments);

// The native `inspect` report of a module, or of one gauge (the module's
// report with that gauge alone).
nlohmann::json native_report(const std::string& module, const std::string& gauge = {});

}  // namespace gauges_tests
