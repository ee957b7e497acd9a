#!/usr/bin/env bash
# Starts a built, installed or unpacked KvistrelDommer as a user meets it: on a
# screen of its own (Xvfb) under a window manager, with a home folder of its own.
# Passes when the main window comes up within 30 s and the program, its window
# closed with Alt+F4, ends by itself with exit code 0 within 15 s.
# Usage: scripts/start-check.sh PROGRAM
set -euo pipefail
program=$(realpath "$1")
work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/home" "$work/run"
chmod 700 "$work/run"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/home/.config"
unset QT_QPA_PLATFORM XDG_DATA_HOME XDG_CACHE_HOME

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { cat "$work/xvfb.log" >&2; echo "Xvfb startet ikke" >&2; exit 1; }
export DISPLAY=":$(cat "$work/display")"
openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
# A window mapped before the window manager runs may never show: wait for it.
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || { cat "$work/openbox.log" >&2; echo "openbox startet ikke" >&2; exit 1; }

started=$(date +%s%N)
"$program" >"$work/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")
if ! window=$(timeout 30 xdotool search --sync --onlyvisible --name '^KvistrelDommer Versjon'); then
  cat "$work/program.log" >&2
  echo "$program: hovedvinduet kom ikke opp innen 30 s" >&2
  exit 1
fi
up_ms=$(( ($(date +%s%N) - started) / 1000000 ))
xdotool windowactivate --sync "$window"
closed=$(date +%s%N)
xdotool key --clearmodifiers alt+F4
# tail looks once a second unless told otherwise: the time to the end is measured to 20 ms.
if ! timeout 15 tail -s 0.02 --pid="$program_pid" -f /dev/null; then
  echo "$program: avsluttet ikke innen 15 s etter at vinduet ble lukket" >&2
  exit 1
fi
status=0
wait "$program_pid" || status=$?
if [ "$status" -ne 0 ]; then
  cat "$work/program.log" >&2
  echo "$program: sluttet med kode $status" >&2
  exit 1
fi
[ -d "$HOME/KvistrelDommer" ] || { echo "$program: laget ikke programmappen ~/KvistrelDommer" >&2; exit 1; }
down_ms=$(( ($(date +%s%N) - closed) / 1000000 ))
echo "$program: hovedvinduet kom opp etter $up_ms ms, og programmet sluttet rent $down_ms ms etter Alt+F4"
