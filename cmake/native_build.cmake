# Native build: the editor against the headless window layer, its tests and benchmarks.
find_package(GTest REQUIRED)
find_package(benchmark REQUIRED)
include(GoogleTest)
enable_testing()

editor_sources(HEADLESS_SOURCES src/platform/headless)
add_library(platform_headless STATIC ${HEADLESS_SOURCES})
target_include_directories(platform_headless PUBLIC src)
editor_warnings(platform_headless)

# Every test folder; the contract suite runs here against the headless layer.
file(GLOB_RECURSE NATIVE_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/*.cpp)
add_executable(editor_tests ${NATIVE_TEST_SOURCES})
target_include_directories(editor_tests PRIVATE tests)
target_link_libraries(editor_tests PRIVATE editor_core platform_headless GTest::gtest GTest::gmock GTest::gtest_main)
target_compile_definitions(editor_tests PRIVATE EDITOR_SOURCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}")
# The help tests read the built .chm files back with libchm's extractor.
find_program(EXTRACT_CHMLIB extract_chmLib REQUIRED)
target_compile_definitions(editor_tests PRIVATE EDITOR_HELP_DIR="${HELP_OUTPUT_DIR}" EXTRACT_CHMLIB="${EXTRACT_CHMLIB}")
add_dependencies(editor_tests help_files)
editor_warnings(editor_tests)
gtest_discover_tests(editor_tests DISCOVERY_TIMEOUT 60)

file(GLOB BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/bench/*.cpp)
if(BENCH_SOURCES)
  add_executable(editor_bench ${BENCH_SOURCES})
  target_link_libraries(editor_bench PRIVATE editor_core platform_headless benchmark::benchmark benchmark::benchmark_main)
  editor_warnings(editor_bench)
endif()
