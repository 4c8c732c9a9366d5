# Cross build for 64-bit Windows with Debian's mingw-w64: cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake.
# pugixml comes from third_party/. The desktop program builds when Qt for Windows is given with
# -DCONFIGURATOR_WINDOWS_QT=<its folder> and -DCONFIGURATOR_BUILD_GUI=ON (scripts/cross-windows does,
# once scripts/build-qt-windows has made it); otherwise only the core and the command-line tool.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64-compilers.cmake)

# Qt for Windows is kept outside the toolchain's folder, so the package search must reach it too.
set(CMAKE_TRY_COMPILE_PLATFORM_VARIABLES CONFIGURATOR_WINDOWS_QT)
if(CONFIGURATOR_WINDOWS_QT)
    list(APPEND CMAKE_FIND_ROOT_PATH ${CONFIGURATOR_WINDOWS_QT})
endif()

set(CONFIGURATOR_BUNDLED_PUGIXML ON CACHE BOOL "Build the pugixml of third_party/")
set(CONFIGURATOR_BUILD_GUI OFF CACHE BOOL "Build the Qt program")
