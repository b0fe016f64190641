# The constants-search tool: its list, generated from the toolchain's Windows headers; its
# search code, which the native tests check; and on Windows the tool itself, which the
# editor carries in its resources and the first start writes into Constants.
find_program(PYTHON3 python3 REQUIRED)
set(MINGW_INCLUDE_DIR /usr/x86_64-w64-mingw32/include CACHE PATH "The Windows SDK headers the constants list is read from")
if(NOT EXISTS ${MINGW_INCLUDE_DIR}/winuser.h)
  message(FATAL_ERROR "No Windows headers in ${MINGW_INCLUDE_DIR}: tools/install-deps installs them")
endif()

set(CONSTANTS_DIR ${CMAKE_BINARY_DIR}/constants)
set(CONSTANTS_LIST ${CONSTANTS_DIR}/List.txt)
add_custom_command(OUTPUT ${CONSTANTS_LIST}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CONSTANTS_DIR}
  COMMAND ${PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/tools/constants/make_constants_list.py ${MINGW_INCLUDE_DIR} ${CONSTANTS_LIST}
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tools/constants/make_constants_list.py
  COMMENT "Listing the integer constants of the Windows headers")
add_custom_target(constants_list DEPENDS ${CONSTANTS_LIST})

editor_sources(CONSTANTS_TOOL_SOURCES src/constants_tool)
add_library(constants_tool_core STATIC ${CONSTANTS_TOOL_SOURCES})
target_link_libraries(constants_tool_core PUBLIC editor_core)
editor_warnings(constants_tool_core)

if(NOT WIN32)
  add_dependencies(editor_tests constants_list)
  target_link_libraries(editor_tests PRIVATE constants_tool_core)
  target_compile_definitions(editor_tests PRIVATE EDITOR_CONSTANTS_LIST="${CONSTANTS_LIST}")
  return()
endif()

set(TOOL_RC ${CONSTANTS_DIR}/constants_tool.rc)
file(WRITE ${TOOL_RC}.in "1 ICON \"${CMAKE_CURRENT_SOURCE_DIR}/resources/icons/settings.ico\"\n1 RCDATA \"${CONSTANTS_LIST}\"\n")
configure_file(${TOOL_RC}.in ${TOOL_RC} COPYONLY)
set_source_files_properties(${TOOL_RC} PROPERTIES OBJECT_DEPENDS ${CONSTANTS_LIST})
set(TOOL_WINDOW src/platform/win32/constants_tool/constants_window.cpp)
add_executable(constants_tool WIN32 src/platform/win32/constants_tool/constants_tool_main.cpp ${TOOL_WINDOW} ${TOOL_RC})
set_target_properties(constants_tool PROPERTIES OUTPUT_NAME dozevuzezurodovv6 RUNTIME_OUTPUT_DIRECTORY ${CONSTANTS_DIR})
target_link_libraries(constants_tool PRIVATE constants_tool_core platform_win32)
# Stripped: the editor carries it in its resources, and a user never debugs it.
target_link_options(constants_tool PRIVATE ${STATIC_RUNTIME} -s)
editor_warnings(constants_tool)

# The editor carries the tool and the list as installed files.
set(TOOL_EXE ${CONSTANTS_DIR}/dozevuzezurodovv6.exe)
set(INSTALLED_RC ${CONSTANTS_DIR}/constants_installed.rc)
file(WRITE ${INSTALLED_RC}.in "307 324 \"${TOOL_EXE}\"\n311 324 \"${CONSTANTS_LIST}\"\n")
configure_file(${INSTALLED_RC}.in ${INSTALLED_RC} COPYONLY)
set_source_files_properties(${INSTALLED_RC} PROPERTIES OBJECT_DEPENDS "${TOOL_EXE};${CONSTANTS_LIST}")
foreach(target editor_exe win32_tests)
  target_sources(${target} PRIVATE ${INSTALLED_RC})
  add_dependencies(${target} constants_tool)
endforeach()
target_sources(win32_tests PRIVATE ${TOOL_WINDOW})
target_link_libraries(win32_tests PRIVATE constants_tool_core)
target_compile_definitions(win32_tests PRIVATE EDITOR_BUILD_DIR="${CMAKE_BINARY_DIR}")
