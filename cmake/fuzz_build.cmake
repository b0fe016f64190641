# libFuzzer targets, one per reader of outside data, in a clang build whose every source is
# compiled with -fsanitize=fuzzer-no-link (and the sanitizers): ./test.sh builds them with
# the sanitized tests and runs each briefly on its seed corpus in fuzz/corpus/<target>.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "EDITOR_FUZZ_TARGETS needs clang++: configure with -DCMAKE_CXX_COMPILER=clang++")
endif()

set(FUZZ_TARGETS)
foreach(name file_state_fuzz list_files_fuzz preferences_fuzz source_text_fuzz constants_tool_fuzz)
  add_executable(${name} fuzz/${name}.cpp)
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE editor_core platform_headless)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  editor_warnings(${name})
  list(APPEND FUZZ_TARGETS ${name})
endforeach()
target_link_libraries(constants_tool_fuzz PRIVATE constants_tool_core)
add_custom_target(fuzz_targets DEPENDS ${FUZZ_TARGETS})
