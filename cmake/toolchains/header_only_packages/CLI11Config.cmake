# CLI11 for a cross build: headers from the build machine's package, reached
# through the toolchain's header links.
if(NOT TARGET CLI11::CLI11)
  add_library(CLI11::CLI11 INTERFACE IMPORTED)
endif()
set(CLI11_FOUND TRUE)
