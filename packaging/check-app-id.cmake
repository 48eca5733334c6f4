# Checks that the application id is the same everywhere it appears: the
# desktop entry's file name, the AppStream component id and launchable, and
# the name the program gives QGuiApplication::setDesktopFileName(), which
# desktops use to find the entry (and so the icon) of a running window.
#   cmake -DAPP_ID=<id> -DPACKAGING_DIR=<dir> -DSOURCE_DIR=<src> -P check-app-id.cmake
cmake_minimum_required(VERSION 3.22)

set(problems)

set(desktop ${PACKAGING_DIR}/${APP_ID}.desktop)
set(metainfo ${PACKAGING_DIR}/${APP_ID}.metainfo.xml)
foreach(file ${desktop} ${metainfo})
  if(NOT EXISTS ${file})
    list(APPEND problems "missing ${file}")
  endif()
endforeach()

if(EXISTS ${metainfo})
  file(READ ${metainfo} xml)
  if(NOT xml MATCHES "<id>([^<]*)</id>")
    list(APPEND problems "${metainfo}: no <id>")
  elseif(NOT CMAKE_MATCH_1 STREQUAL APP_ID)
    list(APPEND problems "${metainfo}: <id> is '${CMAKE_MATCH_1}', not '${APP_ID}'")
  endif()
  if(NOT xml MATCHES "<launchable type=\"desktop-id\">([^<]*)</launchable>")
    list(APPEND problems "${metainfo}: no desktop-id launchable")
  elseif(NOT CMAKE_MATCH_1 STREQUAL "${APP_ID}.desktop")
    list(APPEND problems
         "${metainfo}: launchable is '${CMAKE_MATCH_1}', not '${APP_ID}.desktop'")
  endif()
endif()

# The program: every setDesktopFileName() call must name the entry.
file(GLOB_RECURSE sources ${SOURCE_DIR}/*.cpp ${SOURCE_DIR}/*.h)
set(calls 0)
foreach(source IN LISTS sources)
  file(STRINGS ${source} lines REGEX "setDesktopFileName")
  foreach(line IN LISTS lines)
    math(EXPR calls "${calls} + 1")
    if(NOT line MATCHES "setDesktopFileName\\((QStringLiteral\\(|QString\\(|u)?\"([^\"]*)\"")
      list(APPEND problems "${source}: cannot read the name in: ${line}")
    elseif(NOT CMAKE_MATCH_2 STREQUAL APP_ID)
      list(APPEND problems
           "${source}: setDesktopFileName(\"${CMAKE_MATCH_2}\") should be \"${APP_ID}\"")
    endif()
  endforeach()
endforeach()
if(calls EQUAL 0)
  list(APPEND problems "no setDesktopFileName(\"${APP_ID}\") call under ${SOURCE_DIR}")
endif()

if(problems)
  list(JOIN problems "\n  " text)
  message(FATAL_ERROR "application id '${APP_ID}' is not used consistently:\n  ${text}")
endif()
message(STATUS "application id ${APP_ID}: desktop entry, AppStream and program agree")
