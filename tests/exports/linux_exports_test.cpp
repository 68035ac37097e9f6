// What a built Linux module shows the outside: the host finds a module's
// records by name, so those names must be exported exactly as they are, and
// nothing else of the module may leak out.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "built_modules.h"
#include "command.h"

void PrintTo(const BuiltModule& module, std::ostream* out) { *out << module.path; }

namespace {

using gauges_tests::lines_of;
using gauges_tests::run_command;
using gauges_tests::shell_quote;
using Names = std::set<std::string>;

// AddressSanitizer gives every instrumented global that is visible outside
// the module a one-byte ODR indicator, "__odr_asan.<name>", exported beside
// it. Such an indicator says nothing of its own; it is dropped only where the
// global it stands for is itself exported, so a leak still shows.
Names without_sanitizer_indicators(const Names& symbols) {
  constexpr std::string_view kIndicator = "__odr_asan.";
  Names kept;
  for (const std::string& symbol : symbols) {
    if (symbol.starts_with(kIndicator) && symbols.contains(symbol.substr(kIndicator.size()))) continue;
    kept.insert(symbol);
  }
  return kept;
}

Names defined_dynamic_symbols(const std::string& path) {
  const auto result = run_command(std::string(kNm) + " -D --defined-only --format=posix " + shell_quote(path));
  EXPECT_EQ(result.status, 0) << kNm << " cannot read " << path;
  Names symbols;
  for (const std::string& line : lines_of(result.output)) {
    const std::string name = line.substr(0, line.find(' '));
    if (!name.empty()) symbols.insert(name);
  }
  return symbols;
}

class LinuxModuleExports : public testing::TestWithParam<BuiltModule> {};

TEST_P(LinuxModuleExports, ExportsItsRecordsAndBitmapDirectoryOnly) {
  const Names symbols = without_sanitizer_indicators(defined_dynamic_symbols(GetParam().path));
  EXPECT_EQ(symbols, (Names{"GaugeBitmapDirectory", "ImportTable", "Linkage"}));
}

INSTANTIATE_TEST_SUITE_P(BuiltModules, LinuxModuleExports, testing::ValuesIn(kLinuxModules),
                         [](const auto& parameter) { return std::string(parameter.param.name); });

TEST(SanitizerIndicators, AreDroppedOnlyBesideTheGlobalTheyStandFor) {
  EXPECT_EQ(without_sanitizer_indicators({"Linkage", "__odr_asan.Linkage", "__odr_asan.Leaked"}),
            (Names{"Linkage", "__odr_asan.Leaked"}));
}

}  // namespace
