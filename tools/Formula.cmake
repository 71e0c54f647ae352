# formulacalc: computes the formulas of a CSV file and prints it back with their results.
if(TARGET vistra_spreadsheet)
  add_executable(formulacalc ${CMAKE_CURRENT_LIST_DIR}/formulacalc/FormulaCalc.cpp)
  target_link_libraries(formulacalc PRIVATE vistra_spreadsheet vistra_backend)
  add_test(NAME formulacalc.sheet
    COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:formulacalc>
      -DINPUT=${PROJECT_SOURCE_DIR}/spreadsheet/tests/data/sheet.csv
      -DEXPECTED=${PROJECT_SOURCE_DIR}/spreadsheet/tests/data/sheet-results.csv
      -P ${CMAKE_CURRENT_LIST_DIR}/formulacalc/CompareOutput.cmake)
endif()
if(TARGET formulacalc)
  add_test(NAME formulacalc.longChain
    COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:formulacalc> -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}
      -P ${CMAKE_CURRENT_LIST_DIR}/formulacalc/LongChain.cmake)
endif()
