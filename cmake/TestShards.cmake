# A GoogleTest executable as a few ctest entries, each running one shard of
# its cases in one process. Starting a sanitized process per case cost more
# than the cases themselves; a handful of shards keeps both cores busy.
# Each shard writes its cases to test-results/ for the summary of make test.
# One case alone: the executable with --gtest_filter.
function(lumigrab_add_test_shards target shards)
    math(EXPR last "${shards} - 1")
    foreach(index RANGE ${last})
        set(name "${target}.shard-${index}-of-${shards}")
        add_test(NAME ${name}
            COMMAND $<TARGET_FILE:${target}> --gtest_brief=1 --gtest_color=no
                "--gtest_output=json:${CMAKE_BINARY_DIR}/test-results/${name}.json"
            WORKING_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}")
        set_tests_properties(${name} PROPERTIES TIMEOUT 600
            ENVIRONMENT "GTEST_TOTAL_SHARDS=${shards};GTEST_SHARD_INDEX=${index}")
    endforeach()
endfunction()
