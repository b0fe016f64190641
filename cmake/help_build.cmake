# The help files, compiled from help/ at build time: the editor's user guide and the
# constants tool's help. Both builds make them; the Windows build also links them in as the
# resources that the first-time setup writes out.
find_program(CHMCMD chmcmd REQUIRED)

set(HELP_OUTPUT_DIR ${CMAKE_BINARY_DIR}/help)
set(EDITOR_HELP_FILE ${HELP_OUTPUT_DIR}/tallowmere-editor.chm)
set(CONSTANTS_HELP_FILE ${HELP_OUTPUT_DIR}/Constants.chm)

# One .chm from one project file; every file of the project's folder is a dependency, so that
# editing or adding a page rebuilds it.
function(editor_help_file output project)
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR}/${project} DIRECTORY)
  file(GLOB pages CONFIGURE_DEPENDS ${folder}/*)
  get_filename_component(name ${output} NAME)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DCHMCMD=${CHMCMD} -DPROJECT=${CMAKE_CURRENT_SOURCE_DIR}/${project} -DOUTPUT=${output}
            -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/run_chmcmd.cmake
    DEPENDS ${pages} ${CMAKE_CURRENT_SOURCE_DIR}/cmake/run_chmcmd.cmake
    COMMENT "Compiling help file ${name}"
    VERBATIM)
endfunction()

editor_help_file(${EDITOR_HELP_FILE} help/editor/tallowmere-editor.hhp)
editor_help_file(${CONSTANTS_HELP_FILE} help/constants/Constants.hhp)
add_custom_target(help_files DEPENDS ${EDITOR_HELP_FILE} ${CONSTANTS_HELP_FILE})

if(WIN32)
  # The two help files as custom resources 303 and 304 of type 324. windres reads the .chm
  # files the script names, so its object is rebuilt whenever one of them changes.
  set(HELP_RESOURCE_SCRIPT ${HELP_OUTPUT_DIR}/help_files.rc)
  file(GENERATE OUTPUT ${HELP_RESOURCE_SCRIPT}
       CONTENT "303 324 \"${EDITOR_HELP_FILE}\"\n304 324 \"${CONSTANTS_HELP_FILE}\"\n")
  set_source_files_properties(${HELP_RESOURCE_SCRIPT} PROPERTIES
    GENERATED TRUE
    OBJECT_DEPENDS "${EDITOR_HELP_FILE};${CONSTANTS_HELP_FILE}")
endif()
