#!/usr/bin/env bash
# Installs what is needed, builds Polvane and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh build -DCMAKE_BUILD_TYPE=Release
exec build/app/polvane "$@"
