# Cross build for 64-bit Windows with Debian's MinGW-w64 compilers (the POSIX-threads variant,
# package g++-mingw-w64-x86-64-posix). Used to check that the Windows platform layer builds.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TALLIES_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_CXX_COMPILER ${TALLIES_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TALLIES_MINGW_TRIPLE}-windres)

# Headers and libraries come from the MinGW-w64 tree only; build tools from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${TALLIES_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
