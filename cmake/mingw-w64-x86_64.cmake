# Cross-compiles for 64-bit Windows with MinGW-w64 on Debian:
#
#   cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#     -DVANDREL_GTEST_SOURCES=/usr/src/googletest
#
# The -posix compilers are needed: their thread model gives GoogleTest its std::mutex. Programs
# are linked with -static, so no MinGW DLL has to travel with vandrel.exe. When Wine is found,
# ctest runs the Windows test programs under it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VANDREL_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VANDREL_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VANDREL_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VANDREL_MINGW_TRIPLE}-windres)

# Headers, libraries and packages come from the cross environment only; programs from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${VANDREL_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

find_program(VANDREL_WINE NAMES wine wine64)
if(VANDREL_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${VANDREL_WINE})
endif()
