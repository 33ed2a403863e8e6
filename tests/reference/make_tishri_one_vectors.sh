#!/usr/bin/env bash
# Writes tishri_one_hebcal.txt: the Gregorian date of Rosh Hashana (1 Tishri)
# in the autumn of every year 1..9999, as Debian's hebcal program gives it
# (proleptic Gregorian).  Needs the hebcal package (apt-get install hebcal).
# Lines: "YEAR MONTH DAY".
set -euo pipefail
cd "$(dirname "$0")"
out=tishri_one_hebcal.txt
{
  echo "# 1 Tishri in the autumn of each Gregorian year, from $(hebcal --version 2>&1 | head -n 1)"
  echo "# year month day"
  for ((y = 1; y <= 9999; y++)); do
    hebcal -g "$y" | awk -v y="$y" '/Rosh Hashana [0-9]/ { split($1, d, "-"); print y, d[2] + 0, d[3] + 0 }'
  done
} >"$out"
echo "wrote $(grep -vc '^#' "$out") dates to $out"
