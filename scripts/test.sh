#!/usr/bin/env bash
# Installs what is needed, builds Polvane and runs every test: the plain build,
# the same suite under AddressSanitizer and UndefinedBehaviorSanitizer, and the
# fuzz targets for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen
fuzz_seconds="${POLVANE_FUZZ_SECONDS:-30}"

echo "== plain build"
bash scripts/build.sh build -DCMAKE_BUILD_TYPE=Release
ctest --test-dir build --output-on-failure -j 2

echo "== sanitizer build"
bash scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_FLAGS="-O1 -g1" \
  -DPOLVANE_SANITIZE=ON -DPOLVANE_BENCH=OFF
# The browser engine's own library deletes some objects through a base of
# another size; that check is off, everything else stays on.
ASAN_OPTIONS=detect_leaks=1:new_delete_type_mismatch=0 UBSAN_OPTIONS=print_stacktrace=1 \
  LSAN_OPTIONS="suppressions=$PWD/scripts/lsan-suppressions.txt:print_suppressions=0" \
  ctest --test-dir build-asan --output-on-failure -j 2

echo "== fuzzing, ${fuzz_seconds} s a target"
bash scripts/build.sh build-fuzz -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=clang++ \
  -DPOLVANE_SANITIZE=ON -DPOLVANE_FUZZ=ON -DPOLVANE_BENCH=OFF -DPOLVANE_GUI=OFF -DPOLVANE_TESTS=OFF
for target in extract_fuzz address_fuzz; do
  corpus="build-fuzz/corpus-$target"
  mkdir -p "$corpus"
  "build-fuzz/fuzz/$target" -max_total_time="$fuzz_seconds" -max_len=65536 -rss_limit_mb=4096 \
    -print_final_stats=1 "$corpus" 2>&1 | tail -n 12
done
echo "all test stages passed"
