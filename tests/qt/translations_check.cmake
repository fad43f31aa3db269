cmake_minimum_required(VERSION 3.25)
# Fails when a catalogue in translations/ is behind the sources (lupdate, run
# as the build runs it, would change it) or holds a text not yet translated.
# Inputs: LUPDATE, PROJECT_MAKER (Qt's GenerateLUpdateProject.cmake), PROJECT
# (the lupdate project the build wrote), OPTIONS, TS_FILES, WORK (a folder).
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -DIN_FILE=${PROJECT} -DOUT_FILE=${WORK}/project.json
          -P ${PROJECT_MAKER}
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the lupdate project could not be made from ${PROJECT}")
endif()

set(problems "")
foreach(ts IN LISTS TS_FILES)
  get_filename_component(name "${ts}" NAME)
  file(COPY_FILE "${ts}" "${WORK}/${name}")
  execute_process(
    COMMAND ${LUPDATE} -project ${WORK}/project.json ${OPTIONS} -ts ${WORK}/${name}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    string(APPEND problems "${name}: lupdate failed:\n${err}\n")
    continue()
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${ts}" "${WORK}/${name}"
                  RESULT_VARIABLE differs)
  if(differs)
    string(APPEND problems
           "${name} is behind the sources: build the target update_translations and translate "
           "what it adds\n")
  endif()
  file(READ "${WORK}/${name}" text)
  string(REGEX MATCHALL "<source>[^<]*</source>[ \t\r\n]*<translation( type=\"[a-z]+\")?>[ \t\r\n]*</translation>"
         empty "${text}")
  string(REGEX MATCHALL "<source>[^<]*</source>[ \t\r\n]*<translation type=\"(unfinished|vanished|obsolete)\""
         unfinished "${text}")
  foreach(entry IN LISTS empty unfinished)
    string(REGEX REPLACE "^<source>([^<]*)</source>.*" "\\1" source "${entry}")
    string(APPEND problems "${name}: not translated: ${source}\n")
  endforeach()
endforeach()
if(problems)
  message(FATAL_ERROR "${problems}")
endif()
