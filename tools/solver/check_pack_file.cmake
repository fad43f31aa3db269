# lumora-solve on a pack file: --table proves its stages as a folder's and
# plays each carried solution in the game, saying which clears its stage; and
# --convert takes a pack file back to a folder.
# Inputs: SOLVER, STAGES (the game's stages folder), WORK (a folder of its own).
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
function(solve)
  execute_process(COMMAND ${SOLVER} ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                  ERROR_VARIABLE err TIMEOUT 120)
  set(rc "${rc}" PARENT_SCOPE)
  set(out "${out}${err}" PARENT_SCOPE)
endfunction()

solve(--convert ${STAGES} ${WORK}/all.lumora)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "--convert to a file failed: ${out}")
endif()
# The first two stages, the first with its solution walking one cell short.
file(READ ${WORK}/all.lumora text)
string(FIND "${text}" "\n[Stage 3]" cut)
string(SUBSTRING "${text}" 0 ${cut} text)
string(REPLACE "Stages=28" "Stages=2" text "${text}")
string(REPLACE "tap 58 2" "tap 57 2" text "${text}")
file(WRITE ${WORK}/two.lumora "${text}\n")

solve(--table ${WORK}/two.lumora)
foreach(said "stage 1: its solution does not clear it" "stage 2: proven by its solution"
             "| 2 | 1 |")
  string(FIND "${out}" "${said}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "--table on a pack file does not say \"${said}\":\n${out}")
  endif()
endforeach()

solve(--convert ${WORK}/two.lumora ${WORK}/two)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "--convert to a folder failed: ${out}")
endif()
foreach(name mmap2.bkm amap2.bkm solutions/stage2.replay)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${STAGES}/${name} ${WORK}/two/${name}
                  RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "${name} came back from the pack file changed")
  endif()
endforeach()

solve(--table ${WORK}/missing.lumora)
if(rc EQUAL 0 OR NOT out MATCHES "missing.lumora: cannot open")
  message(FATAL_ERROR "a missing pack file is not told: ${out}")
endif()
