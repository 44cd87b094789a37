# Cross build for 32-bit Windows (the host's own platform) with MinGW-w64.
set(QUILLANE_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
