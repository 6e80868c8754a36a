#!/usr/bin/env bash
# Builds Release, runs every benchmark in bench/ and the start-up comparison, and prints one table
# (operation, size, time, the target its feature set, met or not), then the pxdtool-against-
# ImageMagick ratio. Options given are passed to pixador_bench, which then runs alone.
#   ./bench.sh [pixador_bench options, e.g. --benchmark_filter=Merge]
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install_deps.sh

# The usual build folder when it builds Release, else one of its own.
build=build
if [ -f build/CMakeCache.txt ] && ! grep -qx 'CMAKE_BUILD_TYPE:STRING=Release' build/CMakeCache.txt; then
    build=build-bench
fi
[ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" --target pixador_bench --parallel "$(nproc)"

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
bench() {
    QT_QPA_PLATFORM=offscreen "$build/bin/pixador_bench" --benchmark_out="$out/$1.json" \
        --benchmark_out_format=json "${@:2}" >"$out/console.txt" 2>&1 || { cat "$out/console.txt" >&2; exit 1; }
}
echo "Running $build/bin/pixador_bench (a minute or so)..."
if (($#)); then
    bench all "$@"
    tables=("$out/all.json")
else
    # Once the canvas rows have started Qt, this machine's vector registers stay marked in use, and
    # every later SSE instruction of the process runs several times slower. The window rows run in
    # a process of their own, after the model rows, so each row measures its own code.
    window_rows='RedrawCanvas|PaintPixel'
    bench model --benchmark_filter="-$window_rows"
    bench window --benchmark_filter="$window_rows"
    echo "Timing start-up against an empty Qt main window (Xvfb)..."
    bash bench/startup_vs_empty_window.sh "$build" "$out/startup.json" >"$out/startup.txt"
    tables=("$out/model.json" "$out/window.json" "$out/startup.json")
fi
echo
status=0
python3 bench/bench_table.py "${tables[@]}" || status=$?

echo
# pxdtool's rows count files, calls and processes rather than one operation's time: a table of
# their own, with targets, and their misses fail the run too.
bash bench/pxdtool_vs_imagemagick.sh || status=1
exit "$status"
