# Cross build for 64-bit Windows with Debian's MinGW-w64 compilers (the POSIX-threads variant,
# package g++-mingw-w64-x86-64-posix). Test programs run under Wine through cmake/wine-run.sh.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TALLIES_MINGW_TRIPLE x86_64-w64-mingw32)
# GoogleTest, built from its sources in the cross build, is a C and C++ project.
set(CMAKE_C_COMPILER ${TALLIES_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TALLIES_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TALLIES_MINGW_TRIPLE}-windres)

# Every program links the C and C++ runtimes and winpthreads statically, so a program is one
# .exe that needs no DLL beside it, on Windows and under Wine alike.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# CTest and custom commands run the cross-built programs under Wine.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
endif()

# Headers and libraries come from the MinGW-w64 tree only; build tools from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${TALLIES_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
