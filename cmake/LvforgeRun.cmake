# Runs one lvforge tool as a build step, in a directory of its own:
#
#   cmake -DLVFORGE_TOOL=<exe> -DLVFORGE_WORKDIR=<dir> -DLVFORGE_OUTPUT=<file>
#         [-DLVFORGE_CONF=<conf.json> -DLVFORGE_HEADER=<simulator.h|board.h>]
#         -P LvforgeRun.cmake -- <tool arguments>
#
# The step's output is removed before the tool runs and again when it fails.
# The tools themselves keep the previous good file on failure, which is right
# at a console but wrong in a build: the build tool would take that stale file
# as up to date. With the output gone, the build fails now and runs (and fails)
# again next time, until the input is fixed.
#
# With LVFORGE_CONF the tool is setwright: conf.json is copied into the work
# directory (setwright reads it from there) and the chosen header is copied to
# LVFORGE_OUTPUT once both headers were written.

foreach(required LVFORGE_TOOL LVFORGE_WORKDIR LVFORGE_OUTPUT)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "LvforgeRun.cmake: ${required} is not set")
  endif()
endforeach()

# Everything after "--" belongs to the tool.
set(tool_args "")
set(seen_separator FALSE)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(i RANGE ${last})
  if(seen_separator)
    list(APPEND tool_args "${CMAKE_ARGV${i}}")
  elseif(CMAKE_ARGV${i} STREQUAL "--")
    set(seen_separator TRUE)
  endif()
endforeach()

set(products "${LVFORGE_OUTPUT}")
if(DEFINED LVFORGE_CONF)
  list(APPEND products "${LVFORGE_WORKDIR}/simulator.h" "${LVFORGE_WORKDIR}/board.h")
endif()
file(REMOVE ${products})
file(MAKE_DIRECTORY "${LVFORGE_WORKDIR}")
# cmake -E copy rather than file(COPY_FILE), which needs CMake 3.21: this runs
# under the building project's CMake, which may be as old as 3.18.
if(DEFINED LVFORGE_CONF)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E copy "${LVFORGE_CONF}" "${LVFORGE_WORKDIR}/conf.json"
                  RESULT_VARIABLE copied)
  if(NOT copied STREQUAL "0")
    message(FATAL_ERROR "cannot copy ${LVFORGE_CONF} to ${LVFORGE_WORKDIR}")
  endif()
endif()

# A successful step is silent, as a compiler is; on failure the tool's own
# messages are what the build shows first.
execute_process(COMMAND "${LVFORGE_TOOL}" ${tool_args}
                WORKING_DIRECTORY "${LVFORGE_WORKDIR}"
                RESULT_VARIABLE status
                OUTPUT_VARIABLE tool_output
                ERROR_VARIABLE tool_output)

if(status STREQUAL "0" AND DEFINED LVFORGE_CONF)
  get_filename_component(include_dir "${LVFORGE_OUTPUT}" DIRECTORY)
  file(MAKE_DIRECTORY "${include_dir}")
  execute_process(COMMAND "${CMAKE_COMMAND}" -E copy "${LVFORGE_WORKDIR}/${LVFORGE_HEADER}" "${LVFORGE_OUTPUT}"
                  RESULT_VARIABLE copied)
  if(NOT copied STREQUAL "0")
    set(status "copying ${LVFORGE_HEADER} failed")
  endif()
endif()

if(NOT status STREQUAL "0")
  file(REMOVE ${products})
  string(REGEX REPLACE "\n$" "" tool_output "${tool_output}")
  message(NOTICE "${tool_output}")
  get_filename_component(tool_name "${LVFORGE_TOOL}" NAME)
  if(status MATCHES "^[0-9]+$")
    set(status "exit status ${status}")
  endif()
  message(FATAL_ERROR "${tool_name} failed (${status}); nothing was generated for ${LVFORGE_OUTPUT}")
endif()
