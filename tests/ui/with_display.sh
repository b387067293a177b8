#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on a private X server with a window manager, as on a
# desktop: the window tests that need a real display (the GNOME platform
# theme does not start on Qt's offscreen platform; focus and popups behave
# as people see them) run headless under it. The server chooses a free
# display number itself, so several runs may go on at once.
set -eu
dir=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/display" \
  2>"$dir/xvfb.log" &
server=$!
wm=
cleanup() {
  [ -n "$wm" ] && kill "$wm" 2>/dev/null && wait "$wm" 2>/dev/null
  kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
  rm -rf "$dir"
}
trap cleanup EXIT
fail() {
  echo "$1" >&2
  cat "$dir"/*.log >&2
  exit 1
}
tries=0
while [ ! -s "$dir/display" ]; do
  tries=$((tries + 1))
  [ "$tries" -le 200 ] && kill -0 "$server" 2>/dev/null || fail "Xvfb did not start"
  sleep 0.05
done
DISPLAY=":$(cat "$dir/display")"
export DISPLAY
openbox --sm-disable >"$dir/openbox.log" 2>&1 &
wm=$!
tries=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do
  tries=$((tries + 1))
  [ "$tries" -le 200 ] && kill -0 "$wm" 2>/dev/null || fail "openbox did not start"
  sleep 0.05
done
"$@"
