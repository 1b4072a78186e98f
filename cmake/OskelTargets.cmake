# Shared build settings and the helpers that turn a list of folders into a target.

set(OSKEL_WARNINGS -Wall -Wextra)
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

# One GoogleTest program per subsystem, made of the test sources of its folders
# below tests/; every test is registered with CTest by name. FIXTURES names
# what the program's tests need made first (the sample game folder).
function(oskel_tests name)
    cmake_parse_arguments(ARG "" "" "FOLDERS;EXCLUDE;DEPENDS;FIXTURES" ${ARGN})
    list(TRANSFORM ARG_FOLDERS PREPEND tests/)
    list(TRANSFORM ARG_EXCLUDE PREPEND tests/)
    oskel_collect_sources(sources FOLDERS ${ARG_FOLDERS} EXCLUDE ${ARG_EXCLUDE})
    if(NOT sources)
        return()
    endif()
    add_executable(${name} ${sources})
    oskel_target_defaults(${name})
    target_link_libraries(${name} PRIVATE TestSupport ${ARG_DEPENDS})
    set(properties TIMEOUT 300)
    if(ARG_FIXTURES)
        list(APPEND properties FIXTURES_REQUIRED ${ARG_FIXTURES})
    endif()
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 120
        PROPERTIES ${properties})
endfunction()

# The Windows form (drive Z:) of a path of this machine, as programs under
# Wine take it on their command line.
function(oskel_windows_path out path)
    string(REPLACE "/" "\\" windows_path "Z:${path}")
    set(${out} ${windows_path} PARENT_SCOPE)
endfunction()
