#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Instructions per `--batch --json` row, counted by callgrind (the same on a
# busy machine): the runs over 3,000 and over 1,000 generated births, one
# job, differ by 2,000 rows; their difference over 2,000 leaves out the
# start-up. The output goes to /dev/null.
# Usage: bench/batch_row_instructions.sh [CLI]   (a Release build)
# Measured on the development machine: 102,728 instructions per row, of
# which about 5,100 are the row's nearest place and its JSON and about
# 20,000 the Hora Lagna's day and margin (79,367 before rows had either; the
# target for that row is 80,000 at most; it was 146,500).
set -euo pipefail
cli=${1:-build/release/src/tarvelin-cli}
work=$(mktemp -d /tmp/tarvelin_rows_XXXXXX)
trap 'rm -rf "$work"' EXIT
for rows in 1000 3000; do
  awk -v rows="$rows" 'BEGIN {
    srand(1980);
    print "name,date,time,lon,lat,zone,dst";
    for (i = 0; i < rows; i++)
      printf "PERSON,%04d-%02d-%02d,%02d:%02d:%02d,%d:%02d%s,%d:%02d%s,%d,%d\n",
        1901 + int(rand() * 150), 1 + int(rand() * 12), 1 + int(rand() * 28),
        int(rand() * 24), int(rand() * 60), int(rand() * 60),
        int(rand() * 180), int(rand() * 60), (rand() < 0.5 ? "E" : "W"),
        int(rand() * 66), int(rand() * 60), (rand() < 0.5 ? "N" : "S"),
        int(rand() * 71), int(rand() * 2);
  }' > "$work/rows$rows.csv"
  valgrind --tool=callgrind --callgrind-out-file="$work/cg$rows.out" \
    "$cli" --batch "$work/rows$rows.csv" --jobs 1 > /dev/null \
    2> "$work/cg$rows.err"
  grep -o 'Collected : [0-9]*' "$work/cg$rows.err" | awk '{print $3}' \
    > "$work/ir$rows"
done
echo "$(( ($(cat "$work/ir3000") - $(cat "$work/ir1000")) / 2000 )) instructions per row"
