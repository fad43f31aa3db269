# A stage whose searches outgrow the memory given (2 MB: the goal-directed
# search, given all of it once the exact one is out of room, clears this stage
# at 4) stops undecided: lumora-solve
# says so with the budget as given and the states searched, claims no verdict
# and exits 1.
#   cmake -DSOLVER=... -DSTAGE=... -P check_memory.cmake
execute_process(COMMAND ${SOLVER} ${STAGE} --no-replay --memory 2
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 120)
if(NOT rc EQUAL 1 OR NOT out MATCHES "undecided within 2 MB after [1-9][0-9]* states\n")
  message(FATAL_ERROR "lumora-solve --memory 2: status ${rc}, must be 1 and undecided\n"
    "stdout:\n${out}\nstderr:\n${err}")
endif()
if(out MATCHES "no checked solution|least starting magic|solvable with the budget: no")
  message(FATAL_ERROR "an undecided stage must claim no verdict:\n${out}")
endif()
