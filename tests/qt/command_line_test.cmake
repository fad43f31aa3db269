cmake_minimum_required(VERSION 3.25)
# Runs the game's executable with no display at all: --help and --version must
# answer without Qt ever looking for one, anything else is a usage error.
function(run_lumora)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
            ${LUMORA} ${ARGN}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 20)
  set(rc "${rc}" PARENT_SCOPE)
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

function(fail what)
  message(FATAL_ERROR "${what}\nstatus: ${rc}\nstdout:\n${out}\nstderr:\n${err}")
endfunction()

run_lumora(--help)
if(NOT rc EQUAL 0 OR NOT err STREQUAL "")
  fail("--help must exit 0 and say nothing on stderr")
endif()
if(NOT out MATCHES "^Usage: lumora" OR NOT out MATCHES "Right click" OR NOT out MATCHES "cleared")
  fail("--help must print the usage and the rules")
endif()

run_lumora(--version)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "lumora ${VERSION}\n")
  fail("--version must print 'lumora ${VERSION}' and exit 0")
endif()

foreach(args "--play" "-platform;offscreen" "--help;--version" "stage1")
  run_lumora(${args})
  if(NOT rc EQUAL 2 OR NOT err MATCHES "Usage: lumora" OR NOT out STREQUAL "")
    fail("'${args}' must print the usage on stderr and exit 2")
  endif()
endforeach()
