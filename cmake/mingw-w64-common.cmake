# Shared by the mingw-w64 toolchain files, which set PIXADOR_MINGW_TRIPLET first.
set(CMAKE_C_COMPILER ${PIXADOR_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PIXADOR_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${PIXADOR_MINGW_TRIPLET}-windres)
set(CMAKE_OBJDUMP ${PIXADOR_MINGW_TRIPLET}-objdump)

# A Qt built for Windows outside the compiler's own root (given as CMAKE_PREFIX_PATH) is a root
# of its own, so its packages are found while the host's stay out.
set(CMAKE_FIND_ROOT_PATH /usr/${PIXADOR_MINGW_TRIPLET} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The compiler's own runtime linked in, so each .exe and .dll runs without libgcc, libstdc++ or
# winpthread DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")
