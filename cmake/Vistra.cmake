# Helpers shared by every folder's CMakeLists.txt.

# vistra_library(<target> SOURCES ... [DEPENDS ...] [PRIVATE_DEPENDS ...])
# A static library whose headers are included as "folder/File.h" from the
# repository root.
function(vistra_library target)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS;PRIVATE_DEPENDS" ${ARGN})
  add_library(${target} STATIC ${ARG_SOURCES})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${target} PUBLIC ${ARG_DEPENDS} PRIVATE ${ARG_PRIVATE_DEPENDS})
endfunction()

# vistra_tests(<target> [HEADLESS] SOURCES ... DEPENDS ... [PROPERTIES ...])
# One GoogleTest executable per library; its cases are discovered when CTest
# runs, so building never has to execute the tests. Every test program links
# the test support (testsupport/); HEADLESS gives it the main that runs the
# tests on the headless backend, for tests that drive windows.
function(vistra_tests target)
  cmake_parse_arguments(ARG "HEADLESS" "" "SOURCES;DEPENDS;PROPERTIES" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  if(ARG_HEADLESS)
    set(main vistra_testsupport_headless)
  else()
    set(main GTest::gtest_main)
  endif()
  target_link_libraries(${target} PRIVATE ${ARG_DEPENDS} vistra_testsupport ${main} GTest::gmock)
  target_compile_definitions(${target} PRIVATE
    VISTRA_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/tests/data"
    VISTRA_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    PROPERTIES ${ARG_PROPERTIES})
endfunction()

# vistra_benchmark(<target> SOURCES ... DEPENDS ...)
function(vistra_benchmark target)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  if(NOT VISTRA_BENCH)
    return()
  endif()
  find_package(benchmark REQUIRED)
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_DEPENDS} benchmark::benchmark_main)
  # A smoke run proves the benchmark still works; the figures come from manual runs.
  add_test(NAME ${target}.smoke COMMAND ${target} --benchmark_min_time=0.01)
  set_tests_properties(${target}.smoke PROPERTIES LABELS bench)
endfunction()

# vistra_resources(<target> <folder>)
# Compiles every file of <folder> into <target> as a named resource that
# TResourceStream reads: the name is the file name without its extension in
# capitals ("LOADER.gif" -> "LOADER"), the type follows the extension (.bmp
# BITMAP, .ico ICON, .cur CURSOR, .gif GIF, .png PNG, .jpg JPEG, anything else
# RCDATA). A program that links
# the target always gets the resources, even from a static library.
function(vistra_resources target folder)
  get_filename_component(folder "${folder}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
  file(GLOB files CONFIGURE_DEPENDS "${folder}/*")
  list(SORT files)
  string(MAKE_C_IDENTIFIER "vistra_resources_${target}" anchor)
  set(output "${CMAKE_CURRENT_BINARY_DIR}/${target}_resources.cpp")
  set(script "${CMAKE_BINARY_DIR}/vistra_resources_generate.cmake")
  file(WRITE "${script}" [=[
# Writes a C++ file that holds the resource files as arrays and registers them.
string(REPLACE "|" ";" FILES "${FILES}")
set(text "// Generated from the resource files; changes are lost on the next build.\n")
string(APPEND text "#include \"platform/classes/Resources.h\"\n\n#include <cstdint>\n\nnamespace {\n\n")
set(registrations "")
set(index 0)
foreach(file IN LISTS FILES)
  get_filename_component(name "${file}" NAME_WE)
  get_filename_component(ext "${file}" LAST_EXT)
  string(TOUPPER "${name}" name)
  string(TOLOWER "${ext}" ext)
  set(type RCDATA)
  if(ext STREQUAL ".bmp")
    set(type BITMAP)
  elseif(ext STREQUAL ".ico")
    set(type ICON)
  elseif(ext STREQUAL ".cur")
    set(type CURSOR)
  elseif(ext STREQUAL ".gif")
    set(type GIF)
  elseif(ext STREQUAL ".png")
    set(type PNG)
  elseif(ext STREQUAL ".jpg" OR ext STREQUAL ".jpeg")
    set(type JPEG)
  endif()
  file(READ "${file}" hex HEX)
  string(LENGTH "${hex}" digits)
  if(digits EQUAL 0)
    set(bytes "0")
  else()
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(REGEX REPLACE "(0x[0-9a-f][0-9a-f],0x[0-9a-f][0-9a-f],0x[0-9a-f][0-9a-f],0x[0-9a-f][0-9a-f],0x[0-9a-f][0-9a-f],0x[0-9a-f][0-9a-f],0x[0-9a-f][0-9a-f],0x[0-9a-f][0-9a-f],0x[0-9a-f][0-9a-f],0x[0-9a-f][0-9a-f],0x[0-9a-f][0-9a-f],0x[0-9a-f][0-9a-f],0x[0-9a-f][0-9a-f],0x[0-9a-f][0-9a-f],0x[0-9a-f][0-9a-f],0x[0-9a-f][0-9a-f],)" "\\1\n" bytes "${bytes}")
  endif()
  math(EXPR size "${digits} / 2")
  string(APPEND text "const std::uint8_t resource${index}[] = {\n${bytes}};\n\n")
  string(APPEND registrations "        classes::RegisterResource(\"${name}\", \"${type}\", resource${index}, ${size});\n")
  math(EXPR index "${index} + 1")
endforeach()
string(APPEND text "struct Registrar {\n    Registrar()\n    {\n${registrations}    }\n} registrar;\n\n} // namespace\n\n")
string(APPEND text "// Referenced by the linker options of the target, so that the registrations are linked in.\n")
string(APPEND text "extern \"C\" const int ${ANCHOR} = 0;\n")
file(WRITE "${OUTPUT}" "${text}")
]=])
  string(REPLACE ";" "|" fileArgument "${files}")
  add_custom_command(OUTPUT "${output}"
    COMMAND ${CMAKE_COMMAND} "-DFILES=${fileArgument}" "-DOUTPUT=${output}" "-DANCHOR=${anchor}"
            -P "${script}"
    DEPENDS ${files} "${script}"
    COMMENT "Compiling the resources of ${target}"
    VERBATIM)
  target_sources(${target} PRIVATE "${output}")
  target_link_options(${target} INTERFACE "LINKER:--undefined=${anchor}")
endfunction()

# vistra_include_fragments(<glob>)
# Includes every file of the current folder matching <glob>. A library whose
# areas are built side by side keeps each area's files in its own fragment, so
# work on one area never edits another's list.
macro(vistra_include_fragments glob)
  file(GLOB _vistra_fragments CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${glob})
  foreach(_vistra_fragment IN LISTS _vistra_fragments)
    include(${_vistra_fragment})
  endforeach()
endmacro()
