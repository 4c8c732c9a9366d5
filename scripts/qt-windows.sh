# Sourced by the scripts that make or use Qt for Windows: where it is and how it is configured.
# Qt is built once from Debian's source packages of the host's own Qt version (the host's moc, rcc
# and uic generate its code) and kept outside the tree, in a folder named by that version and a
# hash of everything that goes into it, so a change of sources, compiler or options makes a new one.

qt_windows_repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
qt_windows_cache=${XDG_CACHE_HOME:-$HOME/.cache}/configurator
# The source packages: the versions of the host's Qt 6 packages, so the host tools match.
qt_windows_base_source=qt6-base
qt_windows_serialport_source=qt6-serialport
qt_windows_base_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev-tools 2>/dev/null || true)
qt_windows_serialport_version=$(dpkg-query -W -f='${source:Version}' qt6-serialport-dev 2>/dev/null || true)
qt_windows_compiler_version=$(dpkg-query -W -f='${Version}' g++-mingw-w64-x86-64-posix 2>/dev/null || true)
qt_windows_toolchain=$qt_windows_repo/cmake/mingw-w64-x86_64-compilers.cmake

# Release, shared libraries (the user may replace the LGPL libraries), Qt's bundled zlib, libpng,
# freetype, harfbuzz and pcre2, software raster painting. Off: what the program does not use, and
# tablet events, whose Windows header Debian's source leaves out; dynamic OpenGL goes with OpenGL.
qt_windows_base_options=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF
    -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_vulkan=OFF -DFEATURE_tabletevent=OFF
    -DFEATURE_dbus=OFF -DFEATURE_sql=OFF -DFEATURE_xml=OFF -DFEATURE_openssl=OFF -DFEATURE_ssl=OFF
    -DFEATURE_schannel=OFF -DFEATURE_networklistmanager=OFF -DFEATURE_direct2d=OFF
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_icu=OFF -DFEATURE_zstd=OFF
    -DFEATURE_androiddeployqt=OFF
)
qt_windows_key=$(
    {
        echo "$qt_windows_base_source $qt_windows_base_version"
        echo "$qt_windows_serialport_source $qt_windows_serialport_version"
        echo "g++-mingw-w64-x86-64-posix $qt_windows_compiler_version"
        printf '%s\n' "${qt_windows_base_options[@]}"
        cat "$qt_windows_toolchain"
    } | sha256sum | cut -c1-12
)
qt_windows_version=${qt_windows_base_version%%+*}
# Where Qt for Windows is installed; the file "complete" in it says the build ended.
qt_windows_prefix=$qt_windows_cache/qt-$qt_windows_version-windows-$qt_windows_key
qt_windows_complete=$qt_windows_prefix/complete

# The MinGW runtime's DLLs that Qt and the programs linking it load, one path a line.
qt_windows_runtime_dlls() {
    local dll
    for dll in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
        realpath "$(x86_64-w64-mingw32-g++-posix -print-file-name="$dll")"
    done
}
