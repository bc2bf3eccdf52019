# Runs one program as a CTest case and checks its exit status and its standard output's bytes.
#
#   cmake -DCOMMAND="program;args" -DSTATUS=n [-DEMULATOR=...] [-DINPUT=file]
#         [-DOUTPUT=expected stdout, else an empty one] -P run_case.cmake
if(INPUT)
  set(input INPUT_FILE ${INPUT})
endif()
execute_process(COMMAND ${EMULATOR} ${COMMAND} ${input} TIMEOUT 120 RESULT_VARIABLE status OUTPUT_VARIABLE out
                ERROR_VARIABLE err)
set(expected "")
if(OUTPUT)
  file(READ ${OUTPUT} expected)
endif()
if(NOT status STREQUAL STATUS OR NOT out STREQUAL expected)
  message(FATAL_ERROR "${COMMAND}: status ${status} (expected ${STATUS}), standard output:\n${out}\n${err}")
endif()
