# Cross build for 64-bit Windows with the POSIX-threads flavour of mingw-w64. The names
# are Debian's; another system's mingw-w64 is chosen with -D at the first configure.
set(VESKOR_MINGW_C_COMPILER x86_64-w64-mingw32-gcc-posix CACHE STRING "mingw-w64 C compiler")
set(VESKOR_MINGW_CXX_COMPILER x86_64-w64-mingw32-g++-posix CACHE STRING "mingw-w64 C++ compiler")
set(VESKOR_MINGW_RC_COMPILER x86_64-w64-mingw32-windres CACHE STRING "mingw-w64 resource compiler")
set(VESKOR_MINGW_SYSROOT /usr/x86_64-w64-mingw32 CACHE PATH "mingw-w64 headers and libraries")
# CMake's own test projects read this file again; they must see the same choices.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES
  VESKOR_MINGW_C_COMPILER VESKOR_MINGW_CXX_COMPILER VESKOR_MINGW_RC_COMPILER VESKOR_MINGW_SYSROOT)

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER ${VESKOR_MINGW_C_COMPILER})
set(CMAKE_CXX_COMPILER ${VESKOR_MINGW_CXX_COMPILER})
set(CMAKE_RC_COMPILER ${VESKOR_MINGW_RC_COMPILER})
set(CMAKE_FIND_ROOT_PATH ${VESKOR_MINGW_SYSROOT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
