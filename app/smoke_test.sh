#!/usr/bin/env bash
# Starts the real program on a virtual X display with a window manager, checks
# that its window appears with its title, closes it as a user would and
# expects exit code 0. Usage: smoke_test.sh PATH_TO_POLVANE [SCREENSHOT.png]
set -u
program="$1"
screenshot="${2:-}"
display=":$((90 + RANDOM % 100))"
workdir="$(mktemp -d)"
cleanup() {
  kill "${wm_pid:-}" "${xvfb_pid:-}" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$workdir"
}
trap cleanup EXIT

Xvfb "$display" -screen 0 1024x600x24 -nolisten tcp >"$workdir/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY="$display"
unset QT_QPA_PLATFORM
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >"$workdir/wm.log" 2>&1 &
wm_pid=$!
sleep 0.5

export HOME="$workdir" XDG_DATA_HOME="$workdir/data" TMPDIR="$workdir"
# In a sanitizer build, what the window system's libraries keep until exit
# (some from plugins already unloaded by then) is not this test's business.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
"$program" >"$workdir/program.log" 2>&1 &
program_pid=$!

title="Polvane,    Merrowin"
found=""
for _ in $(seq 100); do
  if wmctrl -l 2>/dev/null | grep -qF "$title"; then found=yes; break; fi
  sleep 0.1
done
if [ -z "$found" ]; then
  echo "smoke: no window titled '$title' appeared"
  cat "$workdir/program.log"
  kill "$program_pid" 2>/dev/null
  exit 1
fi
sleep 1
if [ -n "$screenshot" ]; then import -window root "$screenshot" 2>/dev/null; fi
wmctrl -c "$title"
for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$program_pid" 2>/dev/null; then
  echo "smoke: the program did not end after its window was closed"
  kill -9 "$program_pid"
  exit 1
fi
wait "$program_pid"
code=$?
if [ "$code" -ne 0 ]; then
  echo "smoke: exit code $code"
  cat "$workdir/program.log"
  exit 1
fi
echo "smoke: window shown and closed, exit code 0"
