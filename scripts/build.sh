#!/usr/bin/env bash
# Configures and builds one flavour of Polvane: build.sh DIR [CMAKE OPTIONS...]
set -euo pipefail
cd "$(dirname "$0")/.."
dir="$1"
shift
launcher=()
# Rebuilds on the same machine reuse earlier compilations.
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B "$dir" -G Ninja "${launcher[@]}" "$@" >/dev/null
cmake --build "$dir" -j "$(nproc)"
