# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (POSIX thread model,
# package g++-mingw-w64-x86-64-posix). Executables are linked statically, so they
# need no MinGW DLLs, and CTest runs them under Wine through scripts/wine-run.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TOLMIR_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TOLMIR_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOLMIR_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TOLMIR_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TOLMIR_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
