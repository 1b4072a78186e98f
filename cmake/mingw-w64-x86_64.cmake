# Cross-build for Windows x86-64 with the posix-thread mingw-w64 compilers.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(OSKEL_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   ${OSKEL_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${OSKEL_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${OSKEL_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${OSKEL_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# No runtime DLLs next to the programs: everything is linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT    "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
