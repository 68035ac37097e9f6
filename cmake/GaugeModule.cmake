# Gauge modules: a module is built from an object library (so that tests can
# link the same records) into a shared library named <Module>.gau, with its
# bitmaps carried inside it.
#
# The bitmap list of a module, bitmaps.txt in its folder, names each bitmap
# once, one per line:  <id> <width>x<height> <file relative to the list> [role]
# Lines starting with # are comments.

# Reads a bitmap list into <prefix>_IDS, <prefix>_FILES (absolute) and
# <prefix>_SIZES (WxH).
function(gauge_read_bitmap_list list_file prefix)
  get_filename_component(folder ${list_file} DIRECTORY)
  file(STRINGS ${list_file} lines)
  set(ids)
  set(files)
  set(sizes)
  foreach(line IN LISTS lines)
    if(line MATCHES "^[ \t]*(#|$)")
      continue()
    endif()
    if(NOT line MATCHES "^[ \t]*([0-9]+)[ \t]+([0-9]+x[0-9]+)[ \t]+([^ \t]+)")
      message(FATAL_ERROR "${list_file}: malformed bitmap line: ${line}")
    endif()
    list(APPEND ids ${CMAKE_MATCH_1})
    list(APPEND sizes ${CMAKE_MATCH_2})
    list(APPEND files ${folder}/${CMAKE_MATCH_3})
  endforeach()
  set(${prefix}_IDS ${ids} PARENT_SCOPE)
  set(${prefix}_FILES ${files} PARENT_SCOPE)
  set(${prefix}_SIZES ${sizes} PARENT_SCOPE)
endfunction()

# Writes the source that embeds the bitmaps and exports their directory.
function(gauge_write_bitmap_embedding name list_file out_var)
  gauge_read_bitmap_list(${list_file} BITMAP)
  set(asm "")
  set(entries "")
  set(declarations "")
  foreach(id file IN ZIP_LISTS BITMAP_IDS BITMAP_FILES)
    set(symbol gauge_bitmap_${id})
    string(APPEND asm "    .globl ${symbol}_begin\\n    .hidden ${symbol}_begin\\n    .globl ${symbol}_end\\n    .hidden ${symbol}_end\\n    .balign 16\\n${symbol}_begin:\\n    .incbin \\\"${file}\\\"\\n${symbol}_end:\\n")
    string(APPEND declarations "extern \"C\" const unsigned char ${symbol}_begin[];\nextern \"C\" const unsigned char ${symbol}_end[];\n")
    string(APPEND entries "    {${id}, ${symbol}_begin, ${symbol}_end},\n")
  endforeach()
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${name}_bitmaps.cpp)
  file(CONFIGURE OUTPUT ${out} CONTENT [=[
// Generated from @list_file@: the module's bitmaps, embedded.
#include <iterator>

#include "gauge_kit/bitmap_directory.h"
#include "gauge_kit/calling_convention.h"

asm("    .pushsection .rodata.gauge_bitmaps,\"a\"\n"
"@asm@"
    "    .popsection\n");

@declarations@
namespace {
const gauge_kit::BitmapResource kBitmaps[] = {
@entries@};
}  // namespace

extern "C" {
GAUGE_EXPORT extern const gauge_kit::BitmapDirectory GaugeBitmapDirectory;
const gauge_kit::BitmapDirectory GaugeBitmapDirectory = {
    .count = static_cast<unsigned>(std::size(kBitmaps)),
    .bitmaps = kBitmaps,
};
}
]=] @ONLY)
  set_source_files_properties(${out} PROPERTIES OBJECT_DEPENDS "${BITMAP_FILES};${list_file}")
  set(${out_var} ${out} PARENT_SCOPE)
endfunction()

# add_gauge_module(<Module> SOURCES <files...> BITMAP_LIST <bitmaps.txt> [LIBRARIES <targets...>])
# Creates <Module>_objects (object library) and <Module> (build/gauges/<Module>.gau).
function(add_gauge_module name)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "BITMAP_LIST" "SOURCES;LIBRARIES")
  get_filename_component(list_file ${ARG_BITMAP_LIST} ABSOLUTE)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${list_file})

  set(platform_sources)
  if(WIN32)
    include(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/GaugeModuleWindows.cmake OPTIONAL RESULT_VARIABLE windows_support)
    if(windows_support)
      gauge_write_bitmap_resources(${name} ${list_file} platform_sources)
      list(APPEND platform_sources ${PROJECT_SOURCE_DIR}/gauge_kit/src/module_entry_windows.cpp)
    endif()
  else()
    gauge_write_bitmap_embedding(${name} ${list_file} platform_sources)
    list(APPEND platform_sources ${PROJECT_SOURCE_DIR}/gauge_kit/src/module_entry_linux.cpp)
  endif()

  add_library(${name}_objects OBJECT ${ARG_SOURCES} ${platform_sources})
  target_link_libraries(${name}_objects PUBLIC gauge_kit::kit ${ARG_LIBRARIES} PRIVATE gauges::warnings)

  add_library(${name} MODULE)
  target_link_libraries(${name} PRIVATE ${name}_objects)
  set_target_properties(${name} PROPERTIES
    PREFIX ""
    SUFFIX ".gau"
    LIBRARY_OUTPUT_DIRECTORY ${GAUGE_OUTPUT_DIRECTORY}
    GAUGE_BITMAP_LIST ${list_file})
  if(NOT WIN32)
    target_link_options(${name} PRIVATE -Wl,--exclude-libs,ALL)
  elseif(windows_support)
    gauge_configure_windows_module(${name})
  endif()
endfunction()
