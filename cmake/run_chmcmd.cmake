# Runs chmcmd on one help project (cmake -P, with CHMCMD, PROJECT and OUTPUT set) and says
# nothing unless it fails. chmcmd exits 0 on some faults (a missing index file, a link to a
# page that is not there), so its report is read as well as its exit code.
get_filename_component(output_dir ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${output_dir})
# chmcmd writes the file its project names into its working folder; a stale copy must not
# pass for a new one.
file(REMOVE ${OUTPUT})
execute_process(
  COMMAND ${CHMCMD} ${PROJECT}
  WORKING_DIRECTORY ${output_dir}
  RESULT_VARIABLE result
  OUTPUT_VARIABLE report
  ERROR_VARIABLE report)
if(NOT result EQUAL 0 OR report MATCHES "(^|\n)(Error|Warning)" OR NOT EXISTS ${OUTPUT})
  file(REMOVE ${OUTPUT})
  message(FATAL_ERROR "chmcmd failed on ${PROJECT} (exit ${result}), expected ${OUTPUT}:\n${report}")
endif()
