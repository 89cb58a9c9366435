# Cross-builds for 64-bit Windows with Debian's mingw-w64 (g++-mingw-w64-x86-64-win32):
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
# Without a Windows Qt this builds the Qt-free core, its checks and the fake encoder; ctest runs the
# checks under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CLIPVANE_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${CLIPVANE_MINGW_PREFIX}-gcc-win32)
set(CMAKE_CXX_COMPILER ${CLIPVANE_MINGW_PREFIX}-g++-win32)
set(CMAKE_RC_COMPILER ${CLIPVANE_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${CLIPVANE_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Self-contained programs: Wine has no copy of the compiler's runtime DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

find_program(CLIPVANE_WINE NAMES wine wine64)
if(CLIPVANE_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CLIPVANE_WINE})
endif()
