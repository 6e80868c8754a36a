#!/usr/bin/env bash
# Configures and builds Release into build/ with Ninja. PIXADOR_WERROR=ON (as CI sets it) makes
# every compiler warning in Pixador's own code an error.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -f build/build.ninja ] || [ -n "${PIXADOR_WERROR:-}" ]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release ${PIXADOR_WERROR:+-DPIXADOR_WERROR=$PIXADOR_WERROR}
fi
cmake --build build --parallel "$(nproc)"
