cmake_minimum_required(VERSION 3.25)
# Builds a mime database from the pack type's XML alone, as the system does at
# install, and checks it knows a pack file by the name and the first line the
# game writes (read from HEADER, the game's pack file code), with the icon the
# installation puts under that name. Warnings fail it: the
# system's build would drop what it warns about.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/packages)
file(COPY_FILE ${XML} ${WORK}/packages/io.github.lumora.Lumora.xml)
execute_process(COMMAND update-mime-database -V ${WORK}
  RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR err MATCHES "[Ee]rror|[Ww]arning|[Uu]nknown|[Ii]nvalid")
  message(FATAL_ERROR "update-mime-database: ${rc}\n${err}")
endif()

set(type application/x-lumora-pack)
file(READ ${HEADER} code)
string(REGEX MATCH "kPackFileFirstLine = \"([^\"]+)\"" found "${code}")
set(first_line "${CMAKE_MATCH_1}")
string(REGEX MATCH "kPackFileSuffix = \"([^\"]+)\"" found "${code}")
set(suffix "${CMAKE_MATCH_1}")
if(first_line STREQUAL "" OR suffix STREQUAL "")
  message(FATAL_ERROR "${HEADER} no longer says the pack file's first line and suffix")
endif()
function(expect file pattern)
  file(STRINGS ${WORK}/${file} text)  # the printable runs: magic is binary
  string(FIND "${text}" "${pattern}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${file} does not hold '${pattern}':\n${text}")
  endif()
endfunction()
expect(types "${type}")
expect(globs2 "${type}:*${suffix}")
expect(magic "[60:${type}]")
expect(magic "${first_line}")
expect(icons "${type}:${ICON}")
file(REMOVE_RECURSE ${WORK})
