#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang 14, AddressSanitizer and
# UndefinedBehaviorSanitizer in build-fuzz/, runs each for the given seconds (default 60), and
# prints executions and findings per target. Exits 1 when anything was found.
#   ./fuzz.sh [seconds]     fuzz every target
#   ./fuzz.sh --seeds       rewrite fuzz/corpus/ with Pixador's writers, Pillow and ImageMagick
set -euo pipefail
cd "$(dirname "$0")"

seconds=60
write_seeds=0
case "${1:-}" in
    --seeds) write_seeds=1 ;;
    "") ;;
    *[!0-9]* | 0) echo "usage: ./fuzz.sh [seconds] | --seeds" >&2; exit 2 ;;
    *) seconds=$1 ;;
esac

./scripts/install_deps.sh clang-14 libclang-rt-14-dev

if [ ! -f build-fuzz/build.ninja ] || [ -n "${PIXADOR_WERROR:-}" ]; then
    CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g" -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" \
        -DPIXADOR_BUILD_FUZZ=ON -DPIXADOR_BUILD_TESTS=OFF -DPIXADOR_BUILD_BENCH=OFF \
        ${PIXADOR_WERROR:+-DPIXADOR_WERROR=$PIXADOR_WERROR} >/dev/null
fi
cmake --build build-fuzz --target fuzz_targets --parallel "$(nproc)"

targets=$(cd build-fuzz/fuzz && ls -- *_fuzz | sed 's/_fuzz$//' | xargs)

if ((write_seeds)); then
    rm -rf fuzz/corpus
    build-fuzz/fuzz/write_seeds fuzz/corpus
    /usr/bin/python3 fuzz/bitmap_seeds.py fuzz/corpus/bitmap
    for t in $targets; do echo "$t: $(ls fuzz/corpus/"$t" | wc -l) seeds"; done
    exit 0
fi

# The INI targets write their input as a file per execution: memory is quicker than a disk.
tmp=$(mktemp -d "$( [ -w /dev/shm ] && echo /dev/shm || echo "${TMPDIR:-/tmp}")/pixador-fuzz.XXXXXX")
trap 'rm -rf "$tmp"' EXIT

# Absolute paths: a target may work in a folder of its own.
run_one() {
    local t=$1 out=$PWD/build-fuzz
    mkdir -p "$out/corpus/$t" "$out/findings/$t"
    rm -f "$out/findings/$t"/*
    TMPDIR="$tmp" UBSAN_OPTIONS=print_stacktrace=1 "$out/fuzz/${t}_fuzz" \
        "$out/corpus/$t" "$PWD/fuzz/corpus/$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$out/findings/$t/" >"$out/logs/$t.log" 2>&1 || true
}

mkdir -p build-fuzz/logs
echo "Fuzzing $(wc -w <<<"$targets") targets for ${seconds} s each, $(nproc) at a time; logs in build-fuzz/logs/"
running=0
for t in $targets; do
    run_one "$t" &
    running=$((running + 1))
    if ((running >= $(nproc))); then wait -n; running=$((running - 1)); fi
done
wait

found=0
printf '%-24s %14s %10s  %s\n' target executions exec/s findings
for t in $targets; do
    log="build-fuzz/logs/$t.log"
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    files=$(ls "build-fuzz/findings/$t")
    if [ -n "$files" ]; then
        found=1
        what=$(echo "$files" | sed "s|^|build-fuzz/findings/$t/|" | xargs)
    elif [ -z "$runs" ]; then
        # A target that never reached its statistics did not fuzz: as bad as a finding.
        found=1
        what="did not run: see $log"
    else
        what=0
    fi
    printf '%-24s %14s %10s  %s\n' "$t" "${runs:-?}" "${rate:-?}" "$what"
done
exit "$found"
