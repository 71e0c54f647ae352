# Runs gridconv on a good file and on bad ones: a conversion keeps the cells, errors go to
# standard error with exit status 1.
file(MAKE_DIRECTORY ${WORK_DIR})
# The third row's first cell has two lines (a vertical tab in the file) and a tab.
string(ASCII 11 vt)
file(WRITE ${WORK_DIR}/in.csv "a;b\r\n\"x\"\"y\";z\r\n\"l1${vt}l2\tt\";w\r\n")

execute_process(COMMAND ${PROGRAM} --delimiter ";" ${WORK_DIR}/in.csv ${WORK_DIR}/out.csv
  RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "conversion failed (${status}): ${errors}")
endif()
# UTF-8 with its mark, the delimiter kept for writing: a;b CR LF "x""y";z CR LF "l1 VT l2 TAB t";w CR LF
file(READ ${WORK_DIR}/out.csv written HEX)
if(NOT written STREQUAL "efbbbf613b620d0a2278222279223b7a0d0a226c310b6c320974223b770d0a")
  message(FATAL_ERROR "unexpected output: ${written}")
endif()

foreach(case "missing.csv;out.csv" "in.csv;out.unknown" "in.csv")
  list(TRANSFORM case PREPEND ${WORK_DIR}/)
  execute_process(COMMAND ${PROGRAM} ${case} RESULT_VARIABLE status ERROR_VARIABLE errors OUTPUT_VARIABLE output)
  if(NOT status EQUAL 1 OR errors STREQUAL "" OR NOT output STREQUAL "")
    message(FATAL_ERROR "gridconv ${case}: status ${status}, errors '${errors}', output '${output}'")
  endif()
endforeach()

# Every format read back: CSV to each other format and on to CSV again gives the same file,
# and the viewer opens each file.
foreach(format txt xml grid)
  execute_process(COMMAND ${PROGRAM} --delimiter ";" ${WORK_DIR}/out.csv ${WORK_DIR}/out.${format}
    COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${PROGRAM} --delimiter ";" ${WORK_DIR}/out.${format} ${WORK_DIR}/back-${format}.csv
    COMMAND_ERROR_IS_FATAL ANY)
  file(READ ${WORK_DIR}/back-${format}.csv back HEX)
  if(NOT back STREQUAL written)
    message(FATAL_ERROR "${format}: read back as ${back}")
  endif()
  execute_process(COMMAND ${VIEWER} ${WORK_DIR}/out.${format} --screenshot ${WORK_DIR}/${format}.png
    RESULT_VARIABLE status ERROR_VARIABLE errors)
  if(NOT status EQUAL 0 OR NOT EXISTS ${WORK_DIR}/${format}.png)
    message(FATAL_ERROR "gridview cannot open the ${format} file (${status}): ${errors}")
  endif()
endforeach()
