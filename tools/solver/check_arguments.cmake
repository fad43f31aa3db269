# Every number lumora-solve takes is checked: a bad one stops it with status 2
# and a message naming the option, before any stage is read or searched.
# Each case: the arguments, separated by "|", then "=" and the option named.
set(CASES
  "--cap|abc=--cap"
  "--cap|0=--cap"
  "--cap|12x=--cap"
  "--cap|99999999999=--cap"
  "--boards|-5=--boards"
  "--boards|0=--boards"
  "--boards| 3=--boards"
  "--memory|0=--memory"
  "--memory|64MB=--memory"
  "--memory|99999999999=--memory"
  "--generate|x1=--generate"
  "--generate|-1=--generate"
  "--generate|1|--casts|4x=--casts"
  "--generate|1|--casts|3-21=--casts")
foreach(case IN LISTS CASES)
  string(REPLACE "=" ";" parts "${case}")
  list(GET parts 0 args)
  list(GET parts 1 option)
  string(REPLACE "|" ";" args "${args}")
  # A generation takes no stage file; every other form solves stage 1.
  set(stage ${STAGES}/mmap1.bkm)
  if(args MATCHES "^--generate")
    set(stage "")
  endif()
  execute_process(COMMAND ${SOLVER} ${stage} ${args}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
  if(NOT rc EQUAL 2 OR NOT err MATCHES "${option}" OR NOT out STREQUAL "")
    message(FATAL_ERROR "lumora-solve ${args}: status ${rc}, must be 2 naming ${option}\n"
      "stdout:\n${out}\nstderr:\n${err}")
  endif()
endforeach()
