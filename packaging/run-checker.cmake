# Runs a checking tool and fails when it fails or reports a problem.
#   cmake -DTOOL=<program> -DPACKAGE=<Debian package providing it>
#         -DARGS=<arguments; list> [-DFAIL_ON=<regex>] -P run-checker.cmake
# FAIL_ON is matched against every line the tool prints, on either stream;
# one matching line fails the check even if the tool exits with 0.
cmake_minimum_required(VERSION 3.22)

foreach(var TOOL PACKAGE ARGS)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "run-checker: ${var} not given")
  endif()
endforeach()

find_program(tool_path ${TOOL})
if(NOT tool_path)
  message(FATAL_ERROR
    "${TOOL} is not installed; it comes with the Debian package '${PACKAGE}' "
    "(scripts/install-deps installs it).")
endif()

execute_process(COMMAND ${tool_path} ${ARGS}
                RESULT_VARIABLE status
                OUTPUT_VARIABLE out
                ERROR_VARIABLE err)
set(all "${out}${err}")
if(NOT all STREQUAL "")
  message("${all}")
endif()

if(NOT status EQUAL 0)
  message(FATAL_ERROR "${TOOL} failed (${status})")
endif()

if(DEFINED FAIL_ON AND NOT FAIL_ON STREQUAL "")
  string(REPLACE ";" "\\;" all "${all}")
  string(REPLACE "\n" ";" lines "${all}")
  foreach(line IN LISTS lines)
    if(line MATCHES "${FAIL_ON}")
      message(FATAL_ERROR "${TOOL} reported a problem: ${line}")
    endif()
  endforeach()
endif()
