# Runs one driver script in a fresh program folder and compares its output.
# A script that ends on a line the tool refuses keeps that refusal in NAME.stderr:
# the run must then stop with status 2 and exactly that message; any other run must
# end with status 0 and nothing on stderr, so a crash on the last line cannot pass.
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
string(REGEX REPLACE "\\.txt$" ".stderr" STDERR_FILE ${SCRIPT})
set(expected_err "")
set(expected_rc 0)
if(EXISTS ${STDERR_FILE})
  file(READ ${STDERR_FILE} expected_err)
  set(expected_rc 2)
endif()
if(NOT rc STREQUAL expected_rc OR NOT err STREQUAL expected_err)
  message(FATAL_ERROR "ended with status ${rc} (expected ${expected_rc})\n--- stderr:\n${err}\n--- expected stderr:\n${expected_err}")
endif()
