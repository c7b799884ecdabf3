# Makes a tiny sample install and runs the benchmark once on it: it must finish and print its table.
file(REMOVE_RECURSE ${DIR})
execute_process(COMMAND ${QIRADB} make-sample ${DIR} --scale tiny RESULT_VARIABLE made)
if(NOT made EQUAL 0)
    message(FATAL_ERROR "make-sample failed: ${made}")
endif()
execute_process(COMMAND ${BENCH} --install tiny=${DIR} --benchmark_min_time=0.001
                RESULT_VARIABLE ran OUTPUT_VARIABLE out ERROR_QUIET)
if(NOT ran EQUAL 0 OR NOT out MATCHES "\\| open \\| tiny")
    message(FATAL_ERROR "the benchmark failed (${ran}):\n${out}")
endif()
