#!/usr/bin/env bash
# Pixador for Windows, cross-built with mingw-w64 and tested under Wine:
#   build-windows/    64-bit: the model, pxdtool.exe, plugrun.dll, the plug-ins, the model and
#                     pxdtool tests, and a plain C host that applies a plug-in through plugrun;
#                     with --editor also the editor against Qt built for Windows
#                     (scripts/qt_for_windows.sh, kept in a cache folder), the window tests, and
#                     the zip and the installer (scripts/windows_package_check.sh), and the
#                     editor started from the zip on a Windows desktop under Xvfb
#   build-windows32/  32-bit: plugrun.dll and one plug-in, whose export tables are checked at
#                     link time (exactly the plain names, standard calling convention)
# Tests that need what Wine or the cross build lacks are listed with their reason in
# tests/windows_skips.txt and named again in the output.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
case "${1:-}" in
    "") editor=0 ;;
    --editor) editor=1 ;;
    *) echo "usage: scripts/windows_check.sh [--editor]" >&2; exit 2 ;;
esac

./scripts/install_deps.sh g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine64 fonts-wine googletest libstb-dev
editor_options=(-DPIXADOR_BUILD_EDITOR=OFF)
editor_targets=()
if ((editor)); then
    ./scripts/install_deps.sh nsis
    qt=$(./scripts/qt_for_windows.sh | tail -n 1)
    editor_options=(-DPIXADOR_BUILD_EDITOR=ON -DCMAKE_PREFIX_PATH="$qt" -DQT_HOST_PATH=/usr
                    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)
    editor_targets=(Pixador ui_tests)
fi

configure() {  # folder toolchain [cmake options...]
    local folder=$1 toolchain=$2
    shift 2
    cmake -S . -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="cmake/$toolchain" \
        ${PIXADOR_WERROR:+-DPIXADOR_WERROR=$PIXADOR_WERROR} "$@" >/dev/null
}
configure build-windows mingw-w64-x86_64.cmake "${editor_options[@]}"
configure build-windows32 mingw-w64-i686.cmake
cmake --build build-windows --parallel "$(nproc)" --target pxdtool plugrun sample_plugins test_plugins \
    model_tests cli_tests plugrun_host "${editor_targets[@]}"
cmake --build build-windows32 --parallel "$(nproc)" --target plugrun checker
# The link already failed on a wrong table; shown again here whether or not it relinked.
exports32() {  # file names...
    local file=$1
    shift
    cmake -DOBJDUMP=i686-w64-mingw32-objdump -DFILE="$file" -DEXPECTED="$(IFS=,; echo "$*")" \
        -P cmake/check_exports.cmake 2>&1 | sed 's/^-- /32-bit /'
    return "${PIPESTATUS[0]}"
}
exports32 build-windows32/bin/plugrun.dll filter_getname filter_conf filter_apply cstructrst get_totals get_totall \
    get_slabel get_string set_string get_llabel get_totalops get_selected set_selected get_option
exports32 build-windows32/bin/filters/checker.dll getname config filter

wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
export WINEPREFIX=$root/build-windows/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Setting up the Wine prefix in $WINEPREFIX"
    "$wine" wineboot --init >/dev/null 2>&1
fi

# Pillow runs here, not under Wine: the pxdtool tests read the pictures from this folder.
pictures=$root/build-windows/pictures
rm -rf "$pictures" && mkdir -p "$pictures"
/usr/bin/python3 tests/cli/make_pictures.py make "$pictures"
export PXDTOOL_TEST_PICTURES=$pictures
# And those the window tests open.
outside=$root/build-windows/outside-pictures
rm -rf "$outside" && mkdir -p "$outside"
/usr/bin/python3 tests/support/outside_pictures.py made "$outside"
export PIXADOR_OUTSIDE_PICTURES=$outside

