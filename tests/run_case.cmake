# Runs one program as a CTest case and checks its exit status and its output bytes.
#
#   cmake -DCOMMAND="program;args" -DSTATUS=n [-DEMULATOR=...] [-DINPUT=file]
#         [-DOUTPUT=expected stdout | -DEMPTY_OUTPUT=1] [-DWRITTEN=file -DEXPECTED=file] -P run_case.cmake
if(INPUT)
  set(input INPUT_FILE ${INPUT})
endif()
execute_process(COMMAND ${EMULATOR} ${COMMAND} ${input} TIMEOUT 120 RESULT_VARIABLE status OUTPUT_VARIABLE out
                ERROR_VARIABLE err)
if(NOT status STREQUAL STATUS)
  message(FATAL_ERROR "${COMMAND}: status ${status}, expected ${STATUS}\n${err}")
endif()
if(OUTPUT)
  file(READ ${OUTPUT} expected)
  if(NOT out STREQUAL expected)
    message(FATAL_ERROR "${COMMAND}: standard output differs from ${OUTPUT}:\n${out}")
  endif()
endif()
if(EMPTY_OUTPUT AND NOT out STREQUAL "")
  message(FATAL_ERROR "${COMMAND}: standard output is not empty:\n${out}")
endif()
if(WRITTEN)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WRITTEN} ${EXPECTED} RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "${WRITTEN} differs from ${EXPECTED}")
  endif()
endif()
