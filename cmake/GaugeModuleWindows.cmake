# Windows side of add_gauge_module: the module's bitmaps become BITMAP
# resources (compiled by windres) and the module exports its two records only.

# Writes <name>_bitmaps.rc from the module's bitmap list and appends it to
# <out_var>. The resource compiler stores each bitmap without its 14-byte file
# header, found by its numeric id.
function(gauge_write_bitmap_resources name list_file out_var)
  gauge_read_bitmap_list(${list_file} BITMAP)
  set(lines "")
  foreach(id file IN ZIP_LISTS BITMAP_IDS BITMAP_FILES)
    string(APPEND lines "${id} BITMAP \"${file}\"\n")
  endforeach()
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${name}_bitmaps.rc)
  file(CONFIGURE OUTPUT ${out} CONTENT "// Generated from @list_file@: the module's bitmaps.\n@lines@" @ONLY)
  set_source_files_properties(${out} PROPERTIES OBJECT_DEPENDS "${BITMAP_FILES};${list_file}")
  set(${out_var} ${${out_var}} ${out} PARENT_SCOPE)
endfunction()

# Link options of a Windows module: only what carries __declspec(dllexport)
# (Linkage and ImportTable) is exported, the statically linked runtime
# contributes no exports, and a release module ships without symbols.
function(gauge_configure_windows_module name)
  target_link_options(${name} PRIVATE -Wl,--exclude-all-symbols $<$<CONFIG:Release,MinSizeRel>:-s>)
endfunction()
