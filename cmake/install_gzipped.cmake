# Installs files compressed with gzip at its best compression and without a name or time in
# the header, so the same source always gives the same bytes (as Debian wants its manual
# pages and changelogs).
#
# Run as a script (cmake -DINPUT=… -DOUTPUT=… -P install_gzipped.cmake) it compresses one file.
if(CMAKE_SCRIPT_MODE_FILE)
  execute_process(COMMAND gzip -9nc "${INPUT}" OUTPUT_FILE "${OUTPUT}"
                  COMMAND_ERROR_IS_FATAL ANY)
  return()
endif()

# install_gzipped(SOURCE NAME DESTINATION): installs SOURCE, compressed, as DESTINATION/NAME.
function(install_gzipped source name destination)
  set(output "${CMAKE_CURRENT_BINARY_DIR}/${name}")
  add_custom_command(
    OUTPUT "${output}"
    COMMAND "${CMAKE_COMMAND}" -DINPUT=${source} -DOUTPUT=${output}
            -P "${CMAKE_CURRENT_FUNCTION_LIST_FILE}"
    DEPENDS "${source}"
    VERBATIM)
  string(MAKE_C_IDENTIFIER "gzip_${name}" target)
  add_custom_target(${target} ALL DEPENDS "${output}")
  install(FILES "${output}" DESTINATION "${destination}")
endfunction()
