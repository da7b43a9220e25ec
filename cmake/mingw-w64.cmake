# Cross-compiling the core for 64-bit Windows with MinGW-w64 (Debian: g++-mingw-w64-x86-64-posix);
# the test binary runs under wine64 (Debian: wine64).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
find_program(DRAWSMITH_WINE NAMES wine64 wine PATHS /usr/lib/wine)
if(DRAWSMITH_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${DRAWSMITH_WINE})
endif()
# The MinGW runtime (libstdc++, libgcc, winpthread) linked in, so the .exe runs without its DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
