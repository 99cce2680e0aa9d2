#!/usr/bin/env bash
# Times the whole price list from the command line (statement, fold, both
# report passes, report file) for sample shops of 1,000 to 1,000,000
# articles, with peak memory, using GNU time. BENCH_COMPRESS=1 stores the
# pages coded (slower; for lists whose pages pass the 2 GiB a report file
# addresses).
#   bench/price-list.sh [SIZES...]     (default: 1000 10000 100000 1000000)
set -euo pipefail
cd "$(dirname "$0")/.."
sizes=("${@:-1000 10000 100000 1000000}")
[ $# -gt 0 ] || sizes=(1000 10000 100000 1000000)
work=$(mktemp -d /tmp/qr-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT
printf "%10s %10s %10s %12s\n" articles pages seconds peak_MiB
for n in "${sizes[@]}"; do
  build/bin/qrtool sample-db --out "$work/shop-$n.db" --articles "$n" --alias-temp "$work/Temp" 2>/dev/null
  compress=()
  [ -z "${BENCH_COMPRESS:-}" ] || compress=(--compress)
  /usr/bin/time -f "%e %M" -o "$work/time" build/bin/qrtool price-list --db "$work/shop-$n.db" \
    --alias-temp "$work/Temp" --by code --from 1 --to 999999999 --qrp "$work/out.qrp" \
    "${compress[@]}" 2>"$work/err"
  read -r seconds kib <"$work/time"
  pages=$(grep -o '[0-9]* pages' "$work/err" | cut -d' ' -f1)
  printf "%10s %10s %10s %12s\n" "$n" "$pages" "$seconds" "$((kib / 1024))"
done
