# SPDX-License-Identifier: MIT
# Installs the build tree BUILD_DIR under ROOT/usr as a package would, then checks that the files
# are exactly EXPECTED_FILES, that the icons are PNG pictures of their folder's size, and that the
# menu entry and the metadata point at the installed program, icon and version, and that the
# program carries no environment variable of its own.
# Reports every failed check, then fails.
cmake_minimum_required(VERSION 3.25)

set(failures "")
macro(fail message)
  string(APPEND failures "\n  ${message}")
endmacro()

set(prefix ${ROOT}/usr)
file(REMOVE_RECURSE ${ROOT})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
  RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

file(GLOB_RECURSE found LIST_DIRECTORIES false RELATIVE ${prefix} ${prefix}/*)
list(SORT found)
set(expected ${EXPECTED_FILES})
list(SORT expected)
if(NOT found STREQUAL expected)
  set(missing ${expected})
  list(REMOVE_ITEM missing ${found})
  set(extra ${found})
  list(REMOVE_ITEM extra ${expected})
  # The checks below read the installed files.
  message(FATAL_ERROR "The installed files differ; missing: [${missing}] extra: [${extra}]")
endif()

execute_process(COMMAND test -x ${prefix}/bin/brivmemo RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  fail("bin/brivmemo is not executable")
endif()

# A PNG file starts with its 8-byte signature and the IHDR chunk, whose data begins with the
# width and the height as big-endian 32-bit numbers.
file(GLOB icons RELATIVE ${prefix} ${prefix}/share/icons/hicolor/*/apps/${APP_ID}.png)
if(NOT icons)
  fail("no icon of ${APP_ID} in the hicolor theme")
endif()
foreach(icon IN LISTS icons)
  file(READ ${prefix}/${icon} header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 0 16 signature)
  string(SUBSTRING "${header}" 24 8 chunk)
  string(SUBSTRING "${header}" 32 8 width)
  string(SUBSTRING "${header}" 40 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  string(REGEX REPLACE ".*/hicolor/([0-9]+)x([0-9]+)/.*" "\\1;\\2" folder_size ${icon})
  if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT chunk STREQUAL "49484452")
    fail("${icon} is not a PNG picture")
  elseif(NOT "${width};${height}" STREQUAL folder_size)
    fail("${icon} is ${width} x ${height}, not the size its folder names")
  endif()
endforeach()

# Reads the keys of the desktop entry's main group into entry_<key>.
file(STRINGS ${prefix}/share/applications/${APP_ID}.desktop lines)
set(in_main_group FALSE)
foreach(line IN LISTS lines)
  if(line MATCHES "^\\[(.*)\\]$")
    set(in_main_group FALSE)
    if(CMAKE_MATCH_1 STREQUAL "Desktop Entry")
      set(in_main_group TRUE)
    endif()
  elseif(in_main_group AND line MATCHES "^([A-Za-z0-9-]+)=(.*)$")
    set(entry_${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
  endif()
endforeach()

string(REGEX MATCH "^[^ ]+" program_Exec "${entry_Exec}")
set(program_TryExec "${entry_TryExec}")
foreach(key Exec TryExec)
  if(NOT program_${key} OR NOT EXISTS ${prefix}/bin/${program_${key}})
    fail("the menu entry's ${key}=${entry_${key}} does not start a program installed in bin/")
  endif()
endforeach()
# Qt names the window's class after the program, which is how docks find the window's entry.
if(NOT entry_StartupWMClass STREQUAL program_Exec)
  fail("the menu entry's StartupWMClass=${entry_StartupWMClass} is not the program's name")
endif()
if(NOT entry_Icon STREQUAL APP_ID)
  fail("the menu entry's icon '${entry_Icon}' is not the installed icon ${APP_ID}")
endif()
# The game keeps its settings in the folder it is started from: the entry leaves that folder to
# the launcher.
if(DEFINED entry_Path)
  fail("the menu entry sets a working folder: Path=${entry_Path}")
endif()

file(READ ${prefix}/share/metainfo/${APP_ID}.metainfo.xml metainfo)
string(REGEX MATCH "<launchable type=\"desktop-id\">([^<]*)</launchable>" _ "${metainfo}")
if(NOT CMAKE_MATCH_1 STREQUAL "${APP_ID}.desktop")
  fail("the metadata launches '${CMAKE_MATCH_1}', not the installed ${APP_ID}.desktop")
endif()
string(REGEX MATCH "<icon type=\"stock\">([^<]*)</icon>" _ "${metainfo}")
if(NOT CMAKE_MATCH_1 STREQUAL entry_Icon)
  fail("the metadata's icon '${CMAKE_MATCH_1}' is not the menu entry's '${entry_Icon}'")
endif()
# Releases are listed newest first.
string(REGEX MATCH "<release version=\"([^\"]*)\"" _ "${metainfo}")
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
  fail("the metadata's newest release is '${CMAKE_MATCH_1}', not the project's ${VERSION}")
endif()

execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net ${ROOT}
  RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE report)
if(NOT result EQUAL 0)
  fail("appstreamcli validate-tree failed:\n${report}")
endif()

# The program reads no environment variable of its own: no name of one is in the binary, nor the
# measuring programs' hook that ends them at the first paint (the game itself may wait for its
# first paint, to do later work then).
file(STRINGS ${prefix}/bin/brivmemo own_names REGEX "BRIVMEMO_|[Ee]xit_?[Aa]fter_?[Ff]irst_?[Pp]aint|[Ff]irst_?[Pp]aint_?[Ee]xit")
if(own_names)
  fail("bin/brivmemo holds names that only measuring builds may have: ${own_names}")
endif()

if(failures)
  message(FATAL_ERROR "The installed tree under ${prefix} is not right:${failures}")
endif()
