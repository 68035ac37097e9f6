# Creates the Wine prefix the conformance tests share, when there is a win32
# build to test and Wine to run it.
if(NOT WINE OR NOT EXISTS "${WINDOWS_HOST}")
  message(STATUS "No Wine or no win32 build: the Windows conformance tests will be skipped")
  return()
endif()
if(EXISTS "${WINE_PREFIX}/system.reg")
  return()
endif()
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env WINEPREFIX=${WINE_PREFIX} WINEARCH=win32 WINEDEBUG=-all
          "WINEDLLOVERRIDES=mscoree,mshtml=" ${WINE} wineboot --init
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "wineboot could not create ${WINE_PREFIX} (status ${status})")
endif()
# wineboot returns before the prefix is written out; wineserver -w waits.
get_filename_component(wine_folder ${WINE} DIRECTORY)
find_program(WINESERVER NAMES wineserver wineserver32 HINTS ${wine_folder} /usr/lib/wine)
if(WINESERVER)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env WINEPREFIX=${WINE_PREFIX} ${WINESERVER} -w)
endif()
