# Windows build: the Win32 window layer, the editor executable and the Win32 contract tests.
enable_language(RC)

# A bare Windows installation has no mingw runtime DLLs: link them in.
set(STATIC_RUNTIME -static -static-libgcc -static-libstdc++)
set(WIN32_LIBS comctl32 comdlg32 gdi32 user32 shell32 ole32 uuid)

editor_sources(WIN32_SOURCES src/platform/win32)
list(FILTER WIN32_SOURCES EXCLUDE REGEX "/win_main\\.cpp$")
add_library(platform_win32 STATIC ${WIN32_SOURCES})
target_include_directories(platform_win32 PUBLIC src)
target_compile_definitions(platform_win32 PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
target_link_libraries(platform_win32 PUBLIC ${WIN32_LIBS})
editor_warnings(platform_win32)

file(GLOB RESOURCE_SCRIPTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/resources/*.rc)
# windres reports no dependencies: name the files the scripts read, so that an edited
# image or installed file is compiled in again.
file(GLOB RESOURCE_FILES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/resources/*/*)
set_source_files_properties(${RESOURCE_SCRIPTS} PROPERTIES OBJECT_DEPENDS "${RESOURCE_FILES}")
add_executable(editor_exe WIN32 src/platform/win32/win_main.cpp ${RESOURCE_SCRIPTS} ${HELP_RESOURCE_SCRIPT})
set_target_properties(editor_exe PROPERTIES OUTPUT_NAME "Tallowmere v46_4")
target_link_libraries(editor_exe PRIVATE editor_core platform_win32)
target_link_options(editor_exe PRIVATE ${STATIC_RUNTIME})
editor_warnings(editor_exe)
add_dependencies(editor_exe help_files)

# GoogleTest from Debian's source package, compiled for Windows.
set(GTEST_SRC /usr/src/googletest/googletest)
add_library(gtest_win STATIC ${GTEST_SRC}/src/gtest-all.cc)
target_include_directories(gtest_win PUBLIC ${GTEST_SRC}/include PRIVATE ${GTEST_SRC})

file(GLOB CONTRACT_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/platform/*.cpp)
file(GLOB WIN32_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/src/platform/win32/testing/*.cpp)
add_executable(win32_tests ${CONTRACT_SOURCES} ${WIN32_TEST_SOURCES} ${RESOURCE_SCRIPTS} ${HELP_RESOURCE_SCRIPT})
target_include_directories(win32_tests PRIVATE tests)
target_link_libraries(win32_tests PRIVATE editor_core platform_win32 gtest_win)
target_link_options(win32_tests PRIVATE ${STATIC_RUNTIME})
target_compile_definitions(win32_tests PRIVATE EDITOR_SOURCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}")
editor_warnings(win32_tests)
add_dependencies(win32_tests help_files)

# Timings on the real controls (bench/win32); built with the rest, never run by the tests.
file(GLOB WIN32_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/bench/win32/*.cpp)
add_executable(win32_bench src/platform/win32/bench/win32_bench_main.cpp src/platform/win32/bench/startup_bench.cpp
                           ${WIN32_BENCH_SOURCES})
target_include_directories(win32_bench PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(win32_bench PRIVATE editor_core platform_win32)
target_link_options(win32_bench PRIVATE ${STATIC_RUNTIME})
editor_warnings(win32_bench)
# The start-up case starts both programs from beside it.
add_dependencies(win32_bench editor_exe startup_baseline)

# A file held open without sharing, for tools/bad-input-table.
add_executable(hold_file src/platform/win32/tools/hold_file_main.cpp)
target_link_options(hold_file PRIVATE ${STATIC_RUNTIME})
editor_warnings(hold_file)

# The start-up benchmark's baseline: one window and one rich edit.
add_executable(startup_baseline WIN32 src/platform/win32/tools/startup_baseline_main.cpp)
target_link_options(startup_baseline PRIVATE ${STATIC_RUNTIME})
editor_warnings(startup_baseline)
