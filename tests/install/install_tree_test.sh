#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build tree into a temporary folder as the .deb would (prefix
# /usr, DESTDIR, no root) and checks what a desktop and `man` look for: both
# programs answering --version with the build's version, the desktop entry
# naming the installed program by its path and an installed icon, every icon
# size, the AppStream metadata, manual pages that cover every flag of
# `tarvelin-cli --help`, the windows' Hindi and Tamil translations, and the
# documentation folder with the copyright file. The desktop entry and the
# metadata go through desktop-file-validate and `appstreamcli validate`
# where those are installed. Then it installs
# to a prefix that is not on PATH, with a blank in its name, and takes that
# install away again as README says (install_manifest.txt).
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
for size in 16 24 32 48 128 256; do
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

# The desktop entry starts the installed program and shows an installed icon.
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
[ "$exec_line" = /usr/bin/tarvelin ] ||
  fail "Exec=$exec_line, not the installed /usr/bin/tarvelin"
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
    # Set for a terminal of 80 columns, nothing (an example) reaches past it.
    width=$(gzip -dc "$share/man/man1/$p.1.gz" |
            LC_ALL=C.UTF-8 groff -man -Tutf8 -rLL=80n -P-cbou 2>/dev/null |
            LC_ALL=C.UTF-8 wc -L)
    [ "$width" -le 80 ] || fail "$p.1 has lines of $width columns"
  done
fi

# The documentation folder: the machine-readable copyright file (not
# compressed), the changelog and the README.
doc=$share/doc/tarvelin
head -n 1 "$doc/copyright" 2>/dev/null |
  grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' ||
  fail "${doc#$root}/copyright is missing or not machine-readable"
gzip -dc "$doc/changelog.gz" 2>/dev/null | head -n 1 |
  grep -q "^tarvelin ($version) " ||
  fail "${doc#$root}/changelog.gz does not begin with version $version"
# The windows' Hindi and Tamil, where the program looks for them.
for code in hi ta; do
  [ -s "$share/tarvelin/translations/tarvelin_$code.qm" ] ||
    fail "share/tarvelin/translations/tarvelin_$code.qm is not installed"
done
# Only the first line is read: gzip may be cut off by a full pipe (pipefail).
[ "$(gzip -dc "$doc/README.md.gz" 2>/dev/null | sed -n 1p)" = "# Tarvelin" ] ||
  fail "${doc#$root}/README.md.gz is missing"

if command -v desktop-file-validate >/dev/null; then
  # Hints fail too: two main categories make the entry show twice in some
  # menus.
  if ! out=$(desktop-file-validate "$desktop" 2>&1) || [ -n "$out" ]; then
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

# An install to a prefix that is not on PATH: the menu entry names the
# program there (quoted, for the blank), and the files install_manifest.txt
# lists are all there is to take away.
prefix="$root/opt/Tarvelin apps"
if DESTDIR= cmake --install "$build" --prefix "$prefix" >"$root/prefix.log" 2>&1; then
  exec_line=$(sed -n 's/^Exec=//p' "$prefix/share/applications/$id.desktop")
  [ "$exec_line" = "\"$prefix/bin/tarvelin\"" ] ||
    fail "Exec=$exec_line after an install to $prefix"
  [ -x "$prefix/bin/tarvelin" ] || fail "$prefix/bin/tarvelin is not installed"
  manifest=$build/install_manifest.txt
  grep -qxF "$prefix/share/applications/$id.desktop" "$manifest" ||
    fail "install_manifest.txt does not list the desktop entry"
  xargs -d '\n' rm -f -- <"$manifest"
  left=$(find "$prefix" -not -type d)
  [ -z "$left" ] || fail "left after removing install_manifest.txt's files: $left"
else
  cat "$root/prefix.log"
  fail "cmake --install --prefix \"$prefix\""
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "installed tree of tarvelin $version checked"
