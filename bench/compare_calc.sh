#!/usr/bin/env bash
# Side by side: the cost of one sum(...) over ten cells when a file loads,
# in this program (3,000 formulas from a native file, from cartovel_bench)
# and in LibreOffice Calc (100,000 =SUM() formulas in a CSV imported with
# formula evaluation, `soffice --headless --convert-to`), each against the
# same file without formulas. Needs Debian's libreoffice-calc-nogui (or
# -calc); never part of the tests.
#   bench/compare_calc.sh [BENCH_BINARY]
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bench=${1:-$root/build/bench/bench/cartovel_bench}
soffice=$(command -v soffice || command -v libreoffice || true)
if [[ -z $soffice ]]; then
  echo "soffice not found: apt-get install libreoffice-calc-nogui" >&2
  exit 1
fi
if [[ ! -x $bench ]]; then
  echo "no benchmark program at $bench (scripts/bench builds it)" >&2
  exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rows=100000

# Ten 3-place values per row; the formula file adds =SUM() of the row.
awk -v rows=$rows 'BEGIN {
  for (r = 1; r <= rows; r++) {
    line = ""
    for (c = 1; c <= 10; c++) {
      v = (r * 7919 + c * 104729) % 99999989
      line = line sprintf("%d.%03d,", int(v / 1000), v % 1000)
    }
    print substr(line, 1, length(line) - 1) > "'"$work"'/plain.csv"
    print line "=SUM(A" r ":J" r ")" > "'"$work"'/sums.csv"
  }
}'

# CSV import: comma, double quote, UTF-8, from line 1, evaluate formulas.
filter='CSV:44,34,76,1,,1033,false,true,false,false,false,false,true'

# Best of two conversions, in seconds (the first also sets up the profile).
calc_seconds() {
  local best=
  for _ in 1 2; do
    local start end
    start=$(date +%s.%N)
    "$soffice" --headless -env:UserInstallation=file://"$work"/profile --infilter="$filter" \
      --convert-to 'csv:Text - txt - csv (StarCalc):44,34,76,1' --outdir "$work/out" "$work/$1" > /dev/null 2>&1
    end=$(date +%s.%N)
    best=$(echo "$start $end ${best:-}" | awk '{t = $2 - $1; if ($3 != "" && $3 < t) t = $3; print t}')
  done
  echo "$best"
}

plain=$(calc_seconds plain.csv)
sums=$(calc_seconds sums.csv)
first=$(head -1 "$work/out/sums.csv" | awk -F, '{print $11}')
calc_us=$(echo "$sums $plain $rows" | awk '{printf "%.2f", ($1 - $2) / $3 * 1e6}')

ours=$("$bench" --benchmark_filter='formula_load/3000_sums_of_10|baseline/load_3000x11_no_formulas' \
  --benchmark_min_time=0.5 2>/dev/null | awk '/^formula_load\/3000_sums_of_10 .* per formula/ {print $2, $3}')
ours_us=$(echo "$ours" | awk '{v = $1; if ($2 == "ms") v *= 1000; if ($2 == "ns") v /= 1000; printf "%.2f", v}')

echo "LibreOffice Calc: $rows sums in ${sums} s, without formulas ${plain} s; first sum $first"
echo "per formula: this program ${ours_us} us, LibreOffice Calc ${calc_us} us"
echo "$ours_us $calc_us" | awk '{ if ($1 > 0) printf "LibreOffice Calc / this program: %.2fx\n", $2 / $1 }'
