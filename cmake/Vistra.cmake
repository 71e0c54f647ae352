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

# vistra_tests(<target> SOURCES ... DEPENDS ... [PROPERTIES ...])
# One GoogleTest executable per library; its cases are discovered when CTest
# runs, so building never has to execute the tests.
function(vistra_tests target)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS;PROPERTIES" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_DEPENDS} GTest::gtest_main GTest::gmock)
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
