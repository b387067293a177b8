#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file says its licence in its first lines, in the one form
#   SPDX-License-Identifier: GPL-3.0-or-later
# behind the file's comment mark (// in C++, # in CMake, shell, Python and
# make files, .\" in manual pages), on the first line or on the second after
# a "#!" line. Lists the files without it.
#
# Usage: spdx_lines_test.sh SOURCE_DIR
set -uo pipefail
cd "$1" || exit 1

if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  # Tracked files and new ones not yet added, without what .gitignore hides.
  list() { git ls-files --cached --others --exclude-standard; }
else
  list() { find . -path ./build -prune -o -type f -print | sed 's|^\./||'; }
fi

missing=0
while IFS= read -r file; do
  [ -f "$file" ] || continue  # deleted but not yet staged
  case $file in
    tests/data/* | data/*) continue ;;  # data and artwork, not source
    *.cpp | *.h | *.in | *.sh | *.py | *.js | *.cmake | */CMakeLists.txt | \
      CMakeLists.txt | Makefile | scripts/* | .ci/*) ;;
    *) continue ;;
  esac
  if ! head -n 2 "$file" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later$'; then
    echo "no SPDX line: $file"
    missing=$((missing + 1))
  fi
done < <(list)

if [ "$missing" -ne 0 ]; then
  echo "$missing source file(s) lack the line"
  echo "  // SPDX-License-Identifier: GPL-3.0-or-later"
  echo "at the top (# or .\\\" in place of // where the file's comments use them)"
  exit 1
fi
echo "every source file carries its SPDX line"
