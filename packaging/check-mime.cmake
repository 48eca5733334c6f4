# Installs the build into a scratch prefix, builds the MIME database there
# and checks with Qt's MIME database that a saved ration is recognised as
# application/x-rationix and an ordinary HTML page is not.
#   cmake -DBINARY_DIR=<build> -DPREFIX=<scratch dir> -DDATADIR=share
#         -DCHECKER=<check-mime program> -P check-mime.cmake
cmake_minimum_required(VERSION 3.22)

find_program(update_mime update-mime-database)
if(NOT update_mime)
  message(FATAL_ERROR "update-mime-database is not installed; it comes with the Debian "
                      "package 'shared-mime-info' (scripts/install-deps installs it).")
endif()

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BINARY_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${status}):\n${out}")
endif()

set(mime ${PREFIX}/${DATADIR}/mime)
if(NOT EXISTS ${mime}/packages/rationix.xml)
  message(FATAL_ERROR "${DATADIR}/mime/packages/rationix.xml was not installed")
endif()
# On an installed system our package sits beside the system's own types in
# one database: copy those in, so that the database built here is the one a
# user gets.
file(GLOB system_packages /usr/share/mime/packages/*.xml)
if(NOT system_packages)
  message(FATAL_ERROR "no shared-mime-info types in /usr/share/mime/packages")
endif()
file(COPY ${system_packages} DESTINATION ${mime}/packages)
set(dirs ${PREFIX}/${DATADIR})
execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_DIRS=${dirs} ${update_mime} ${mime}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0 OR NOT out STREQUAL "")
  message(FATAL_ERROR "update-mime-database failed (${status}):\n${out}")
endif()

set(samples ${PREFIX}/samples)
file(MAKE_DIRECTORY ${samples})
execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_DIRS=${dirs}
                        XDG_DATA_HOME=${PREFIX}/no-user-data ${CHECKER} ${samples}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
message("${out}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the installed file type does not tell rations from other pages")
endif()

# What a desktop asks when a file is double-clicked: xdg-mime, the whole
# rule (file name and contents).
find_program(xdg_mime xdg-mime)
find_program(perl_mimetype mimetype)
if(NOT xdg_mime OR NOT perl_mimetype)
  message(FATAL_ERROR "xdg-mime or mimetype is not installed; they come with the Debian "
                      "packages 'xdg-utils' and 'libfile-mimeinfo-perl' "
                      "(scripts/install-deps installs them).")
endif()
foreach(pair "Завтрак.html=application/x-rationix" "page.html=text/html"
             "comment.html=text/html")
  string(REPLACE "=" ";" pair "${pair}")
  list(GET pair 0 name)
  list(GET pair 1 expected)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_DIRS=${dirs}
                          XDG_DATA_HOME=${PREFIX}/no-user-data XDG_CURRENT_DESKTOP=X-Generic
                          ${xdg_mime} query filetype ${samples}/${name}
                  RESULT_VARIABLE status OUTPUT_VARIABLE type ERROR_VARIABLE err
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  message("xdg-mime: ${name}: ${type} (expected ${expected})")
  if(NOT status EQUAL 0 OR NOT type STREQUAL expected)
    message(FATAL_ERROR "xdg-mime takes ${name} for '${type}' ${err}")
  endif()
endforeach()
