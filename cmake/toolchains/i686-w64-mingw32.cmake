# Cross-compiles for 32-bit Windows with Debian's MinGW-w64 toolchain
# (packages g++-mingw-w64-i686 and binutils-mingw-w64-i686).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(GAUGE_MINGW_TRIPLET i686-w64-mingw32)
set(CMAKE_C_COMPILER ${GAUGE_MINGW_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${GAUGE_MINGW_TRIPLET}-g++)
set(CMAKE_RC_COMPILER ${GAUGE_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${GAUGE_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Floating point in SSE2 registers, as on x86-64: 64-bit doubles throughout,
# no x87 extended precision, so that both builds compute the same numbers.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")

# The compiler's own runtime (libgcc, libstdc++, winpthread) is linked in, so
# that a module or program needs only the DLLs every Windows has.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# The host's header-only libraries (nlohmann-json, CLI11, stb) are portable
# source; Debian installs them for the build machine only. They are reached
# through links in the build tree, so that /usr/include (the build machine's C
# library) never enters a Windows compile.
set(GAUGE_HOST_HEADERS ${CMAKE_BINARY_DIR}/header_only_packages/include)
foreach(folder nlohmann CLI stb)
  if(EXISTS /usr/include/${folder} AND NOT EXISTS ${GAUGE_HOST_HEADERS}/${folder})
    file(MAKE_DIRECTORY ${GAUGE_HOST_HEADERS})
    file(CREATE_LINK /usr/include/${folder} ${GAUGE_HOST_HEADERS}/${folder} SYMBOLIC)
  endif()
endforeach()
set(CMAKE_CXX_STANDARD_INCLUDE_DIRECTORIES ${GAUGE_HOST_HEADERS})
set(nlohmann_json_DIR ${CMAKE_CURRENT_LIST_DIR}/header_only_packages)
set(CLI11_DIR ${CMAKE_CURRENT_LIST_DIR}/header_only_packages)

# pkg-config knows only the build machine's libraries; look for Windows ones
# in the MinGW tree alone (there are none), so that no Linux library is taken.
set(ENV{PKG_CONFIG_LIBDIR} /usr/${GAUGE_MINGW_TRIPLET}/lib/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")
