# Runs one libFuzzer target for SECONDS seconds over a scratch copy of its seed corpus.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
if(EXISTS ${SEEDS})
  file(GLOB seeds ${SEEDS}/*)
  if(seeds)
    file(COPY ${seeds} DESTINATION ${WORK})
  endif()
endif()
execute_process(
  COMMAND ${FUZZER} -max_total_time=${SECONDS} -print_final_stats=1 -rss_limit_mb=2048
          -artifact_prefix=${WORK}/ ${WORK}
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "fuzzer ${FUZZER} failed with ${rc}; the crashing input is in ${WORK}")
endif()
