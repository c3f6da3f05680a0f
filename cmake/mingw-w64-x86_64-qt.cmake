# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (POSIX thread model)
# against the shared Qt that scripts/windows-qt builds. Unlike the toolchain of the
# toolkit-free build, nothing is linked statically: Qt's DLLs and the game share the
# MinGW run-time DLLs, which the deploy folder carries.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TOLMIR_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TOLMIR_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOLMIR_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TOLMIR_MINGW_TRIPLET}-windres)

list(APPEND CMAKE_FIND_ROOT_PATH /usr/${TOLMIR_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
