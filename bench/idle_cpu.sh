#!/usr/bin/env bash
# Measures the idle program's CPU use on a virtual display: once as built and
# once with the working-set trim turned into a no-op (a preloaded stub of
# malloc_trim), so the trim's own cost shows as the difference.
# Usage: bench/idle_cpu.sh PATH_TO_POLVANE [SECONDS]
set -eu
program="$1"
seconds="${2:-30}"
work="$(mktemp -d)"
trap 'kill $(jobs -p) 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT

printf 'int malloc_trim(unsigned long pad) { (void)pad; return 0; }\n' >"$work/no_trim.c"
cc -shared -fPIC -o "$work/no_trim.so" "$work/no_trim.c"

display=":$((200 + RANDOM % 100))"
Xvfb "$display" -screen 0 1024x600x24 -nolisten tcp >/dev/null 2>&1 &
sleep 1
export DISPLAY="$display" HOME="$work" XDG_DATA_HOME="$work/data" TMPDIR="$work"
unset QT_QPA_PLATFORM

ticks_per_second=$(getconf CLK_TCK)
measure() {
  "$@" >/dev/null 2>&1 &
  local pid=$!
  sleep 3  # let start-up settle
  local before after
  before=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  sleep "$seconds"
  after=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  awk -v d="$((after - before))" -v hz="$ticks_per_second" -v s="$seconds" \
    'BEGIN { printf "%.2f%% of one core", 100 * d / hz / s }'
}
echo "with the trim:    $(measure "$program")"
echo "without the trim: $(measure env LD_PRELOAD="$work/no_trim.so" "$program")"
