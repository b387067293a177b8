#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes what tarvelin-cli answers for the golden births: batch.jsonl (the
# --batch output of births.csv) and runs.out (for each line of runs.txt, a
# line "=== N" and the standard output of that command line).
# Usage: tools/golden/write_expected.sh path/to/tarvelin-cli tests/data/golden
set -euo pipefail
cli=$1
dir=$2
"$cli" --batch "$dir/births.csv" > "$dir/batch.jsonl"
n=0
: > "$dir/runs.out"
while IFS=$'\t' read -r -a args; do
  n=$((n + 1))
  printf '=== %d\n' "$n" >> "$dir/runs.out"
  "$cli" "${args[@]}" >> "$dir/runs.out"
done < "$dir/runs.txt"
