# Runs one libFuzzer target for SECONDS on a scratch copy of its seed corpus
# in WORK_DIR, so that what it adds stays out of the repository. A finding
# fails the test and is kept in FINDINGS_DIR.
# cmake -D FUZZER=... -D MAX_LEN=... -D SECONDS=... -D CORPUS=... -D WORK_DIR=...
#       -D FINDINGS_DIR=... -P runfuzzer.cmake
get_filename_component(name "${FUZZER}" NAME)
set(corpus "${WORK_DIR}/${name}")
file(REMOVE_RECURSE "${corpus}")
file(COPY "${CORPUS}/" DESTINATION "${corpus}")
file(MAKE_DIRECTORY "${FINDINGS_DIR}")

execute_process(COMMAND "${FUZZER}" "${corpus}" -max_total_time=${SECONDS} -max_len=${MAX_LEN} -timeout=10
        -artifact_prefix=${FINDINGS_DIR}/${name}-
    RESULT_VARIABLE result OUTPUT_VARIABLE log ERROR_VARIABLE log)
file(WRITE "${WORK_DIR}/${name}.log" "${log}")
if(NOT result EQUAL 0)
    # The run's statistics say nothing about the finding: from its report on.
    string(REGEX MATCH "(Property violated|ERROR: |runtime error).*" finding "${log}")
    message("${finding}")
    message(FATAL_ERROR "${name}: FINDING (log: ${WORK_DIR}/${name}.log)\n"
        "Replay: build/fuzz/fuzz/${name} FILE; once fixed, the input goes into fuzz/corpus/${name}/")
endif()
