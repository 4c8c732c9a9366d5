# Cross build for 64-bit Windows with Debian's mingw-w64 (posix threads, for std::thread and
# std::mutex): cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake. Qt is not available for
# this toolchain, so only the core and the command-line tool build; pugixml comes from third_party/.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triplet}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The runtime (libstdc++, libgcc, winpthread) goes into each program, so a copied .exe runs alone.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

set(CONFIGURATOR_BUNDLED_PUGIXML ON CACHE BOOL "Build the pugixml of third_party/")
set(CONFIGURATOR_BUILD_GUI OFF CACHE BOOL "Build the Qt program")
