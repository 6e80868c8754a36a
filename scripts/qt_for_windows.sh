#!/usr/bin/env bash
# Builds Qt for 64-bit Windows (Core, Gui, Widgets, Test and the Windows platform and style
# plug-ins) with mingw-w64, from the distribution's own source of the host Qt's version, whose
# tools (moc, rcc, uic) the cross build uses. Installed once into a cache folder outside the
# clone, keyed by Qt version and compiler; later runs find it there and only print its path.
#   scripts/qt_for_windows.sh        prints the install folder (the last line of its output)
set -euo pipefail
cd "$(dirname "$0")/.."
tree=$PWD
triplet=x86_64-w64-mingw32

./scripts/install_deps.sh g++-mingw-w64-x86-64-posix dpkg-dev xz-utils
qt_version=$(dpkg-query -W -f='${source:Upstream-Version}' qt6-base-dev)
qt_version=${qt_version%%+*}
source_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
compiler_version=$("$triplet-g++-posix" -dumpversion)
cache=${PIXADOR_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/pixador}
prefix=$cache/qt-$qt_version-$triplet-gcc$compiler_version

if [ -f "$prefix/.complete" ] && [ -f "$prefix/licenses/qt/SOURCE.txt" ]; then
    echo "$prefix"
    exit 0
fi

# The source through a private apt setup: its own deb-src list, derived from the archive the
# system's apt uses, and its own lists and cache, so the system's apt setup is never touched.
work=$cache/qt-$qt_version-work
apt_dir=$work/apt
mkdir -p "$apt_dir/lists/partial" "$apt_dir/archives/partial" "$work"
archive=$(./scripts/debian_archive.sh)
. /etc/os-release
echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $archive $VERSION_CODENAME main" \
    >"$apt_dir/sources.list"
apt_options=(-o "Dir::Etc::SourceList=$apt_dir/sources.list" -o "Dir::Etc::SourceParts=$apt_dir/none"
             -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir" -o "Dir::Cache::archives=$apt_dir/archives" -o APT::Sandbox::User=root)
source_dir=$(find "$work" -maxdepth 1 -type d -name "qt6-base-*" | head -n 1)
if [ -z "$source_dir" ] || [ ! -f "$source_dir/CMakeLists.txt" ]; then
    echo "Fetching the source of qt6-base $source_version"
    apt-get "${apt_options[@]}" update -q >/dev/null
    (cd "$work" && apt-get "${apt_options[@]}" source -q qt6-base="$source_version" >/dev/null)
    source_dir=$(find "$work" -maxdepth 1 -type d -name "qt6-base-*" | head -n 1)
fi

if [ ! -f "$prefix/.complete" ]; then
    echo "Configuring Qt $qt_version for Windows in $work/build"
    start=$(date +%s)
    # The bundled zlib, libpng, freetype, harfbuzz and pcre2: nothing of the build machine's is
    # linked into a Windows program. Tablet input needs the wintab header, which the
    # distribution's source leaves out for its licence.
    cmake -S "$source_dir" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$tree/cmake/mingw-w64-x86_64.cmake" -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF \
        -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF \
        -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF \
        -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF \
        -DFEATURE_tabletevent=OFF -DFEATURE_dynamicgl=OFF \
        >"$work/configure.log" 2>&1 || { tail -30 "$work/configure.log"; exit 1; }
    echo "Building Qt (about $(ninja -C "$work/build" -t targets all 2>/dev/null | grep -c '\.obj:') compile steps)"
    cmake --build "$work/build" --parallel "$(nproc)" -- -k 0 >"$work/build.log" 2>&1 || { tail -30 "$work/build.log"; exit 1; }
    cmake --install "$work/build" >"$work/install.log" 2>&1 || { tail -30 "$work/install.log"; exit 1; }
    touch "$prefix/.complete"
    echo "Qt $qt_version for Windows built in $(( ($(date +%s) - start) / 60 )) min"
fi

# What a redistributor must ship beside Qt's DLLs: Qt's licences, each bundled library's notice,
# and the notices of the compiler runtime linked into every program (winpthreads among it).
licenses=$prefix/licenses
mkdir -p "$licenses/qt" "$licenses/compiler-runtime"
cp "$source_dir"/LICENSES/{LGPL-3.0-only,GPL-3.0-only,GPL-2.0-only}.txt "$licenses/qt/"
for library in "$source_dir"/src/3rdparty/*/qt_attribution.json; do
    folder=$(dirname "$library")
    notices=$(find "$folder" -maxdepth 1 -type f \( -iname '*licen[cs]e*' -o -iname 'copying*' \))
    [ -n "$notices" ] || continue
    mkdir -p "$licenses/qt/3rdparty/${folder##*/}"
    cp $notices "$library" "$licenses/qt/3rdparty/${folder##*/}/"
done
cp /usr/share/doc/mingw-w64-common/copyright "$licenses/compiler-runtime/mingw-w64.txt"
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$licenses/compiler-runtime/gcc.txt"
echo "qt6-base $source_version, the Debian source package, built for $triplet with $triplet-g++-posix $compiler_version" \
    >"$licenses/qt/SOURCE.txt"
echo "$prefix"
