# Puts the default settings file and the marker and screenshot folders beside the program.
file(MAKE_DIRECTORY "${PROGRAM_DIR}/Files/MarkerFiles" "${PROGRAM_DIR}/Files/Screenshots")
if(NOT EXISTS "${PROGRAM_DIR}/CorvantaVistra.INI")
  configure_file("${TEMPLATE}" "${PROGRAM_DIR}/CorvantaVistra.INI" @ONLY NEWLINE_STYLE CRLF)
endif()
