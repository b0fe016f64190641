# Fuzz build: libFuzzer targets with address and undefined-behaviour checks, built from
# only the sources each parser needs. Needs clang (-DCMAKE_CXX_COMPILER=clang++).
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "EDITOR_FUZZ needs clang++: configure with -DCMAKE_CXX_COMPILER=clang++")
endif()

set(FUZZ_FLAGS -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)

function(editor_fuzz_target name)
  add_executable(${name} ${ARGN})
  target_include_directories(${name} PRIVATE src)
  target_compile_options(${name} PRIVATE ${FUZZ_FLAGS})
  target_link_options(${name} PRIVATE ${FUZZ_FLAGS})
  editor_warnings(${name})
endfunction()

editor_fuzz_target(file_state_fuzz fuzz/file_state_fuzz.cpp src/model/file_state.cpp)
