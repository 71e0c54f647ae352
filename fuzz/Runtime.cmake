# Fuzz targets of the runtime's text readers: formats, string lists, INI and XML.
foreach(pair FuzzTextFormats:vistra_rtl FuzzStringList:vistra_classes FuzzXmlDocument:vistra_xml)
  string(REPLACE ":" ";" parts ${pair})
  list(GET parts 0 target)
  list(GET parts 1 library)
  add_executable(${target} ${CMAKE_CURRENT_LIST_DIR}/${target}.cpp)
  target_link_libraries(${target} PRIVATE ${library})
  target_link_options(${target} PRIVATE -fsanitize=fuzzer)
endforeach()
