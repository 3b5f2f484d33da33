#!/usr/bin/env bash
# Seeds the fuzz corpora from the test data and the examples: tests/fuzz/make_corpus.sh OUT
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
OUT="${1:?usage: make_corpus.sh OUT}"
mkdir -p "$OUT/xml" "$OUT/run"
n=0
while IFS= read -r -d '' f; do
  cp "$f" "$OUT/xml/seed_$((n++)).xml"
done < <(find "$ROOT/tests/data" "$ROOT/examples" -name '*.xml' -size -2M -print0)
# Whole-run seeds: each example's main report followed by its folder's other reports.
for dir in "$ROOT"/examples/*/; do
  mapfile -t reports < <(ls "$dir"NO_RASCHSV_*.xml | sort -r)
  { cat "${reports[0]}"; for r in "${reports[@]:1:3}"; do printf '\n--8<--\n'; cat "$r"; done; } \
    > "$OUT/run/$(basename "$dir").seed"
  cp "${reports[0]}" "$OUT/run/$(basename "$dir").single"
done
