#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end time of `tarvelin-cli --batch FILE --json` over generated births,
# output to /dev/null. Usage: bench/batch_throughput.sh [CLI] [ROWS]
set -euo pipefail
cli=${1:-build/release/src/tarvelin-cli}
rows=${2:-100000}
csv=$(mktemp /tmp/tarvelin_batch_XXXXXX.csv)
trap 'rm -f "$csv"' EXIT
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
}' > "$csv"
start=$(date +%s.%N)
status=0
"$cli" --batch "$csv" --json > /dev/null || status=$?
end=$(date +%s.%N)
echo "$rows births in $(echo "$end - $start" | bc) s (exit status $status)"
