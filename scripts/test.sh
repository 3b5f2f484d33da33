#!/usr/bin/env bash
# Builds the program and runs every test: the suite, the same suite under AddressSanitizer
# and UndefinedBehaviorSanitizer, and each fuzz target for a minute on its seeds.
#   scripts/test.sh          all of it
#   scripts/test.sh --quick  the suite of the normal build only
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

JOBS="$(nproc)"
FUZZ_SECONDS="${FUZZ_SECONDS:-60}"

echo "== Test suite"
(cd "$BUILD_DIR" && ctest --output-on-failure -j"$JOBS" --timeout 900)
[ "${1:-}" = "--quick" ] && exit 0

echo "== Test suite under AddressSanitizer and UndefinedBehaviorSanitizer"
SAN_DIR="$ROOT/build-sanitize"
cmake -S "$ROOT" -B "$SAN_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORSVELT_SANITIZE=ON -DORSVELT_BUILD_GUI=OFF >/dev/null
cmake --build "$SAN_DIR" -j"$JOBS"
(cd "$SAN_DIR" && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --output-on-failure -j"$JOBS" --timeout 1800)

echo "== Fuzz targets, ${FUZZ_SECONDS} s each"
FUZZ_DIR="$ROOT/build-fuzz"
CC=clang CXX=clang++ cmake -S "$ROOT" -B "$FUZZ_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORSVELT_FUZZ=ON \
  -DORSVELT_BUILD_GUI=OFF -DORSVELT_BUILD_TESTS=OFF >/dev/null
cmake --build "$FUZZ_DIR" -j"$JOBS"
CORPUS="$FUZZ_DIR/corpus"
rm -rf "$CORPUS" && "$ROOT/tests/fuzz/make_corpus.sh" "$CORPUS/seeds"
for target in xml_parse:xml file_root:xml whole_run:run; do
  name="${target%%:*}" seeds="${target##*:}"
  mkdir -p "$CORPUS/$name" "$CORPUS/artifacts"
  cp "$CORPUS/seeds/$seeds/"* "$CORPUS/$name/"
  echo "-- fuzz_$name"
  "$FUZZ_DIR/tests/fuzz/fuzz_$name" -max_total_time="$FUZZ_SECONDS" -max_len=100000 -timeout=20 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$CORPUS/artifacts/${name}_" "$CORPUS/$name" \
    2>&1 | grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|Done|==[0-9]+==ERROR|SUMMARY)' || true
  if ls "$CORPUS/artifacts/${name}_"* >/dev/null 2>&1; then
    echo "fuzz_$name found a failing input: $(ls "$CORPUS/artifacts/${name}_"*)"
    exit 1
  fi
done
echo "All tests passed."
