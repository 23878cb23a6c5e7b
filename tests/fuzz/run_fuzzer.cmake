# Runs a libFuzzer target on a copy of its seed corpus, so that the inputs it
# adds and any crash artifact land in the build tree, not in the sources.
# Variables: FUZZER (executable), CORPUS (seed folder), WORK (scratch folder), RUNS.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${CORPUS}/ DESTINATION ${WORK}/corpus)
execute_process(
  COMMAND ${FUZZER} -runs=${RUNS} -seed=1 -artifact_prefix=${WORK}/ ${WORK}/corpus
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FUZZER} failed (${result}); artifacts in ${WORK}")
endif()
