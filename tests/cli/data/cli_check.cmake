# Runs ashtally-cli and compares what it prints with what is expected. Used two ways:
#
# Included by the tests/cli/*.cmake files, it defines
#   ashtally_add_cli_test(<test name> [EXPECT <one line> | EXPECT_FILE <file>]
#                         [STATUS <exit status, default 0>] [ERROR <regex for stderr>]
#                         [ENV <VAR=value>...] ARGS <word>...)
# which registers a test running the real program with the words.
#
# Run as a script, it is that test:
#   cmake -DCLI=<program> [-DEXPECTED=<line> | -DEXPECTED_FILE=<file>] [-DEXPECTED_STATUS=<n>]
#         [-DEXPECTED_ERROR=<regex>] -P cli_check.cmake -- <word>...
# A line is expected to be printed followed by one line break; a file holds the exact bytes.

if(NOT CMAKE_SCRIPT_MODE_FILE)
    include_guard(GLOBAL)
    set(ASHTALLY_CLI_CHECK ${CMAKE_CURRENT_LIST_FILE})

    function(ashtally_add_cli_test name)
        cmake_parse_arguments(PARSE_ARGV 1 T "" "EXPECT;EXPECT_FILE;STATUS;ERROR" "ENV;ARGS")
        set(defines -DCLI=$<TARGET_FILE:ashtally-cli>)
        if(DEFINED T_EXPECT)
            list(APPEND defines "-DEXPECTED=${T_EXPECT}")
        endif()
        if(DEFINED T_EXPECT_FILE)
            list(APPEND defines "-DEXPECTED_FILE=${T_EXPECT_FILE}")
        endif()
        if(DEFINED T_STATUS)
            list(APPEND defines "-DEXPECTED_STATUS=${T_STATUS}")
        endif()
        if(DEFINED T_ERROR)
            list(APPEND defines "-DEXPECTED_ERROR=${T_ERROR}")
        endif()
        add_test(NAME ${name}
                 COMMAND ${CMAKE_COMMAND} ${defines} -P ${ASHTALLY_CLI_CHECK} -- ${T_ARGS})
        # The settings given last win over the common ones.
        set_tests_properties(${name} PROPERTIES
            ENVIRONMENT "${ASHTALLY_TEST_ENVIRONMENT};${T_ENV}")
    endfunction()
    return()
endif()

set(words)
set(after_dashes FALSE)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(i RANGE ${last})
    if(after_dashes)
        list(APPEND words "${CMAKE_ARGV${i}}")
    elseif("${CMAKE_ARGV${i}}" STREQUAL "--")
        set(after_dashes TRUE)
    endif()
endforeach()

execute_process(COMMAND ${CLI} ${words}
                OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)

if(NOT DEFINED EXPECTED_STATUS)
    set(EXPECTED_STATUS 0)
endif()
if(NOT "${status}" STREQUAL "${EXPECTED_STATUS}")
    message(FATAL_ERROR "exit status ${status}, expected ${EXPECTED_STATUS}\n"
                        "stdout: [${output}]\nstderr: [${errors}]")
endif()

if(DEFINED EXPECTED_FILE)
    file(READ ${EXPECTED_FILE} expected)
elseif(DEFINED EXPECTED)
    set(expected "${EXPECTED}\n")
else()
    set(expected "")
endif()
if(NOT "${output}" STREQUAL "${expected}")
    message(FATAL_ERROR "stdout differs\nexpected: [${expected}]\nprinted:  [${output}]\n"
                        "stderr: [${errors}]")
endif()

if(DEFINED EXPECTED_ERROR)
    if(NOT "${errors}" MATCHES "${EXPECTED_ERROR}")
        message(FATAL_ERROR "stderr [${errors}] does not match [${EXPECTED_ERROR}]")
    endif()
elseif(NOT "${errors}" STREQUAL "")
    message(FATAL_ERROR "unexpected stderr: [${errors}]")
endif()
