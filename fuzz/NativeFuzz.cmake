# What the native fuzzing builds share, included by each fuzz folder's
# CMakeLists.txt: C++20, `root` (the repository), `shim` (the small Win32 of
# fuzz/shim), FuzzFlags (clang's sanitizers and the fuzzer's coverage), and
# two helpers.

set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
get_filename_component(root ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
set(shim ${root}/fuzz/shim)
set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all)
# The checkout's path stays out of the programs: its length moves the data the
# code under test orders by address, and so a fixed-seed run's path.
set(CMAKE_CXX_COMPILER_LAUNCHER ${root}/fuzz/relative-paths)
# The debug information names the build folder "." for the same reason: the
# functions libFuzzer reports as newly covered are named with their source
# paths, and the lengths of those texts move its allocations.
set(debug_paths -fdebug-compilation-dir=.)

add_library(FuzzFlags INTERFACE)
target_include_directories(FuzzFlags INTERFACE ${root})
target_compile_options(FuzzFlags INTERFACE -Wall -Wextra -Wshadow -g -O1 -fno-omit-frame-pointer -fsanitize=fuzzer-no-link
                       ${sanitizers} ${debug_paths})
target_link_options(FuzzFlags INTERFACE ${sanitizers})

# The template system on the shim, as TemplateSystemNative; the registry
# wrapper has no place on Linux.
function(oskel_native_template_system)
    file(GLOB sources CONFIGURE_DEPENDS ${root}/TemplateSystem/*.cpp)
    list(FILTER sources EXCLUDE REGEX "/JC_Register\\.cpp$")
    add_library(TemplateSystemNative STATIC ${sources} ${shim}/PosixWin32.cpp)
    target_include_directories(TemplateSystemNative PUBLIC ${shim}/include)
    target_link_libraries(TemplateSystemNative PUBLIC FuzzFlags)
endfunction()

# A libFuzzer program made of SOURCES over LIBRARY (default: the native
# template system); the folder's own "include" (stand-ins for headers) comes
# first where it exists.
function(oskel_fuzz_target name)
    cmake_parse_arguments(ARG "" "LIBRARY" "SOURCES" ${ARGN})
    if(NOT ARG_LIBRARY)
        set(ARG_LIBRARY TemplateSystemNative)
    endif()
    add_executable(${name} ${ARG_SOURCES})
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/include)
        target_include_directories(${name} BEFORE PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/include)
    endif()
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARY})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
endfunction()
