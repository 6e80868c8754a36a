#!/usr/bin/env bash
# Builds Release, runs every benchmark in bench/ and prints one table (operation, size, time, the
# target its feature set, met or not), then the pxdtool-against-ImageMagick ratio.
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
echo "Running $build/bin/pixador_bench (a minute or so)..."
QT_QPA_PLATFORM=offscreen "$build/bin/pixador_bench" --benchmark_out="$out/bench.json" \
    --benchmark_out_format=json "$@" >"$out/console.txt" 2>&1 || { cat "$out/console.txt" >&2; exit 1; }
echo
status=0
python3 bench/bench_table.py "$out/bench.json" || status=$?

echo
if [ -f bench/pxdtool_vs_imagemagick.sh ]; then
    bash bench/pxdtool_vs_imagemagick.sh
else
    echo "pxdtool against ImageMagick: no ratio, bench/pxdtool_vs_imagemagick.sh is not in this tree yet."
fi
exit "$status"
