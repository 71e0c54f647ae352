# Runs PROGRAM on INPUT and fails unless what it prints equals the file EXPECTED.
execute_process(COMMAND ${PROGRAM} ${INPUT} OUTPUT_VARIABLE output RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} ${INPUT} ended with ${result}")
endif()
file(READ ${EXPECTED} expected)
if(NOT output STREQUAL expected)
  message(FATAL_ERROR "Output differs from ${EXPECTED}:\n${output}")
endif()
