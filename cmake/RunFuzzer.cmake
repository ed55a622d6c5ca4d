# Runs one libFuzzer target for SECONDS seconds over a scratch copy of its seed corpus.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
# libFuzzer cuts inputs past 1 MiB unless told otherwise; a seed larger than that (a whole
# inflated skin package) is kept whole.
set(max_len 1048576)
if(EXISTS ${SEEDS})
  file(GLOB seeds ${SEEDS}/*)
  if(seeds)
    file(COPY ${seeds} DESTINATION ${WORK})
  endif()
  foreach(seed ${seeds})
    file(SIZE ${seed} size)
    if(size GREATER max_len)
      set(max_len ${size})
    endif()
  endforeach()
endif()
execute_process(
  COMMAND ${FUZZER} -max_total_time=${SECONDS} -print_final_stats=1 -rss_limit_mb=2048
          -max_len=${max_len} -artifact_prefix=${WORK}/ ${WORK}
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "fuzzer ${FUZZER} failed with ${rc}; the crashing input is in ${WORK}")
endif()
