# Cross build for 64-bit Windows with Debian's MinGW-w64 (win32 thread model):
#   cmake -B build-win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
# scripts/build-windows passes this file and the few options the cross build
# needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TOVRIN_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TOVRIN_MINGW_PREFIX}-gcc)
set(CMAKE_CXX_COMPILER ${TOVRIN_MINGW_PREFIX}-g++)
set(CMAKE_RC_COMPILER ${TOVRIN_MINGW_PREFIX}-windres)

# Headers and libraries come from the MinGW-w64 sysroot only; programs (the
# compilers, windres) from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${TOVRIN_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Link the C and C++ runtimes into every executable. A dynamically linked
# program needs libstdc++-6.dll and libgcc_s_seh-1.dll beside it; without
# them it exits silently with code 53 under Wine.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Lets ctest in a cross build run the test executables through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
