#!/usr/bin/env bash
# Start-up to the first shown window: Pixador against an empty Qt main window with an MDI area
# and a menu bar, both started the same way on a private Xvfb display, in turns, a median of 9
# runs each (after one run each to warm the file cache). Prints both medians and the ratio;
# with a file name, also writes them there as benchmark rows for bench/bench_table.py, the
# target being 1.15 times the empty window's median.
#   bench/startup_vs_empty_window.sh [BUILD_DIR [JSON_FILE]]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
json=${2:-}
runs=9
cmake --build "$build" --target Pixador empty_mdi_window first_window >/dev/null

# A display number that no other X server holds, by lock file or by abstract socket.
free_display() {
    local n
    for _ in $(seq 100); do
        n=$((400 + RANDOM % 500))
        [ -e "/tmp/.X$n-lock" ] && continue
        grep -q "@/tmp/.X11-unix/X$n\$" /proc/net/unix && continue
        echo "$n"
        return 0
    done
    return 1
}

display=$(free_display)
home=$(mktemp -d)
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -rf "$home"' EXIT
for _ in $(seq 100); do
    [ -S "/tmp/.X11-unix/X$display" ] && break
    sleep 0.05
done

# Milliseconds to the first window of one start.
start_ms() {
    env DISPLAY=":$display" HOME="$home" XDG_RUNTIME_DIR="$home" QT_QPA_PLATFORM=xcb \
        "$build/bin/first_window" "$1"
}

pixador=()
empty=()
start_ms "$build/bin/Pixador" >/dev/null
start_ms "$build/bin/empty_mdi_window" >/dev/null
for _ in $(seq "$runs"); do
    pixador+=("$(start_ms "$build/bin/Pixador")")
    empty+=("$(start_ms "$build/bin/empty_mdi_window")")
done

median() { printf '%s\n' "$@" | sort -g | sed -n "$((($# + 1) / 2))p"; }
p=$(median "${pixador[@]}")
e=$(median "${empty[@]}")
echo "Start-up to the first window, median of $runs on Xvfb :$display:"
echo "  Pixador:                                 $p ms  (${pixador[*]})"
echo "  empty main window, MDI area, menu bar:   $e ms  (${empty[*]})"
awk -v p="$p" -v e="$e" 'BEGIN { printf "  ratio: %.2fx (target <= 1.15x)\n", p / e }'

if [ -n "$json" ]; then
    cat >"$json" <<JSON
{"benchmarks": [
  {"name": "StartUpToFirstWindow/Pixador", "label": "median of $runs",
   "real_time": $p, "time_unit": "ms", "target_us": $(awk -v e="$e" 'BEGIN { print e * 1.15 * 1000 }')},
  {"name": "StartUpToFirstWindow/empty_MDI_window", "label": "median of $runs",
   "real_time": $e, "time_unit": "ms"}
]}
JSON
fi
