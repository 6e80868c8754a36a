# Cross build for 32-bit Windows with Debian's mingw-w64 (g++-mingw-w64-i686-posix): plugrun
# and the plug-ins, whose exports use the standard calling convention there.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(PIXADOR_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
