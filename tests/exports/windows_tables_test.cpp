// What a module of the win32 build shows the outside: the simulator finds its
// two records by their undecorated names, nothing else may leak out, and it
// must run on a machine that has nothing but Windows itself.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "built_modules.h"
#include "command.h"
#include "win32_availability.h"

namespace {

using gauges_tests::lines_of;
using gauges_tests::run_command;
using gauges_tests::shell_quote;
using Names = std::set<std::string>;

std::string lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

struct PeTables {
  std::string format;
  Names exports;
  Names imports;  // DLL names, lower case
};

// Reads `objdump -p`: the file format line, the export name table (lines
// "[   n] Name" after "[Ordinal/Name Pointer] Table") and the "DLL Name:" lines.
PeTables read_pe_tables(const std::string& text) {
  PeTables tables;
  bool in_export_names = false;
  for (const std::string& line : lines_of(text)) {
    if (const std::size_t at = line.find("file format "); at != std::string::npos)
      tables.format = line.substr(at + 12);
    if (line.find("[Ordinal/Name Pointer] Table") != std::string::npos) {
      in_export_names = true;
      continue;
    }
    if (in_export_names) {
      const std::size_t close = line.find(']');
      if (line.find('[') == std::string::npos || close == std::string::npos) {
        in_export_names = false;
      } else {
        std::istringstream rest(line.substr(close + 1));
        std::string name;
        rest >> name;
        tables.exports.insert(name);
      }
    }
    if (const std::size_t at = line.find("DLL Name: "); at != std::string::npos)
      tables.imports.insert(lower(line.substr(at + 10)));
  }
  return tables;
}

// DLLs that are part of every Windows installation. The compiler's runtime
// DLLs (libgcc_s_*, libstdc++-6, libwinpthread-1) are not, so a module must
// carry that code itself.
const Names kWindowsSystemDlls = {"kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll", "msvcrt.dll"};

class WindowsModuleTables : public testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    if (!std::filesystem::is_directory(kWindowsModuleFolder))
      GAUGES_WIN32_UNAVAILABLE("no win32 build at " << kWindowsModuleFolder << " (cmake --workflow --preset win32)");
    if (std::string(kMingwObjdump).empty() || std::string(kMingwObjdump).ends_with("-NOTFOUND"))
      GAUGES_WIN32_UNAVAILABLE("i686-w64-mingw32-objdump is not installed");
    const std::string path = std::string(kWindowsModuleFolder) + "/" + GetParam() + ".gau";
    ASSERT_TRUE(std::filesystem::exists(path)) << path << " is missing from the win32 build";
    const auto result = run_command(std::string(kMingwObjdump) + " -p " + shell_quote(path));
    ASSERT_EQ(result.status, 0) << kMingwObjdump << " cannot read " << path;
    tables_ = read_pe_tables(result.output);
  }

  PeTables tables_;
};

TEST_P(WindowsModuleTables, IsA32BitWindowsLibrary) { EXPECT_EQ(tables_.format, "pei-i386"); }

// Undecorated names: no leading underscore, no stdcall "@n" suffix.
TEST_P(WindowsModuleTables, ExportsItsTwoRecordsOnly) {
  EXPECT_EQ(tables_.exports, (Names{"ImportTable", "Linkage"}));
}

TEST_P(WindowsModuleTables, ImportsOnlyWindowsSystemLibraries) {
  EXPECT_FALSE(tables_.imports.empty());
  for (const std::string& dll : tables_.imports) EXPECT_TRUE(kWindowsSystemDlls.contains(dll)) << dll;
}

INSTANTIATE_TEST_SUITE_P(BuiltModules, WindowsModuleTables, testing::ValuesIn(kWindowsModules),
                         [](const auto& parameter) { return std::string(parameter.param); });

TEST(PeTableReading, FindsFormatExportsAndImports) {
  const PeTables tables = read_pe_tables(
      "Corvel1.gau:     file format pei-i386\r\n"
      "\n"
      "[Ordinal/Name Pointer] Table\n"
      "\t[   0] ImportTable\n"
      "\t[   1] _Leak@12\n"
      "\n"
      "\tDLL Name: KERNEL32.dll\n"
      "\tDLL Name: libgcc_s_dw2-1.dll\n");
  EXPECT_EQ(tables.format, "pei-i386");
  EXPECT_EQ(tables.exports, (Names{"ImportTable", "_Leak@12"}));
  EXPECT_EQ(tables.imports, (Names{"kernel32.dll", "libgcc_s_dw2-1.dll"}));
}

}  // namespace
