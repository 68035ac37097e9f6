# nlohmann-json for a cross build: headers from the build machine's package,
# reached through the toolchain's header links.
if(NOT TARGET nlohmann_json::nlohmann_json)
  add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
endif()
set(nlohmann_json_FOUND TRUE)
