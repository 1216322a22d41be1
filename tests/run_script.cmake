# Runs one driver script in a fresh program folder and compares its output.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${TOOL} run --folder ${WORK} ${SCRIPT}
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
file(READ ${EXPECTED} expected)
if(NOT out STREQUAL expected)
  file(WRITE ${WORK}/actual.txt "${out}")
  message(FATAL_ERROR "output differs from ${EXPECTED}\n--- got (${WORK}/actual.txt):\n${out}\n--- stderr:\n${err}")
endif()
