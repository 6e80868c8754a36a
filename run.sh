#!/usr/bin/env bash
# Installs what is missing, builds and starts Pixador: ./run.sh [file.pxd]
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install_deps.sh
./scripts/build.sh
exec ./build/bin/Pixador "$@"
