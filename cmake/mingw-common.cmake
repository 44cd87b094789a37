# Shared part of the MinGW-w64 toolchain files: QUILLANE_MINGW_TRIPLET names
# the target. The win32 thread model is used, so that nothing needs the
# winpthread DLL.
set(CMAKE_SYSTEM_NAME Windows)
if(QUILLANE_MINGW_TRIPLET MATCHES "^i686")
  set(CMAKE_SYSTEM_PROCESSOR x86)
else()
  set(CMAKE_SYSTEM_PROCESSOR AMD64)
endif()

find_program(CMAKE_CXX_COMPILER NAMES ${QUILLANE_MINGW_TRIPLET}-g++-win32 ${QUILLANE_MINGW_TRIPLET}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${QUILLANE_MINGW_TRIPLET}-windres REQUIRED)
find_program(CMAKE_OBJDUMP NAMES ${QUILLANE_MINGW_TRIPLET}-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${QUILLANE_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config must not offer the build machine's libraries to a Windows build.
set(ENV{PKG_CONFIG_LIBDIR} /usr/${QUILLANE_MINGW_TRIPLET}/lib/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")
