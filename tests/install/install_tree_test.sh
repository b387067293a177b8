#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build tree into a temporary folder as the .deb would (prefix
# /usr, DESTDIR, no root) and checks what a desktop and `man` look for: both
# programs answering --version with the build's version, the desktop entry
# naming an installed program and icon, every icon size, the AppStream
# metadata and manual pages that cover every flag of `tarvelin-cli --help`.
# The desktop entry and the metadata go through desktop-file-validate and
# `appstreamcli validate` where those are installed.
#
# Usage: install_tree_test.sh BUILD_DIR VERSION APP_ID
set -uo pipefail

build=$1 version=$2 id=$3
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

if ! DESTDIR=$root cmake --install "$build" --prefix /usr >"$root.log" 2>&1; then
  cat "$root.log"
  rm -f "$root.log"
  echo "FAIL: cmake --install"
  exit 1
fi
rm -f "$root.log"
usr=$root/usr
share=$usr/share

for f in bin/tarvelin bin/tarvelin-cli; do
  [ -x "$usr/$f" ] || fail "$f is not installed as a program"
done
desktop=$share/applications/$id.desktop
metainfo=$share/metainfo/$id.metainfo.xml
for f in "$desktop" "$metainfo" "$share/icons/hicolor/scalable/apps/$id.svg" \
         "$share/man/man1/tarvelin.1.gz" "$share/man/man1/tarvelin-cli.1.gz"; do
  [ -s "$f" ] || fail "${f#$root} is missing"
done

# Each PNG has the size of its folder (width and height from the IHDR chunk).
for size in 48 128 256; do
  png=$share/icons/hicolor/${size}x${size}/apps/$id.png
  if [ ! -s "$png" ]; then
    fail "${png#$root} is missing"
    continue
  fi
  read -r w1 w2 w3 w4 h1 h2 h3 h4 < <(od -An -tu1 -j16 -N8 "$png")
  w=$(((w1 << 24) | (w2 << 16) | (w3 << 8) | w4))
  h=$(((h1 << 24) | (h2 << 16) | (h3 << 8) | h4))
  [ "$w x $h" = "$size x $size" ] || fail "${png#$root} is $w x $h"
done

# --version from the installed programs, the desktop one without a display.
out=$("$usr/bin/tarvelin-cli" --version 2>&1)
[ "$out" = "tarvelin-cli $version" ] ||
  fail "tarvelin-cli --version printed '$out', not 'tarvelin-cli $version'"
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
      "$usr/bin/tarvelin" --version 2>&1)
[ "$out" = "Tarvelin $version" ] ||
  fail "tarvelin --version printed '$out', not 'Tarvelin $version'"

# The desktop entry starts an installed program and shows an installed icon.
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
[ -x "$usr/bin/${exec_line%% *}" ] || fail "Exec=$exec_line is not installed"
icon_line=$(sed -n 's/^Icon=//p' "$desktop")
[ "$icon_line" = "$id" ] || fail "Icon=$icon_line is not the installed icon $id"
grep -q "<release version=\"$version\"" "$metainfo" ||
  fail "the metadata has no release $version"

# Both manual pages have the sections a user looks for, and the options of
# tarvelin-cli.1 describe every flag that --help lists.
for p in tarvelin tarvelin-cli; do
  text=$(gzip -dc "$share/man/man1/$p.1.gz")
  for section in OPTIONS "EXIT STATUS" FILES EXAMPLES; do
    grep -q "^\.SH $section\$" <<<"$text" ||
      fail "$p.1 has no $section section"
  done
done
# The heads of the items (.TP) of the OPTIONS section.
heads=$(gzip -dc "$share/man/man1/tarvelin-cli.1.gz" |
        sed -n '/^\.SH OPTIONS/,/^\.SH EXIT/{s/\\-/-/g;p}' |
        awk 'previous == ".TP" { print } { previous = $0 }')
flags=$("$usr/bin/tarvelin-cli" --help | grep -oE '^  --[a-z][a-z-]*' | tr -d ' ')
[ -n "$flags" ] || fail "tarvelin-cli --help lists no flags"
for flag in $flags; do
  grep -qE -- "^\.BI? $flag( |\$)" <<<"$heads" ||
    fail "tarvelin-cli.1 does not describe $flag"
done
if command -v groff >/dev/null; then
  for p in tarvelin tarvelin-cli; do
    warnings=$(gzip -dc "$share/man/man1/$p.1.gz" |
               LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z 2>&1)
    [ -z "$warnings" ] || fail "$p.1: $warnings"
  done
fi

if command -v desktop-file-validate >/dev/null; then
  # Hints pass: three main categories are what the entry asks for.
  if ! out=$(desktop-file-validate "$desktop" 2>&1) ||
     grep -v ': hint: ' <<<"$out" | grep -q .; then
    echo "$out"
    fail "desktop-file-validate"
  fi
else
  echo "desktop-file-validate is not installed: the desktop entry is not validated"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$metainfo" >"$root/as.log" 2>&1 ||
    { cat "$root/as.log"; fail "appstreamcli validate"; }
else
  echo "appstreamcli is not installed: the metadata is not validated"
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "installed tree of tarvelin $version checked"
