# Cross-builds for 64-bit Windows with Debian's mingw-w64, posix-thread variant
# (g++-mingw-w64-x86-64-posix: the win32 variant has no std::thread, which Qt's QThread::create needs).
# scripts/build-windows.sh chain-loads it from the Windows Qt's toolchain file; on its own
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
# builds the Qt-free core, its checks and the fake encoder.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CLIPVANE_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${CLIPVANE_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${CLIPVANE_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${CLIPVANE_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${CLIPVANE_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Programs without Qt are self-contained (Wine has no copy of the compiler's runtime DLLs); with Qt they
# share the runtime DLLs that Qt's own DLLs link, shipped beside them (CMakeLists.txt decides).

find_program(CLIPVANE_WINE NAMES wine wine64)
if(CLIPVANE_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CLIPVANE_WINE})
endif()
