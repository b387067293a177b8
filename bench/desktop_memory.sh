#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Resident memory of the desktop program when its form shows and after the
# City box has offered places for "Mumb" (four look-ups, the first of one
# letter), on a virtual screen (Xvfb, openbox, xdotool), with a fresh home.
# Usage: bench/desktop_memory.sh [PROGRAM]   (default build/release/src/tarvelin)
set -euo pipefail
app=${1:-build/release/src/tarvelin}
home=$(mktemp -d)
# A display of its own: Xvfb picks a free number and writes it.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$home/display" \
  > /dev/null 2>&1 &
xvfb=$!
cleanup() {
  kill "${pid:-}" "${wm:-}" "$xvfb" 2> /dev/null || true
  rm -rf "$home"
}
trap cleanup EXIT
until [ -s "$home/display" ]; do sleep 0.1; done
screen=:$(cat "$home/display")
DISPLAY=$screen openbox > /dev/null 2>&1 &
wm=$!
sleep 1
DISPLAY=$screen HOME=$home XDG_CONFIG_HOME=$home/config \
  XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home "$app" > /dev/null 2>&1 &
pid=$!
window=$(DISPLAY=$screen xdotool search --sync --onlyvisible --pid "$pid" |
  head -n 1)
sleep 2
echo "form shown:      $(grep VmRSS /proc/$pid/status)"
# A click into the City box (where the default style draws it).
DISPLAY=$screen xdotool windowactivate --sync "$window" \
  mousemove --window "$window" 212 220 click 1
DISPLAY=$screen xdotool type --delay 150 "Mumb"
sleep 2
echo "after a look-up: $(grep VmRSS /proc/$pid/status)"
