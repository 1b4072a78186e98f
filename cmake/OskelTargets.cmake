# Shared build settings and the helpers that turn a list of folders into a target.

set(OSKEL_WARNINGS -Wall -Wextra -Wshadow -Wduplicated-cond -Wduplicated-branches -Wlogical-op -Wcast-qual
                    -Wsuggest-override)
set(OSKEL_CHARSET  -finput-charset=UTF-8 -fexec-charset=CP950)

# Settings every target of our own gets.
function(oskel_target_defaults target)
    target_compile_options(${target} PRIVATE ${OSKEL_WARNINGS} ${OSKEL_CHARSET})
    target_compile_definitions(${target} PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()

# Collects the sources below FOLDERS, leaving out the files and folders named in EXCLUDE.
function(oskel_collect_sources out)
    cmake_parse_arguments(ARG "" "" "FOLDERS;EXCLUDE" ${ARGN})
    set(sources)
    foreach(folder IN LISTS ARG_FOLDERS)
        file(GLOB_RECURSE found CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/${folder}/*.cpp ${PROJECT_SOURCE_DIR}/${folder}/*.c)
        list(APPEND sources ${found})
    endforeach()
    foreach(folder IN LISTS ARG_EXCLUDE)
        list(FILTER sources EXCLUDE REGEX "^${PROJECT_SOURCE_DIR}/${folder}(/|$)")
    endforeach()
    set(${out} ${sources} PARENT_SCOPE)
endfunction()

# One static library per subsystem, made of the sources of its folders. A
# subsystem that has no sources yet is an interface target, so its users link
# against it from the start.
function(oskel_library name)
    cmake_parse_arguments(ARG "" "" "FOLDERS;EXCLUDE;LIBS;DEPENDS" ${ARGN})
    oskel_collect_sources(sources FOLDERS ${ARG_FOLDERS} EXCLUDE ${ARG_EXCLUDE})
    if(NOT sources)
        add_library(${name} INTERFACE)
        target_link_libraries(${name} INTERFACE ${ARG_DEPENDS} ${ARG_LIBS})
        return()
    endif()
    add_library(${name} STATIC ${sources})
    oskel_target_defaults(${name})
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS} ${ARG_LIBS})
endfunction()

# Where the test run lists every case of each test program, for tools/bench.
set(OSKEL_CASES_FOLDER ${CMAKE_BINARY_DIR}/tests/cases)

# One GoogleTest program per subsystem, made of the test sources of its folders
# below tests/. Each test suite is one CTest test (one start of the program),
# named after the suite; the cases are listed when ctest starts.
#   FIXTURES        what the tests need made first (the sample game folder)
#   FIXTURE_SUITES  the suites that need FIXTURES; every suite when not given
#   ALONE_FOLDERS   folders whose suites run with no other test beside them
#                   (real input through the one X display's pointer and focus)
function(oskel_tests name)
    cmake_parse_arguments(ARG "" "" "FOLDERS;EXCLUDE;DEPENDS;FIXTURES;FIXTURE_SUITES;ALONE_FOLDERS" ${ARGN})
    list(TRANSFORM ARG_FOLDERS PREPEND tests/)
    list(TRANSFORM ARG_EXCLUDE PREPEND tests/)
    list(TRANSFORM ARG_ALONE_FOLDERS PREPEND tests/)
    oskel_collect_sources(sources FOLDERS ${ARG_FOLDERS} EXCLUDE ${ARG_EXCLUDE})
    if(NOT sources)
        return()
    endif()
    add_executable(${name} ${sources})
    oskel_target_defaults(${name})
    # Test code needs no deep optimisation (the code under test keeps it), and
    # every test source opens with the same heavy headers: both halve the
    # build of the test programs.
    target_compile_options(${name} PRIVATE -O1)
    target_precompile_headers(${name} PRIVATE <windows.h> <gtest/gtest.h> <map> <memory> <string> <vector>)
    target_link_libraries(${name} PRIVATE TestSupport ${ARG_DEPENDS})
    oskel_suites_of(alone_suites FOLDERS ${ARG_ALONE_FOLDERS})

    set(suites_file ${CMAKE_CURRENT_BINARY_DIR}/${name}_suites.cmake)
    set(include_file ${CMAKE_CURRENT_BINARY_DIR}/${name}_include.cmake)
    file(GENERATE OUTPUT ${include_file} CONTENT
"if(EXISTS [==[$<TARGET_FILE:${name}>]==])
    set(OSKEL_PROGRAM [==[$<TARGET_FILE:${name}>]==])
    set(OSKEL_EMULATOR [==[${CMAKE_CROSSCOMPILING_EMULATOR}]==])
    set(OSKEL_SUITES_FILE [==[${suites_file}]==])
    set(OSKEL_CASES_FILE [==[${OSKEL_CASES_FOLDER}/${name}.txt]==])
    set(OSKEL_PROPERTIES [==[TIMEOUT;600]==])
    set(OSKEL_FIXTURES [==[${ARG_FIXTURES}]==])
    set(OSKEL_FIXTURE_SUITES [==[${ARG_FIXTURE_SUITES}]==])
    set(OSKEL_ALONE_SUITES [==[${alone_suites}]==])
    include([==[${PROJECT_SOURCE_DIR}/cmake/OskelSuiteTests.cmake]==])
else()
    add_test(${name}_NOT_BUILT ${name}_NOT_BUILT)
endif()
")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${include_file})
endfunction()

# The test suites that the test sources below FOLDERS define.
function(oskel_suites_of out)
    cmake_parse_arguments(ARG "" "" "FOLDERS" ${ARGN})
    oskel_collect_sources(sources FOLDERS ${ARG_FOLDERS})
    set(suites)
    foreach(source IN LISTS sources)
        file(STRINGS ${source} lines REGEX "^[ \t]*(TYPED_)?TEST(_F|_P)?[ \t]*\\(")
        foreach(line IN LISTS lines)
            if(line MATCHES "\\([ \t]*([A-Za-z0-9_]+)")
                list(APPEND suites ${CMAKE_MATCH_1})
            endif()
        endforeach()
    endforeach()
    list(REMOVE_DUPLICATES suites)
    set(${out} ${suites} PARENT_SCOPE)
endfunction()

# The Windows form (drive Z:) of a path of this machine, as programs under
# Wine take it on their command line.
function(oskel_windows_path out path)
    string(REPLACE "/" "\\" windows_path "Z:${path}")
    set(${out} ${windows_path} PARENT_SCOPE)
endfunction()