passed=0 failed=0 skipped=0
run_gtest() {  # executable
    local exe name reason filter=""
    while read -r exe name reason; do
        [[ $exe == "$1" ]] || continue
        filter+=":${name%:}"
        echo "skipped under Wine: ${name%:} ($1): $reason"
        skipped=$((skipped + 1))
    done < <(grep -v '^#' tests/windows_skips.txt)
    local log=build-windows/$1.log
    set +e
    "$wine" "build-windows/bin/$1.exe" --gtest_filter="*${filter:+-${filter#:}}" 2>&1 | tr -d '\r' >"$log"
    local status=${PIPESTATUS[0]}
    set -e
    grep -E '^\[  FAILED  \] .*\(' "$log" || true
    awk '/: Skipped$/ { getline why } /^\[  SKIPPED \] .*\(/ { print "skipped by itself under Wine: " $4 ": " why }' "$log"
    local p f s
    p=$(sed -nE 's/^\[  PASSED  \] ([0-9]+) tests?\.$/\1/p' "$log" | tail -1)
    f=$(sed -nE 's/^\[  FAILED  \] ([0-9]+) tests?, listed below:$/\1/p' "$log" | tail -1)
    # A test that skips itself (GTEST_SKIP) says why in the log; it is counted as skipped.
    s=$(sed -nE 's/^\[  SKIPPED \] ([0-9]+) tests?, listed below:$/\1/p' "$log" | tail -1)
    echo "$1.exe under Wine: ${p:-0} passed, ${f:-0} failed, ${s:-0} skipped by themselves (log: $log)"
    passed=$((passed + ${p:-0}))
    failed=$((failed + ${f:-0}))
    skipped=$((skipped + ${s:-0}))
    # A run that ended without gtest's summary crashed, whatever status Wine's debugger left.
    if [ -z "$p" ] || { ((status != 0)) && [ -z "$f" ]; }; then
        echo "FAILED: $1.exe ended without finishing its tests (status $status)"
        grep -m1 -B1 'Unhandled' "$log" || tail -20 "$log"
        failed=$((failed + 1))
    fi
}
run_gtest model_tests
run_gtest cli_tests
if ((editor)); then
    export QT_QPA_PLATFORM=offscreen
    run_gtest ui_tests
    unset QT_QPA_PLATFORM
fi

# The PNG writer of this build (stb's deflate), read by Pillow: the four levels of the worked
# sprite.
png=build-windows/png-check
rm -rf "$png" && mkdir -p "$png"
printf '\x01\x02\x33\x55\xFF\xFF' >"$png/s.pxd"
"$wine" build-windows/bin/pxdtool.exe convert "$png/s.pxd" "$png/s.png"
gray="FFFFFF CCCCCC AAAAAA 000000 FFFFFF CCCCCC AAAAAA 000000"
black="000000 000000 000000 000000 000000 000000 000000 000000"
if [ "$(/usr/bin/python3 tests/cli/make_pictures.py dump "$png/s.png")" == $'8 2\n'"$gray"$'\n'"$black" ]; then
    echo "ok: pxdtool.exe writes a PNG that Pillow reads as the sprite"
    passed=$((passed + 1))
else
    echo "FAILED: pxdtool.exe's PNG of the worked sprite (in $png)"
    failed=$((failed + 1))
fi

# Wine shows the root folder as drive Z:.
bin=$root/build-windows/bin
if "$wine" build-windows/bin/plugrun_host.exe "Z:${bin//\//\\}"; then
    passed=$((passed + 1))
else
    failed=$((failed + 1))
fi
# The zip and the installer, as a user gets them.
if ((editor)); then
    if ./scripts/windows_package_check.sh build-windows; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
    fi
    # On a Windows desktop (Wine's, in Xvfb) with the real platform plug-in, given a sprite.
    if /usr/bin/python3 docs/make_windows_screenshot.py build-windows build-windows/windows_main_window.png; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
    fi
fi
"$wineserver" -w

echo "windows: $passed passed, $failed failed, $skipped skipped"
((failed == 0))
