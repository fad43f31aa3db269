cmake_minimum_required(VERSION 3.25)
# Runs a program (the game, or NAME) with no display at all: --help and
# --version must answer without Qt ever looking for one; any other option, and
# a second path, is a usage error. --help must name every one of HELP_WORDS.
# In the C locale it reads as written; asked for German (LANGUAGE, as a
# desktop sets it), the usage, the help and a mistake's message come in
# German, with what the help names in the words of the same catalogue.
if(NOT NAME)
  set(NAME lumora)
  set(HELP_WORDS "Right click;cleared;PACK")
  set(GERMAN_WORD "Rechtsklick")
endif()
set(language LC_ALL=C)
function(run_lumora)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
            --unset=LANGUAGE --unset=LC_MESSAGES --unset=LANG ${language} ${LUMORA} ${ARGN}
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
if(NOT out MATCHES "^Usage: ${NAME} ")
  fail("--help must print the usage")
endif()
foreach(word IN LISTS HELP_WORDS)
  if(NOT out MATCHES "${word}")
    fail("--help must tell '${word}'")
  endif()
endforeach()

run_lumora(--version)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "${NAME} ${VERSION}\n")
  fail("--version must print '${NAME} ${VERSION}' and exit 0")
endif()

# One path is a pack to open; two are a mistake, as is an option after "--".
foreach(args "--play" "-platform;offscreen" "--help;--version" "stage1;stage2" "--;a;b")
  run_lumora(${args})
  if(NOT rc EQUAL 2 OR NOT err MATCHES "Usage: ${NAME} " OR NOT out STREQUAL "")
    fail("'${args}' must print the usage on stderr and exit 2")
  endif()
endforeach()

set(language LANGUAGE=de LC_ALL=)
run_lumora(--help)
if(NOT rc EQUAL 0 OR NOT out MATCHES "^Aufruf: ${NAME} " OR NOT out MATCHES "diese Hilfe"
   OR NOT out MATCHES "${GERMAN_WORD}")
  fail("--help must read German with LANGUAGE=de")
endif()
run_lumora(stage1 stage2)
if(NOT rc EQUAL 2 OR NOT err MATCHES "unerwartetes Argument „stage[12]“"
   OR NOT err MATCHES "Siehe „${NAME} --help“")
  fail("a mistake must be told in German with LANGUAGE=de")
endif()
