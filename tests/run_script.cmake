# Runs one driver script in a fresh program folder and compares its output.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
# NAME.files/, when present, is what the program folder holds before the run.
string(REGEX REPLACE "\\.txt$" ".files" FILES ${SCRIPT})
if(IS_DIRECTORY ${FILES})
  file(COPY ${FILES}/ DESTINATION ${WORK})
endif()
execute_process(COMMAND ${TOOL} run --folder ${WORK} ${SCRIPT}
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
file(READ ${EXPECTED} expected)
if(NOT out STREQUAL expected)
  file(WRITE ${WORK}/actual.txt "${out}")
  message(FATAL_ERROR "output differs from ${EXPECTED}\n--- got (${WORK}/actual.txt):\n${out}\n--- stderr:\n${err}")
endif()
