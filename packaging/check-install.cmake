# Installs the build into a scratch prefix and checks the result: every file
# a desktop installation needs is there with the right permissions, the
# desktop entry points at the installed program and icon, and the installed
# manual's pages link only to files that were installed with them.
#   cmake -DBINARY_DIR=<build> -DPREFIX=<scratch dir> -DBINDIR=bin
#         -DDATADIR=share -DMANDIR=share/man -DDESKTOP_FILE=<name>
#         -DMETAINFO_FILE=<name> -DICON_SIZES=<sizes> -P check-install.cmake
cmake_minimum_required(VERSION 3.22)

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BINARY_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE status
                OUTPUT_VARIABLE out
                ERROR_VARIABLE out)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${status}):\n${out}")
endif()

set(problems)
macro(problem text)
  list(APPEND problems "${text}")
endmacro()

# Files that must be there.
set(doc ${DATADIR}/rationix/doc)
set(expected
    ${BINDIR}/rationix
    ${doc}/index.html
    ${DATADIR}/applications/${DESKTOP_FILE}
    ${DATADIR}/metainfo/${METAINFO_FILE}
    ${DATADIR}/icons/hicolor/scalable/apps/rationix.svg
    ${DATADIR}/doc/rationix/copyright)
foreach(size IN LISTS ICON_SIZES)
  list(APPEND expected ${DATADIR}/icons/hicolor/${size}x${size}/apps/rationix.png)
endforeach()
foreach(file IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${file})
    problem("missing ${file}")
  endif()
endforeach()

if(EXISTS ${PREFIX}/${MANDIR}/man1/rationix.1.gz)
  file(READ ${PREFIX}/${MANDIR}/man1/rationix.1.gz magic LIMIT 2 HEX)
  if(NOT magic STREQUAL "1f8b")
    problem("${MANDIR}/man1/rationix.1.gz is not gzip data")
  endif()
elseif(NOT EXISTS ${PREFIX}/${MANDIR}/man1/rationix.1)
  problem("missing ${MANDIR}/man1/rationix.1(.gz)")
endif()

# The program: an executable ELF file.
if(EXISTS ${PREFIX}/${BINDIR}/rationix)
  file(READ ${PREFIX}/${BINDIR}/rationix magic LIMIT 4 HEX)
  if(NOT magic STREQUAL "7f454c46")
    problem("${BINDIR}/rationix is not an ELF executable")
  endif()
  execute_process(COMMAND test -x ${PREFIX}/${BINDIR}/rationix RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    problem("${BINDIR}/rationix is not executable")
  endif()
endif()

# Data files are rw-r--r--: nothing outside bin/ executable, nothing writable
# by group or others.
execute_process(COMMAND find ${PREFIX} -type f
                        ( -perm /022 -o ( -perm /111 ! -path ${PREFIX}/${BINDIR}/* ) )
                OUTPUT_VARIABLE bad OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT bad STREQUAL "")
  string(REPLACE "\n" ", " bad "${bad}")
  problem("wrong permissions: ${bad}")
endif()

# The desktop entry starts the installed program and names an installed icon.
set(entry ${PREFIX}/${DATADIR}/applications/${DESKTOP_FILE})
if(EXISTS ${entry})
  file(STRINGS ${entry} exec REGEX "^Exec=")
  file(STRINGS ${entry} icon REGEX "^Icon=")
  string(REGEX REPLACE "^Exec=([^ ]*).*" "\\1" exec "${exec}")
  string(REGEX REPLACE "^Icon=" "" icon "${icon}")
  if(NOT exec OR NOT EXISTS ${PREFIX}/${BINDIR}/${exec})
    problem("${DESKTOP_FILE}: Exec '${exec}' is not an installed program")
  endif()
  if(NOT icon OR NOT EXISTS ${PREFIX}/${DATADIR}/icons/hicolor/48x48/apps/${icon}.png)
    problem("${DESKTOP_FILE}: Icon '${icon}' is not an installed icon")
  endif()
endif()

# The manual: every relative link or picture of an installed page points at
# an installed file.
file(GLOB_RECURSE pages ${PREFIX}/${doc}/*.html ${PREFIX}/${doc}/*.htm)
foreach(page IN LISTS pages)
  file(READ ${page} html)
  string(REGEX MATCHALL "(href|src)[ \t\r\n]*=[ \t\r\n]*(\"[^\"]*\"|'[^']*')" refs "${html}")
  get_filename_component(dir ${page} DIRECTORY)
  file(RELATIVE_PATH shown ${PREFIX} ${page})
  foreach(ref IN LISTS refs)
    string(REGEX REPLACE "^[^=]*=[ \t\r\n]*.(.*).$" "\\1" target "${ref}")
    if(target MATCHES "^[A-Za-z][A-Za-z0-9+.-]*:" OR target MATCHES "^#" OR target STREQUAL "")
      continue()
    endif()
    string(REGEX REPLACE "[?#].*" "" target "${target}")
    string(REPLACE "%20" " " target "${target}")
    if(target MATCHES "^/")
      problem("${shown}: absolute link '${target}'")
    elseif(NOT EXISTS ${dir}/${target})
      problem("${shown}: '${target}' was not installed")
    endif()
  endforeach()
endforeach()

if(problems)
  list(JOIN problems "\n  " text)
  message(FATAL_ERROR "installation into ${PREFIX} is incomplete:\n  ${text}")
endif()
list(LENGTH pages npages)
message(STATUS "installation into ${PREFIX} is complete (${npages} manual pages)")
