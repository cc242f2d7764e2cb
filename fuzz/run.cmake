# One fuzzer run over a fresh copy of the seed corpus in WORK: libFuzzer adds the inputs it finds
# to its first corpus folder, so the seeds in the tree are never written. A crash, a leak, a
# timeout or a sanitizer report ends the fuzzer with a failing status; its log and the input that
# failed stay in WORK. PIGMENTA_FUZZ_SECONDS in the environment sets the length (10 s).
set(seconds 10)
if(DEFINED ENV{PIGMENTA_FUZZ_SECONDS})
    set(seconds $ENV{PIGMENTA_FUZZ_SECONDS})
endif()
set(dict)
if(EXISTS ${DICT})
    set(dict -dict=${DICT})
endif()

file(REMOVE_RECURSE ${WORK})
file(COPY ${SEEDS}/ DESTINATION ${WORK}/corpus)
execute_process(COMMAND ${FUZZER} -seed=1 -max_total_time=${seconds} -timeout=10
                        -artifact_prefix=${WORK}/ ${dict} ${WORK}/corpus
                ERROR_FILE ${WORK}/log RESULT_VARIABLE status)

file(READ ${WORK}/log log)
if(NOT status EQUAL 0)
    string(LENGTH "${log}" length)
    if(length GREATER 10000)
        math(EXPR from "${length} - 10000")
        string(SUBSTRING "${log}" ${from} -1 log)
    endif()
    message("${log}")
    message(FATAL_ERROR "${FUZZER} failed (${status}): its log and the failing input are in ${WORK}")
endif()
string(REGEX MATCH "#[0-9]+[ \t]+DONE[^\n]*" done "${log}")
string(REGEX MATCH "Done [0-9]+ runs[^\n]*" runs "${log}")
message("${done}\n${runs}")
