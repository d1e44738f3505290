# Cross-compiling the logic core and its tests for 64-bit Windows with Debian's mingw-w64.
# The POSIX threading flavour of the compilers carries std::thread and std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(LUMBRIX_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${LUMBRIX_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LUMBRIX_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${LUMBRIX_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${LUMBRIX_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The compiler's own run-time (libgcc, libstdc++, winpthread) goes into each program, so that
# it starts on a bare Windows, or Wine, without DLLs copied beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Programs built here run under Wine: CTest and gtest_discover_tests call them through the
# wine-run script, which keeps a Wine prefix of its own inside the build folder.
set(CMAKE_CROSSCOMPILING_EMULATOR
    env WINEPREFIX=${CMAKE_BINARY_DIR}/wine ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
