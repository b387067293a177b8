#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How fast the desktop program feels, on a virtual screen (Xvfb, openbox,
# xdotool) with a fresh home: from starting it to its input form mapped on
# the screen, and from Enter on a filled form (name, and "Chennai" typed in
# the City box and left with Tab) to the result window mapped. The times are
# those of the window system's MapNotify events, watched with xev; each of
# RUNS runs starts the program afresh, and the median is printed last.
# On a busy machine the wall times stretch; the processor time the program
# took until its form showed is printed beside them.
# Usage: bench/desktop_speed.sh [PROGRAM] [RUNS]
#        (default build/release/src/tarvelin, 5 runs)
set -euo pipefail
app=${1:-build/release/src/tarvelin}
runs=${2:-5}
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$work/display" \
  > /dev/null 2>&1 &
xvfb=$!
cleanup() {
  kill "${pid:-}" "${watch:-}" "${wm:-}" "$xvfb" 2> /dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
until [ -s "$work/display" ]; do sleep 0.1; done
export DISPLAY=:$(cat "$work/display")
openbox > /dev/null 2>&1 &
wm=$!
sleep 1

now() { date +%s.%N; }
# The time of the first window mapped after line `after` of the event log.
mapped_after() {
  local after=$1
  for _ in $(seq 1 1000); do
    local line
    line=$(tail -n +"$((after + 1))" "$work/events" | grep -m 1 MapNotify ||
      true)
    if [ -n "$line" ]; then
      echo "${line%% *}"
      return
    fi
    sleep 0.01
  done
  echo "no window was mapped" >&2
  exit 1
}
ms() { echo "($2 - $1) * 1000" | bc | xargs printf '%.0f\n'; }

: > "$work/events"
stdbuf -oL xev -root -event substructure 2> /dev/null |
  perl -MTime::HiRes=time -ne '$|=1; printf "%.6f %s", time, $_' \
    >> "$work/events" &
watch=$!
sleep 0.5

starts=() enters=()
for run in $(seq 1 "$runs"); do
  home=$work/home$run
  mkdir -p "$home"
  before=$(wc -l < "$work/events")
  t0=$(now)
  HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data \
    XDG_RUNTIME_DIR=$home "$app" > /dev/null 2>&1 &
  pid=$!
  shown=$(mapped_after "$before")
  # Processor time the program used until then (user and system, in
  # ticks of 10 ms): what a loaded machine does not stretch.
  cpu=$(awk '{ print ($14 + $15) * 10 }' "/proc/$pid/stat")
  window=$(xdotool search --sync --onlyvisible --pid "$pid" | head -n 1)
  xdotool windowactivate --sync "$window"
  sleep 0.5
  # The name box has the focus; seven Tabs lead to the City box.
  xdotool type --delay 30 "RAM"
  xdotool key --delay 30 Tab Tab Tab Tab Tab Tab Tab
  xdotool type --delay 30 "Chennai"
  xdotool key Tab
  sleep 1
  before=$(wc -l < "$work/events")
  t1=$(now)
  xdotool key Return
  result=$(mapped_after "$before")
  sleep 0.3
  # The result window, not a message: a second visible window of the
  # program, the form hidden.
  windows=$(xdotool search --onlyvisible --pid "$pid" | grep -vx "$window" |
    wc -l)
  if [ "$windows" -lt 1 ]; then
    echo "run $run: no result window" >&2
    exit 1
  fi
  starts+=("$(ms "$t0" "$shown")")
  enters+=("$(ms "$t1" "$result")")
  echo "run $run: start to form ${starts[-1]} ms (${cpu} ms of processor" \
    "time), Enter to result ${enters[-1]} ms"
  kill "$pid"
  wait "$pid" 2> /dev/null || true
  pid=
done
median() { printf '%s\n' "$@" | sort -n | sed -n "$((($# + 1) / 2))p"; }
echo "median of $runs: start to form $(median "${starts[@]}") ms," \
  "Enter to result $(median "${enters[@]}") ms"
