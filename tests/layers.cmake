# Fails when a library of the project waits in the build for one of its own
# layer or above: the game's model at the bottom links nothing, the solver
# only the model, and so on up to the windows. Reads what ninja says each
# library's archive needs.
#   cmake -DNINJA=ninja -DBUILD_DIR=build -P tests/layers.cmake

cmake_minimum_required(VERSION 3.25)

# From the bottom up, one layer an entry; a library may link those below it.
set(layers
  "lumora_game"
  "lumora_forms|lumora_solver|lumora_pictures"
  "lumora_ui"
  "lumora_headless|lumora_qt"
  "lumora_workshop_core"
  "lumora_workshop_qt")

function(query what out)
  execute_process(COMMAND ${NINJA} -C ${BUILD_DIR} -t query ${what}
                  OUTPUT_VARIABLE text RESULT_VARIABLE failed ERROR_QUIET)
  if(failed)
    set(${out} "" PARENT_SCOPE)
  else()
    set(${out} "${text}" PARENT_SCOPE)
  endif()
endfunction()

# The libraries an archive waits for, by target name; "none" when the build
# has no such library (the Qt ones are left out of a build without Qt).
function(needs library out)
  query(${library} phony)
  string(REGEX MATCH "[^ \n]*lib${library}\\.a" archive "${phony}")
  set(found "")
  if(NOT archive)
    set(found none)
  else()
    query(${archive} text)
    string(REGEX MATCHALL "\\|\\| [^\n]*lib[a-z_]+\\.a" lines "${text}")
    foreach(line IN LISTS lines)
      string(REGEX REPLACE ".*lib([a-z_]+)\\.a" "\\1" name "${line}")
      list(APPEND found ${name})
    endforeach()
  endif()
  set(${out} "${found}" PARENT_SCOPE)
endfunction()

set(below "")
set(checked "")
set(bad "")
foreach(layer IN LISTS layers)
  string(REPLACE "|" ";" members "${layer}")
  foreach(library IN LISTS members)
    needs(${library} linked)
    if(linked STREQUAL "none")
      continue()
    endif()
    list(APPEND checked ${library})
    foreach(other IN LISTS linked)
      if(NOT other IN_LIST below)
        list(APPEND bad "${library} links ${other}")
      endif()
    endforeach()
  endforeach()
  list(APPEND below ${members})
endforeach()

if(NOT "lumora_game" IN_LIST checked)
  message(FATAL_ERROR "No library of the project found in ${BUILD_DIR}")
endif()
if(bad)
  string(REPLACE ";" "\n  " bad "${bad}")
  message(FATAL_ERROR "A library links one of its own layer or above:\n  ${bad}")
endif()
list(LENGTH checked n)
message(STATUS "${n} libraries link only the layers below them")
