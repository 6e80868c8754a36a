#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
#   ./test.sh              Release build in build/
#   ./test.sh --sanitize   the same tests built with g++ and AddressSanitizer (with LeakSanitizer)
#                          and UndefinedBehaviorSanitizer in build-sanitize/; any finding fails
set -euo pipefail
cd "$(dirname "$0")"
case "${1:-}" in
    "") sanitize=0 ;;
    --sanitize) sanitize=1 ;;
    *) echo "usage: ./test.sh [--sanitize]" >&2; exit 2 ;;
esac
./scripts/install_deps.sh
export QT_QPA_PLATFORM=offscreen

if ((sanitize == 0)); then
    ./scripts/build.sh
    cd build
    exec ctest --output-on-failure --parallel "$(nproc)" --timeout 300
fi

# The compiler of the Release build, so CI needs nothing more; -O1 keeps the run quick and the
# line tables make the reports point at source lines. plugrun and the plug-ins are built
# sanitized too, so the tests load them with the same runtime.
if [ ! -f build-sanitize/build.ninja ]; then
    CC=gcc CXX=g++ cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g1" -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" \
        -DPIXADOR_SANITIZE=ON -DPIXADOR_BUILD_BENCH=OFF
fi
cmake --build build-sanitize --parallel "$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan_suppressions.txt:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build-sanitize
exec ctest --output-on-failure --parallel "$(nproc)" --timeout 300
