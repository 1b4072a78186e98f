# Run by ctest before the tests: lists the cases of one GoogleTest program and
# registers one test per suite, each a single run of the program filtered to
# its suite. The list is made again only when the program is newer.
#
# Set by the caller: OSKEL_PROGRAM, OSKEL_EMULATOR, OSKEL_SUITES_FILE (the
# generated tests), OSKEL_CASES_FILE (every "Suite.Case", one a line),
# OSKEL_PROPERTIES (of every suite), OSKEL_FIXTURES and OSKEL_FIXTURE_SUITES
# (the suites that need the fixtures; every suite when empty) and
# OSKEL_ALONE_SUITES (suites that run with nothing beside them).

function(oskel_list_cases out)
    execute_process(COMMAND ${OSKEL_EMULATOR} ${OSKEL_PROGRAM} --gtest_list_tests
                    TIMEOUT 120 RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE error)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${OSKEL_PROGRAM} --gtest_list_tests failed (${result}):\n${output}\n${error}")
    endif()
    # Brackets would break the list; names never hold them.
    string(REPLACE ";" "" output "${output}")
    string(REPLACE "\r" "" output "${output}")
    string(REPLACE "\n" ";" lines "${output}")
    set(cases)
    set(suite)
    foreach(line IN LISTS lines)
        string(REGEX REPLACE " *#.*$" "" line "${line}")
        if(line MATCHES "^([^ ]+)\\.$")
            set(suite ${CMAKE_MATCH_1})
        elseif(line MATCHES "^  ([^ ]+)$" AND suite)
            set(case "${suite}.${CMAKE_MATCH_1}")
            if(NOT case MATCHES "DISABLED_")
                list(APPEND cases "${case}")
            endif()
        endif()
    endforeach()
    set(${out} ${cases} PARENT_SCOPE)
endfunction()

function(oskel_write_suite_tests)
    oskel_list_cases(cases)
    set(suites)
    foreach(case IN LISTS cases)
        string(REGEX REPLACE "\\.[^.]*$" "" suite "${case}")
        list(APPEND suites ${suite})
    endforeach()
    list(REMOVE_DUPLICATES suites)

    set(script)
    foreach(suite IN LISTS suites)
        set(properties ${OSKEL_PROPERTIES})
        list(FIND OSKEL_FIXTURE_SUITES ${suite} fixture_at)
        if(OSKEL_FIXTURES AND (NOT OSKEL_FIXTURE_SUITES OR fixture_at GREATER -1))
            list(APPEND properties FIXTURES_REQUIRED "${OSKEL_FIXTURES}")
        endif()
        list(FIND OSKEL_ALONE_SUITES ${suite} alone_at)
        if(alone_at GREATER -1)
            list(APPEND properties RUN_SERIAL TRUE)
        endif()
        string(APPEND script "add_test([==[${suite}]==] ${OSKEL_EMULATOR} [==[${OSKEL_PROGRAM}]==] "
                             "[==[--gtest_filter=${suite}.*]==])\n")
        string(APPEND script "set_tests_properties([==[${suite}]==] PROPERTIES")
        foreach(property IN LISTS properties)
            string(APPEND script " [==[${property}]==]")
        endforeach()
        string(APPEND script ")\n")
    endforeach()
    list(JOIN cases "\n" case_lines)
    file(WRITE "${OSKEL_CASES_FILE}" "${case_lines}\n")
    file(WRITE "${OSKEL_SUITES_FILE}" "${script}")
endfunction()

if(NOT EXISTS "${OSKEL_SUITES_FILE}" OR "${OSKEL_PROGRAM}" IS_NEWER_THAN "${OSKEL_SUITES_FILE}"
   OR "${CMAKE_CURRENT_LIST_FILE}" IS_NEWER_THAN "${OSKEL_SUITES_FILE}"
   OR "${CMAKE_PARENT_LIST_FILE}" IS_NEWER_THAN "${OSKEL_SUITES_FILE}")
    oskel_write_suite_tests()
endif()
include("${OSKEL_SUITES_FILE}")
